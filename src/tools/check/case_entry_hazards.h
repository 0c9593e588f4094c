// A case entry of the combination file that runs on over the name of
// another case: its "FIMC" is missing, so the next case is passed over as
// part of it and is never listed, or the list runs on past its "FIME".
#pragma once

#include "store/store.h"
#include "tools/check/hazard_list.h"
#include "tools/check/listed_blocks.h"
#include "tools/check/run_watch.h"

namespace toval::tools::check {

void find_case_entry_hazards(const Store& s, const RunWatch& watch, const ListedBlocks& blocks,
                             HazardList& hazards);

}  // namespace toval::tools::check
