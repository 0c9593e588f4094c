// Hazards of the forces file's case blocks: records numbered otherwise than
// their position, and a second block under a name already seen.
#pragma once

#include "tools/check/hazard_list.h"
#include "tools/check/listed_blocks.h"

namespace toval::tools::check {

void find_listing_hazards(const ListedBlocks& blocks, HazardList& hazards);

}  // namespace toval::tools::check
