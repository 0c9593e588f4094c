// Hazards of a bar record that disagrees with the node section: its listed
// length or cosine does not fit the distance between its nodes. A mistyped
// node number moves the bar's midpoint, and with it the mirror pairs; a
// mistyped coordinate moves every bar at that node.
#pragma once

#include <set>

#include "tools/check/frame_view.h"
#include "tools/check/hazard_list.h"
#include "tools/check/run_watch.h"

namespace toval::tools::check {

// What the warnings named, so that other geometry hazards do not tell the
// same mistake again.
struct NamedGeometry {
  std::set<long> nodes, bars;
};

// A node whose bars all fit once it stands where their lengths and cosines
// put it is told at its coordinate; any other bar at its own record, with
// the node numbers that would fit it.
NamedGeometry find_bar_length_hazards(const CheckedFrame& frame, const RunWatch& watch, HazardList& hazards);

}  // namespace toval::tools::check
