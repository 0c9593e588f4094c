#include "tools/check/section_numbering.h"

#include <string>
#include <vector>

namespace toval::tools::check {

namespace {

// The records before the end record (number 0), as the run counts them.
std::vector<SectionRecord> listed(const std::vector<SectionRecord>& records) {
  std::vector<SectionRecord> out;
  for (const SectionRecord& r : records) {
    if (r.number == 0) break;
    out.push_back(r);
  }
  return out;
}

// The texts of one section: its nodes or its bars.
struct SectionTexts {
  Text numbering, given_already, follows, absent;
};
constexpr SectionTexts NODE_TEXTS{Text::node_numbering, Text::node_given_already, Text::node_number_follows,
                                  Text::node_number_absent};
constexpr SectionTexts BAR_TEXTS{Text::bar_numbering, Text::bar_given_already, Text::bar_number_follows,
                                 Text::bar_number_absent};

void numbering(const std::vector<SectionRecord>& records, bool nodes, HazardList& hazards) {
  const SectionTexts& t = nodes ? NODE_TEXTS : BAR_TEXTS;
  const std::vector<SectionRecord> list = listed(records);
  for (std::size_t k = 0; k < list.size(); ++k) {
    const long position = static_cast<long>(k) + 1;
    const long number = list[k].number;
    if (number == position) continue;
    const std::string p = std::to_string(position), n = std::to_string(number);
    std::vector<Phrase> text = {{t.numbering, {p, n}}};
    bool repeat = true;
    // Every earlier record carries its own position, so a smaller number is
    // one given already.
    if (number >= 1 && number < position) {
      text.push_back({t.given_already, {n, std::to_string(list[static_cast<std::size_t>(number - 1)].line)}});
    } else if (number < 1) {
      text.push_back({Text::number_below_1, {}});
    } else {
      repeat = false;
      long later = 0;
      for (std::size_t j = k + 1; j < list.size() && later == 0; ++j)
        if (list[j].number == position) later = list[j].line;
      if (later != 0)
        text.push_back({t.follows, {p, std::to_string(later)}});
      else
        text.push_back({t.absent, {p}});
    }
    // What taking the record by its place does to the numbers.
    if (!nodes)
      text.push_back({Text::bar_change, {p}});
    else
      text.push_back({repeat ? Text::node_repeated_change : Text::node_moved_change, {p, n}});
    hazards.warn(Source::forces_file, list[k].line, 1, Kind::section_numbering, std::move(text));
    return;  // one slip renumbers everything after it
  }
}

}  // namespace

void find_section_numbering(const RunWatch& watch, const ShiftsTold& shifts, HazardList& hazards) {
  if (!shifts.nodes) numbering(watch.node_records(), true, hazards);
  if (!shifts.bars) numbering(watch.bar_records(), false, hazards);
}

}  // namespace toval::tools::check
