#include "tools/draw/label_layout.h"

#include <cmath>

namespace toval::tools {

namespace {

// Average advance of a digit or capital of a sans-serif face, in ems,
// rounded up so that estimated boxes are never narrower than the text.
constexpr double CHAR_WIDTH = 0.62;
constexpr double ASCENT = 0.78, DESCENT = 0.22;

}  // namespace

Box text_box(double x, double baseline, std::size_t chars, double size, Anchor anchor) {
  const double width = static_cast<double>(chars) * CHAR_WIDTH * size;
  const double left = anchor == Anchor::start ? x : anchor == Anchor::middle ? x - width / 2.0 : x - width;
  return {left, baseline - ASCENT * size, left + width, baseline + DESCENT * size};
}

LabelLayout::LabelLayout(double cell_size) : cell_size_(cell_size > 0.0 ? cell_size : 1.0) {}

std::pair<long, long> LabelLayout::cell(double x, double y) const {
  return {static_cast<long>(std::floor(x / cell_size_)), static_cast<long>(std::floor(y / cell_size_))};
}

bool LabelLayout::is_free(const Box& box) const {
  const auto [c0, r0] = cell(box.left, box.top);
  const auto [c1, r1] = cell(box.right, box.bottom);
  for (long c = c0; c <= c1; ++c)
    for (long r = r0; r <= r1; ++r) {
      const auto found = cells_.find({c, r});
      if (found == cells_.end()) continue;
      for (std::size_t k : found->second)
        if (boxes_[k].overlaps(box)) return false;
    }
  return true;
}

void LabelLayout::reserve(const Box& box) {
  const std::size_t k = boxes_.size();
  boxes_.push_back(box);
  const auto [c0, r0] = cell(box.left, box.top);
  const auto [c1, r1] = cell(box.right, box.bottom);
  for (long c = c0; c <= c1; ++c)
    for (long r = r0; r <= r1; ++r) cells_[{c, r}].push_back(k);
}

bool LabelLayout::try_place(const Box& box) {
  if (!is_free(box)) return false;
  reserve(box);
  return true;
}

}  // namespace toval::tools
