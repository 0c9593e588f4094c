#include "tools/draw/frame_view.h"

#include <algorithm>

namespace toval::tools::draw {

Extent extent_of(const std::vector<Point>& points) {
  Extent e;
  if (points.empty()) return e;
  e.x_min = e.x_max = points.front().x;
  e.y_min = e.y_max = points.front().y;
  for (const Point& p : points) {
    e.x_min = std::min(e.x_min, p.x);
    e.x_max = std::max(e.x_max, p.x);
    e.y_min = std::min(e.y_min, p.y);
    e.y_max = std::max(e.y_max, p.y);
  }
  return e;
}

FrameView::FrameView(const Extent& extent, double max_width, double max_height) : extent_(extent) {
  const double dx = extent.x_max - extent.x_min;
  const double dy = extent.y_max - extent.y_min;
  if (dx > 0.0 && dy > 0.0)
    scale_ = std::min(max_width / dx, max_height / dy);
  else if (dx > 0.0)
    scale_ = max_width / dx;
  else if (dy > 0.0)
    scale_ = max_height / dy;
  width_ = dx * scale_;
  height_ = dy * scale_;
}

Point FrameView::page(double x, double y) const {
  return {left_ + (x - extent_.x_min) * scale_, top_ + (extent_.y_max - y) * scale_};
}

}  // namespace toval::tools::draw
