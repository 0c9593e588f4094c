// The frame as the run stored it, in plain numbers, with the two tests that
// the geometry hazards share: whether a bar's listed length and cosine fit
// its nodes, and which nodes have no mirror node about an axis.
#pragma once

#include <string>
#include <vector>

#include "driver/analysis.h"
#include "store/store.h"

namespace toval::tools::check {

struct FramePoint {
  double x = 0, y = 0;
};

struct FrameBar {
  long ni = 0, nf = 0, prop = 0;  // nodes by position, as the run indexes them
  double length = 0, cosine = 0;  // as listed
};

struct CheckedFrame {
  std::vector<FramePoint> nodes;           // node k at k - 1
  std::vector<FrameBar> bars;              // bar k at k - 1
  std::vector<std::vector<long>> bars_at;  // the bars (from 1) that meet at node k, at k - 1

  // Node k's coordinates as the run takes them: those of a node past the
  // node section are the cleared table's zeros.
  FramePoint node(long k) const {
    return k >= 1 && static_cast<std::size_t>(k) <= nodes.size() ? nodes[static_cast<std::size_t>(k - 1)]
                                                                 : FramePoint{};
  }
  const FrameBar& bar(long k) const { return bars[static_cast<std::size_t>(k - 1)]; }
};

CheckedFrame frame_view(const Store& s, const RunCounts& counts);

// A bar from `a` to `b` fits a listed length when the two differ by no more
// than a relative 1e-3 of the distance or DT, whichever is larger, and a
// listed cosine when its magnitude is that of the nodes' within what the
// listing's rounding of coordinates leaves.
bool length_fits(FramePoint a, FramePoint b, double length);
bool cosine_fits(FramePoint a, FramePoint b, double cosine, bool with_sign);
inline bool bar_fits(const CheckedFrame& f, FramePoint a, FramePoint b, const FrameBar& bar) {
  (void)f;  // listings differ in the cosine's sign; its magnitude is what the run uses
  return length_fits(a, b, bar.length) && cosine_fits(a, b, bar.cosine, false);
}

// Nodes (from 1) with no node at their mirror place about the vertical line
// x = axis (within DT in both coordinates; a node on the line mirrors
// itself), at most `limit` of them.
std::vector<long> unmatched_nodes(const CheckedFrame& f, double axis, std::size_t limit);

// A coordinate or length as a reader writes it: 16, 15.01, -0.5.
std::string coordinate_text(double v);

// Where the listing's node and bar records give what the geometry warnings
// point at: the first column (from 1) of each field, from the layouts.
struct GeometryColumns {
  long x, y;                              // of the node record
  long initial_node, final_node, length;  // of the bar record
};
GeometryColumns geometry_columns();

// Digits after the point as the listing writes a value to three decimals.
int listed_decimals(double v);

}  // namespace toval::tools::check
