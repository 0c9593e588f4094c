#include "tools/check/listing_hazards.h"

#include <functional>
#include <string>

#include "tools/check/combination_hazards.h"

namespace toval::tools::check {

namespace {

// The phrase for a record out of place, given the case block's name.
using Describe = std::function<Phrase(const NumberedRecord&)>;

// One warning for a list: at its first record out of place, with how many
// more there are, since one slip renumbers everything after it.
void numbering(const std::vector<NumberedRecord>& list, const Describe& describe, HazardList& out) {
  const NumberedRecord* first = nullptr;
  long more = 0;
  long last_position = 0;
  for (const NumberedRecord& r : list) {
    if (r.number == r.position) continue;
    if (first == nullptr)
      first = &r;
    else if (r.position != last_position && r.position != first->position)  // a bar group counts once
      ++more;
    last_position = r.position;
  }
  if (first == nullptr) return;
  std::vector<Phrase> text = {describe(*first)};
  if (more > 0) text.push_back({Text::more_records, {std::to_string(more)}});
  out.warn(Source::forces_file, first->line, 1, Kind::record_numbering, std::move(text));
}

}  // namespace

void find_listing_hazards(const ListedBlocks& blocks, const ShiftsTold& shifts, HazardList& hazards) {
  for (const ReadBlock& b : blocks.read) {
    if (shifts.blocks.count(b.heading_line) != 0) continue;
    const std::string name = quoted_name(b.name);
    auto phrase = [&](Text key) {
      return [&, key](const NumberedRecord& r) {
        return Phrase{key, {std::to_string(r.position), name, std::to_string(r.number)}};
      };
    };
    numbering(b.displacements, phrase(Text::displacement_numbering), hazards);
    numbering(b.end_forces, phrase(Text::bar_group_numbering), hazards);
    numbering(b.resultants, phrase(Text::resultant_numbering), hazards);
  }
  for (std::size_t k = 0; k < blocks.headings.size(); ++k) {
    for (std::size_t e = 0; e < k; ++e) {
      if (!(blocks.headings[e].name == blocks.headings[k].name)) continue;
      hazards.warn(Source::forces_file, blocks.headings[k].line, 20, Kind::second_case_block,
                   {{Text::second_case_block,
                     {quoted_name(blocks.headings[k].name), std::to_string(blocks.headings[e].line)}}});
      break;
    }
  }
}

}  // namespace toval::tools::check
