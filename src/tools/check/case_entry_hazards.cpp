#include "tools/check/case_entry_hazards.h"

#include <string>

#include "tools/check/combination_hazards.h"
#include "tools/cli/combined_results.h"

namespace toval::tools {

namespace {

bool has_block(const ListedBlocks& blocks, const Name<4>& name) {
  for (const ListedHeading& h : blocks.headings)
    if (h.name == name) return true;
  return false;
}

}  // namespace

void find_case_entry_hazards(const Store& s, const RunWatch& watch, const ListedBlocks& blocks,
                             HazardList& hazards) {
  const Whole entries = case_entries_read(watch);
  for (Whole K = 1; K <= entries; ++K) {
    const long first = s.lines.case_line(K), end = s.lines.case_end_line(K);
    if (end == 0) continue;  // the entry was not read to its end
    for (long line = first + 1; line < end; ++line) {
      const Name<4> name = Name<4>::of(watch.marker_columns(line));
      if (name == "FIME") {
        hazards.warn(Source::combination_file, line, 1,
                     "the entry of case " + quoted_name(s.BL4.CCAR(K)) + " (line " + std::to_string(first) +
                         ") passes over this \"FIME\", which would end the case list: the case list runs on "
                         "into the combinations, whose lines are read as cases; a \"FIMC\" is probably missing "
                         "before this line");
        continue;
      }
      if (name == Name<4>::blank() || case_position(s, entries, name) != 0 || !has_block(blocks, name)) continue;
      hazards.warn(Source::combination_file, line, 1,
                   "the entry of case " + quoted_name(s.BL4.CCAR(K)) + " (line " + std::to_string(first) +
                       ") passes over this line, whose columns 1-4 name the case block " + quoted_name(name) +
                       " of the forces file: case " + quoted_name(name) +
                       " is not in the case list, so its displacements and reactions are not reported; a "
                       "\"FIMC\" is probably missing before this line");
    }
  }
}

}  // namespace toval::tools
