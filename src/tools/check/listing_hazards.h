// Hazards of the forces file's case blocks: records numbered otherwise than
// their position, and a second block under a name already seen.
#pragma once

#include "tools/check/hazard_list.h"
#include "tools/check/listed_blocks.h"
#include "tools/check/record_shifts.h"

namespace toval::tools::check {

// Blocks whose records a shift has moved are told there, not again here.
void find_listing_hazards(const ListedBlocks& blocks, const ShiftsTold& shifts, HazardList& hazards);

}  // namespace toval::tools::check
