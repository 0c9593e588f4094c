// The frame itself on the page: axis, bars in their force styles, nodes,
// supports, the characteristic nodes and the labels, thinned where they
// would collide.
#pragma once

#include <string>

#include "tools/draw/frame_content.h"
#include "tools/draw/frame_view.h"

namespace toval::tools::draw {

// Sizes that follow from how crowded the frame is on the page.
struct FrameScale {
  double font = 12.0;  // node and bar numbers
  double node_radius = 3.0;
  double support_size = 16.0;
  double thinnest = 1.5, widest = 7.0;  // bar stroke widths
};

// Numbers shrink with the typical bar length on the page, down to a size
// still readable: 7 px on a screen, or `smallest` when the picture is
// printed at a scale that needs more.
FrameScale frame_scale(const FrameContent& c, const FrameView& view, double smallest = 7.0);

// The SVG of the frame; `axis_top` and `axis_bottom` bound the axis line.
std::string frame_layer(const FrameContent& c, const FrameView& view, const FrameScale& scale,
                        double axis_top, double axis_bottom);

// The hover text of bar K.
std::string bar_hover_text(const FrameContent& c, Whole K);

}  // namespace toval::tools::draw
