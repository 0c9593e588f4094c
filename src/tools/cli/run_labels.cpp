#include "tools/cli/run_labels.h"

#include <algorithm>
#include <tuple>

#include "tools/cli/exported_values.h"

namespace toval::tools::cli {

namespace {

// A line of the file that holds a label's text, and where that text goes.
struct Wanted {
  long line;
  bool header;           // a combination's header, else a part of a case's description
  Whole index;           // the combination or case
  std::size_t from = 0;  // first column of the text (from 0)

  bool operator<(const Wanted& other) const {
    return std::tie(line, header, index) < std::tie(other.line, other.header, other.index);
  }
};

// The text as UTF-8, without the blanks around it.
std::string trimmed(std::string_view bytes) {
  const std::size_t first = bytes.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : name_text(bytes.substr(first));
}

std::vector<Wanted> wanted_lines(const Store& s, Whole NCCAR) {
  std::vector<Wanted> wanted;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I)
    if (const long line = s.lines.header_line(I); line != 0) wanted.push_back({line, true, I});
  for (Whole P = 1; P <= NCCAR; ++P) {
    // The name record's first four columns are the name.
    wanted.push_back({s.lines.case_line(P), false, P, 4});
    for (long line = s.lines.case_line(P) + 1; line < s.lines.case_end_line(P); ++line)
      wanted.push_back({line, false, P});
  }
  std::sort(wanted.begin(), wanted.end());
  return wanted;
}

void add_description_part(std::string& description, const std::string& part) {
  if (part.empty()) return;
  if (!description.empty()) description += " - ";
  description += part;
}

std::vector<SetMembers> members_of_sets(const std::vector<CombinationLabel>& labels) {
  std::vector<SetMembers> sets;
  for (CombinationSet set : ALL_SETS) {
    SetMembers members{set, {}};
    for (std::size_t i = 0; i < labels.size(); ++i)
      if (labels[i].set == set) members.combinations.push_back(static_cast<Whole>(i + 1));
    if (!members.combinations.empty()) sets.push_back(std::move(members));
  }
  return sets;
}

}  // namespace

const SetMembers* RunLabels::members(CombinationSet set) const {
  for (const SetMembers& m : sets)
    if (m.set == set) return &m;
  return nullptr;
}

std::optional<CombinationSet> design_set(const RunLabels& labels) {
  if (labels.members(CombinationSet::uls)) return CombinationSet::uls;
  return std::nullopt;
}

RunLabels read_run_labels(InputUnit& unit, const Store& s, Whole NCCAR) {
  RunLabels labels;
  labels.combinations.resize(static_cast<std::size_t>(std::max<Whole>(s.BL5.NCOB, 0)));
  labels.case_descriptions.resize(static_cast<std::size_t>(std::max<Whole>(NCCAR, 0)));
  const std::vector<Wanted> wanted = wanted_lines(s, NCCAR);
  unit.rewind();
  Record record;
  for (auto next = wanted.begin(); next != wanted.end() && unit.next(record);) {
    while (next != wanted.end() && next->line < record.line) ++next;
    for (; next != wanted.end() && next->line == record.line; ++next) {
      const std::string_view text = record.text().substr(std::min(next->from, record.size));
      if (next->header) {
        CombinationLabel& label = labels.combinations[static_cast<std::size_t>(next->index - 1)];
        label.set = set_of_header(text);
        label.name = trimmed(text);
      } else {
        add_description_part(labels.case_descriptions[static_cast<std::size_t>(next->index - 1)],
                             trimmed(text));
      }
    }
  }
  labels.sets = members_of_sets(labels.combinations);
  return labels;
}

}  // namespace toval::tools::cli
