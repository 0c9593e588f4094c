// Hazards of a frame that is symmetric but for one node: a coordinate typed
// a little off moves the axis (the mean abscissa of all nodes) or leaves a
// node without its mirror node, and mirror pairs go missing without a
// message.
#pragma once

#include "driver/analysis.h"
#include "store/store.h"
#include "tools/check/bar_lengths.h"
#include "tools/check/frame_view.h"
#include "tools/check/hazard_list.h"
#include "tools/check/run_watch.h"

namespace toval::tools::check {

// A node moved by less than this share of the frame's width, by one digit,
// to where its bars' listed lengths put it, is a slip rather than the design.
constexpr double NEAR_SYMMETRY_SHARE = 0.05;

// Told at the node record, with the coordinate that would make every node
// mirror another and more bars pair; nodes in `named` are left alone, and
// the node told is added.
void find_near_symmetry(const Store& s, const RunCounts& counts, const CheckedFrame& frame,
                        const RunWatch& watch, NamedGeometry& named, HazardList& hazards);

}  // namespace toval::tools::check
