// Labels of a crowded frame would be printed over each other; this keeps
// the page boxes of the labels already placed and refuses a new label that
// would overlap one of them. Boxes are filed in a grid of square cells, so
// a test looks only at the few boxes near the new one.
#pragma once

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

namespace toval::tools {

struct Box {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  bool overlaps(const Box& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
};

// The page box of a text of `chars` characters at font size `size`,
// anchored at (x, baseline) by its start, middle or end.
enum class Anchor { start, middle, end };
Box text_box(double x, double baseline, std::size_t chars, double size, Anchor anchor);

class LabelLayout {
 public:
  explicit LabelLayout(double cell_size);

  // True when the box overlaps no box placed so far.
  bool is_free(const Box& box) const;
  // Files the box whether or not it overlaps (labels that must be shown).
  void reserve(const Box& box);
  // Files the box and returns true when it is free; false leaves it out.
  bool try_place(const Box& box);

 private:
  std::pair<long, long> cell(double x, double y) const;

  double cell_size_;
  std::vector<Box> boxes_;
  std::map<std::pair<long, long>, std::vector<std::size_t>> cells_;
};

}  // namespace toval::tools
