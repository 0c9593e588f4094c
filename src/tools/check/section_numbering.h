// Hazards of the node and bar sections' own numbers: the run takes node K
// and bar K by position, so a record out of order, a gap or a repeat moves
// every number that follows without a message.
#pragma once

#include "tools/check/hazard_list.h"
#include "tools/check/record_shifts.h"
#include "tools/check/run_watch.h"

namespace toval::tools::check {

// One warning per section, at its first record whose number is not its
// position; none in a section whose line too many or too few was told.
void find_section_numbering(const RunWatch& watch, const ShiftsTold& shifts, HazardList& hazards);

}  // namespace toval::tools::check
