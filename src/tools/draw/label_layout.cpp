#include "tools/draw/label_layout.h"

#include <cmath>

namespace toval::tools::draw {

namespace {

// Advances in ems, regular and bold, of the widest common sans-serif face;
// an oblique face advances as its upright one.
constexpr double CAPITALS[26][2] = {
    {0.684, 0.774}, {0.686, 0.762}, {0.698, 0.734}, {0.770, 0.830}, {0.632, 0.683}, {0.575, 0.683},
    {0.775, 0.821}, {0.752, 0.837}, {0.295, 0.372}, {0.295, 0.372}, {0.656, 0.775}, {0.557, 0.637},
    {0.863, 0.995}, {0.748, 0.837}, {0.787, 0.850}, {0.603, 0.733}, {0.787, 0.850}, {0.695, 0.770},
    {0.635, 0.720}, {0.611, 0.682}, {0.732, 0.812}, {0.684, 0.774}, {0.989, 1.103}, {0.685, 0.771},
    {0.611, 0.724}, {0.685, 0.725}};
constexpr double DIGIT[2] = {0.637, 0.696};
constexpr double NARROW[2] = {0.318, 0.380};  // space, full stop, comma
constexpr double OTHER[2] = {0.640, 0.720};   // small letters and signs, taken wide
constexpr double WIDE[2] = {1.000, 1.000};    // a character beyond ASCII
constexpr double ASCENT = 0.78, DESCENT = 0.22;

double advance(unsigned char c, bool bold) {
  const int w = bold ? 1 : 0;
  if (c >= 'A' && c <= 'Z') return CAPITALS[c - 'A'][w];
  if (c >= '0' && c <= '9') return DIGIT[w];
  if (c == ' ' || c == '.' || c == ',') return NARROW[w];
  if (c >= 0x80) return (c & 0xC0) == 0x80 ? 0.0 : WIDE[w];  // one per UTF-8 sequence
  return OTHER[w];
}

}  // namespace

double text_width(std::string_view text, double size, bool bold) {
  double ems = 0.0;
  for (char c : text) ems += advance(static_cast<unsigned char>(c), bold);
  return ems * size;
}

Box text_box(double x, double baseline, std::string_view text, double size, Anchor anchor, bool bold) {
  const double width = text_width(text, size, bold);
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

}  // namespace toval::tools::draw
