#include "tools/draw/frame_content.h"

#include <algorithm>

namespace toval::tools::draw {

FrameContent frame_content(const Store& s, const RunCounts& counts, Whole combination, Language language,
                           const cli::SetEnvelope* set) {
  FrameContent c{s,
                 counts,
                 combination,
                 combination == 0 ? set : nullptr,
                 false,
                 {},
                 {},
                 {},
                 {},
                 {},
                 {},
                 0.0,
                 {},
                 {},
                 PictureText(language),
                 {}};
  const Whole NNOS = counts.NNOS, NBAR = counts.NBAR;
  for (Whole k = 1; k <= NNOS; ++k) {
    c.nodes.push_back({double{s.BL2.X(k)}, double{s.BL2.Y(k)}});
    c.supports.push_back(support_kind(s.BL2.R1(k), s.BL2.R2(k), s.BL2.R3(k)));
  }
  // A bar may name a node beyond the listing's nodes; the steps then used
  // a node the listing never gave, which the picture cannot place.
  for (Whole k = 1; k <= NBAR; ++k) {
    const Whole a = s.BL3.NI(k), b = s.BL3.NF(k);
    c.drawable.push_back(a >= 1 && a <= NNOS && b >= 1 && b <= NNOS);
  }
  c.forces = c.set ? set_bar_forces(s, NBAR, *c.set) : bar_forces(s, NBAR, combination);
  c.mirrors = mirror_pairs(s, NNOS, NBAR, counts.XS);
  c.characteristic = characteristic_nodes(s.BL7, s.BL2, NNOS, c.text);
  c.largest = largest_magnitude(c.forces);
  return c;
}

std::string bending_place(const FrameContent& c) {
  return c.combination != 0 ? c.text.format(Word::in_combination, {std::to_string(c.combination)})
         : c.set            ? std::string(c.text(Word::in_some_combination_of_set))
                            : std::string(c.text(Word::in_some_combination));
}

std::string set_envelope_line(const FrameContent& c) {
  constexpr Word NAMES[] = {Word::uls_set, Word::sls_characteristic_set, Word::sls_frequent_set,
                            Word::sls_quasi_permanent_set};
  const std::string every = std::to_string(c.s.BL5.NCOB);
  if (!c.set) return c.text.format(Word::forces_envelope_every_set, {every});
  return c.text.format(Word::forces_envelope_of_set,
                       {c.text(NAMES[static_cast<int>(c.set->set)]), cli::set_key(c.set->set),
                        std::to_string(c.set->combinations.size()), every});
}

Extent frame_extent(const FrameContent& c) {
  std::vector<Point> points = c.nodes;
  if (!points.empty()) points.push_back({double{c.counts.XS}, points.front().y});
  return extent_of(points);
}

}  // namespace toval::tools::draw
