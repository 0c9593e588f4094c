#include "tools/draw/frame_content.h"

#include <algorithm>

namespace toval::tools::draw {

FrameContent frame_content(const Store& s, const RunCounts& counts, Whole combination,
                           const cli::SetEnvelope* set) {
  FrameContent c{s,   counts, combination, combination == 0 ? set : nullptr, false, {}, {}, {}, {}, {}, {},
                 0.0, {},     {}};
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
  c.characteristic = characteristic_nodes(s.BL7, s.BL2, NNOS);
  c.largest = largest_magnitude(c.forces);
  return c;
}

std::string set_envelope_line(const FrameContent& c) {
  constexpr std::string_view NAMES[] = {"ultimate set", "characteristic serviceability set",
                                        "frequent serviceability set", "quasi-permanent serviceability set"};
  const std::string every = std::to_string(c.s.BL5.NCOB);
  if (!c.set)
    return "normal force: governing extreme of the envelope over all combinations (" + every +
           "), of every set together";
  return "normal force: governing extreme of the envelope of the " +
         std::string(NAMES[static_cast<int>(c.set->set)]) + " (" + std::string(cli::set_key(c.set->set)) +
         "), " + std::to_string(c.set->combinations.size()) + " of " + every + " combinations";
}

std::string envelope_bending_words(const FrameContent& c) {
  return c.set ? "in some combination of the set" : "in some combination";
}

Extent frame_extent(const FrameContent& c) {
  std::vector<Point> points = c.nodes;
  if (!points.empty()) points.push_back({double{c.counts.XS}, points.front().y});
  return extent_of(points);
}

}  // namespace toval::tools::draw
