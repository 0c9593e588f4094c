#include "tools/check/listing_hazards.h"

#include <functional>
#include <string>

#include "tools/check/combination_hazards.h"

namespace toval::tools::check {

namespace {

using Describe = std::function<std::string(const NumberedRecord&)>;

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
  std::string text = describe(*first);
  if (more > 0) text += " (and " + std::to_string(more) + " more records of this list)";
  out.warn(Source::forces_file, first->line, 1, Kind::record_numbering, text);
}

}  // namespace

void find_listing_hazards(const ListedBlocks& blocks, const ShiftsTold& shifts, HazardList& hazards) {
  for (const ReadBlock& b : blocks.read) {
    if (shifts.blocks.count(b.heading_line) != 0) continue;
    const std::string in = " of case block " + quoted_name(b.name);
    numbering(
        b.displacements,
        [&](const NumberedRecord& r) {
          return "displacement record " + std::to_string(r.position) + in + " carries node number " +
                 std::to_string(r.number) +
                 ": the characteristic nodes are found by the number written, so a chosen node whose number "
                 "is missing keeps zero or the previous case's values; number the records 1, 2, 3 ... in the "
                 "order of the node section";
        },
        hazards);
    numbering(
        b.end_forces,
        [&](const NumberedRecord& r) {
          return "bar group " + std::to_string(r.position) + in + " carries bar number " +
                 std::to_string(r.number) + ": end forces are taken by position, so bar " +
                 std::to_string(r.position) +
                 " gets the forces written here; list the groups in the order of the bar section";
        },
        hazards);
    numbering(
        b.resultants,
        [&](const NumberedRecord& r) {
          return "resultant record " + std::to_string(r.position) + in + " carries node number " +
                 std::to_string(r.number) + ": resultants are taken by position, so the reactions of node " +
                 std::to_string(r.position) +
                 " come from this record; list the records in the order of the node section";
        },
        hazards);
  }
  for (std::size_t k = 0; k < blocks.headings.size(); ++k) {
    for (std::size_t e = 0; e < k; ++e) {
      if (!(blocks.headings[e].name == blocks.headings[k].name)) continue;
      hazards.warn(Source::forces_file, blocks.headings[k].line, 20, Kind::second_case_block,
                   "a second case block named " + quoted_name(blocks.headings[k].name) +
                       " (the first is at line " + std::to_string(blocks.headings[e].line) +
                       "): every step reads the first, so this one is never read; give it its own name or "
                       "remove it");
      break;
    }
  }
}

}  // namespace toval::tools::check
