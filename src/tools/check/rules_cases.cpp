#include "tools/check/rules_cases.h"

#include <set>
#include <string>

#include "input/case_name.h"
#include "input/listing_dialect.h"

namespace toval::tools::check {

void find_cases_no_action_names(const Store& s, Whole NCCAR, const ListedBlocks& blocks,
                                HazardList& hazards) {
  std::set<std::string> named, told;
  for (Whole P = 1; P <= NCCAR; ++P) named.insert(std::string(s.BL4.CCAR(P).view()));
  for (const auto& heading : blocks.headings) {
    const std::string name(heading.name.view());
    if (named.count(name) != 0 || !told.insert(name).second) continue;
    hazards.warn(Source::forces_file, heading.line, static_cast<long>(dialect::CASE_NAME_COLUMN) + 1,
                 Kind::unused_case,
                 "the case block " + quoted_name(heading.name) +
                     " is named by no action of the rules file, so its results stand in no combination");
  }
}

}  // namespace toval::tools::check
