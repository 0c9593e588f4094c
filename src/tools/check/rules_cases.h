// With a rules file in place of a combination file: the case blocks of the
// forces file that no action of the rules names. Their results stand in no
// combination, which is worth a look (a case the rules name and the
// listing lacks already ends the run).
#pragma once

#include "store/store.h"
#include "tools/check/hazard_list.h"
#include "tools/check/listed_blocks.h"

namespace toval::tools::check {

void find_cases_no_action_names(const Store& s, Whole NCCAR, const ListedBlocks& blocks, HazardList& hazards);

}  // namespace toval::tools::check
