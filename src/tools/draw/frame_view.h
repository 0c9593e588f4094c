// Where the frame lands on the page: its coordinates scaled to fit a box,
// y turned upward (the page's y grows downward).
#pragma once

#include <vector>

namespace toval::tools::draw {

struct Point {
  double x = 0.0, y = 0.0;
};

struct Extent {
  double x_min = 0.0, x_max = 0.0, y_min = 0.0, y_max = 0.0;
};

// The smallest box around the points (all zero when there are none).
Extent extent_of(const std::vector<Point>& points);

class FrameView {
 public:
  // Scales `extent` to fit a box of at most `max_width` by `max_height`; a
  // frame without width or height takes its scale from the other
  // direction, a single point gets scale 1.
  FrameView(const Extent& extent, double max_width, double max_height);

  // Puts the frame's top left corner at (left, top) of the page.
  void place(double left, double top) {
    left_ = left;
    top_ = top;
  }

  Point page(double x, double y) const;
  double scale() const { return scale_; }
  // The page box the frame occupies.
  double left() const { return left_; }
  double top() const { return top_; }
  double width() const { return width_; }
  double height() const { return height_; }

 private:
  Extent extent_;
  double scale_ = 1.0;
  double left_ = 0.0, top_ = 0.0, width_ = 0.0, height_ = 0.0;
};

}  // namespace toval::tools::draw
