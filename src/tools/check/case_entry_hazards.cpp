#include "tools/check/case_entry_hazards.h"

#include <string>

#include "tools/check/combination_hazards.h"
#include "tools/cli/combined_results.h"

namespace toval::tools::check {

namespace {

bool has_block(const ListedBlocks& blocks, const Name<4>& name) {
  for (const ListedHeading& h : blocks.headings)
    if (h.name == name) return true;
  return false;
}

}  // namespace

void find_case_entry_hazards(const Store& s, const RunWatch& watch, const ListedBlocks& blocks,
                             HazardList& hazards) {
  const Whole entries = case_entries_read(s, watch);
  const auto& lines = watch.case_entry_lines();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const long line = lines[k].line;
    const Whole K = static_cast<Whole>(lines[k].entry);
    if (K < 1 || K > entries) continue;
    const std::string entry = "the entry of case " + quoted_name(s.BL4.CCAR(K)) + " (line " +
                              std::to_string(s.lines.case_line(K)) + ")";
    const Name<4> name = Name<4>::of(watch.marker_columns(line));
    if (name == "FIME") {
      // Without combinations a second "FIME" follows the one that ends the case list.
      const bool no_combinations = k + 1 < lines.size() && lines[k + 1].line == line + 1 &&
                                   Name<4>::of(watch.marker_columns(line + 1)) == "FIME";
      hazards.warn(
          Source::combination_file, line, 1, Kind::case_entry,
          entry + " passes over this \"FIME\", which would end the case list: " +
              (no_combinations ? "the file gives no combinations, so the entry runs on to the end of the "
                                 "file and the run stops there"
                               : "the case list runs on into the combinations, whose lines are read as "
                                 "cases") +
              "; a \"FIMC\" is probably missing before this line");
      if (no_combinations) ++k;
      continue;
    }
    if (name == Name<4>::blank() || cli::case_position(s, entries, name) != 0 || !has_block(blocks, name))
      continue;
    hazards.warn(Source::combination_file, line, 1, Kind::case_entry,
                 entry + " passes over this line, whose columns 1-4 name the case block " +
                     quoted_name(name) + " of the forces file: case " + quoted_name(name) +
                     " is not in the case list, so its displacements and reactions are not reported; a "
                     "\"FIMC\" is probably missing before this line");
  }
}

}  // namespace toval::tools::check
