// Hazards of the frame's geometry as the run took it: bars that a rounded
// length or cosine keeps from their mirror bar, and characteristic nodes
// that are supports.
#pragma once

#include <set>

#include "driver/analysis.h"
#include "store/store.h"
#include "tools/check/hazard_list.h"
#include "tools/check/run_watch.h"

namespace toval::tools::check {

// How much wider than the run's own the tolerance is when looking for bars
// that nearly mirror each other.
constexpr Real NEAR_MIRROR_FACTOR = 10.0f;

// Over the node and bar tables once both sections are read, for a frame
// whose every node has its mirror node: then a pair missed by a hair comes
// from a bar's own length or cosine. Bars in `told` are left alone.
void find_near_mirror_bars(const Store& s, const RunCounts& counts, const RunWatch& watch,
                           const std::set<long>& told, HazardList& hazards);

// Over the characteristic nodes once they are chosen: a support where the
// frame is expected to move (at the top of an edge line that holds other
// nodes, or on the axis above the level where the frame stands).
void find_support_nodes(const Store& s, const RunCounts& counts, const RunWatch& watch, HazardList& hazards);

}  // namespace toval::tools::check
