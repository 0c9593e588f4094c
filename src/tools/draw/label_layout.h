// Labels of a crowded frame would be printed over each other; this keeps
// the page boxes of the labels already placed and refuses a new label that
// would overlap one of them. Boxes are filed in a grid of square cells, so
// a test looks only at the few boxes near the new one.
#pragma once

#include <cstddef>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace toval::tools::draw {

struct Box {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  bool overlaps(const Box& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  // The box grown by `margin` on every side.
  Box grown(double margin) const { return {left - margin, top - margin, right + margin, bottom + margin}; }
};

// The width of a text at font size `size`, as the widest of the common
// sans-serif faces draws it, so that an estimated box is never narrower
// than the text a browser or renderer shows.
double text_width(std::string_view text, double size, bool bold = false);

// The page box of a text at font size `size`, anchored at (x, baseline) by
// its start, middle or end.
enum class Anchor { start, middle, end };
Box text_box(double x, double baseline, std::string_view text, double size, Anchor anchor, bool bold = false);

class LabelLayout {
 public:
  explicit LabelLayout(double cell_size);

  // True when the box overlaps no box placed so far.
  bool is_free(const Box& box) const;
  // Files the box whether or not it overlaps (what a label must keep off).
  void reserve(const Box& box);
  // Files the box and returns true when it is free; false leaves it out.
  bool try_place(const Box& box);

 private:
  std::pair<long, long> cell(double x, double y) const;

  double cell_size_;
  std::vector<Box> boxes_;
  std::map<std::pair<long, long>, std::vector<std::size_t>> cells_;
};

}  // namespace toval::tools::draw
