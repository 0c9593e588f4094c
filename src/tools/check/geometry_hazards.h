// Hazards of the frame's geometry as the run took it: bars that a rounded
// coordinate keeps from their mirror bar, and characteristic nodes that are
// supports.
#pragma once

#include "driver/analysis.h"
#include "store/store.h"
#include "tools/check/hazard_list.h"
#include "tools/check/run_watch.h"

namespace toval::tools {

// How much wider than the run's own the tolerance is when looking for bars
// that nearly mirror each other.
constexpr Real NEAR_MIRROR_FACTOR = 10.0f;

// Over the node and bar tables once both sections are read.
void find_near_mirror_bars(const Store& s, const RunCounts& counts, const RunWatch& watch, HazardList& hazards);

// Over the characteristic nodes once they are chosen: a support where the
// frame is expected to move (at the top of an edge line that holds other
// nodes, or on an axis without a free node).
void find_support_nodes(const Store& s, const RunCounts& counts, const RunWatch& watch, HazardList& hazards);

}  // namespace toval::tools
