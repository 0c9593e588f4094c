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
    const std::string entry = quoted_name(s.BL4.CCAR(K)), entry_line = std::to_string(s.lines.case_line(K));
    const Name<4> name = Name<4>::of(watch.marker_columns(line));
    if (name == "FIME") {
      // Without combinations a second "FIME" follows the one that ends the case list.
      const bool no_combinations = k + 1 < lines.size() && lines[k + 1].line == line + 1 &&
                                   Name<4>::of(watch.marker_columns(line + 1)) == "FIME";
      hazards.warn(
          Source::combination_file, line, 1, Kind::case_entry,
          {{no_combinations ? Text::entry_over_fime_alone : Text::entry_over_fime_before_combinations,
            {entry, entry_line}}});
      if (no_combinations) ++k;
      continue;
    }
    if (name == Name<4>::blank() || cli::case_position(s, entries, name) != 0 || !has_block(blocks, name))
      continue;
    hazards.warn(Source::combination_file, line, 1, Kind::case_entry,
                 {{Text::entry_over_block, {entry, entry_line, quoted_name(name)}}});
  }
}

}  // namespace toval::tools::check
