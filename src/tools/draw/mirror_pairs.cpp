#include "tools/draw/mirror_pairs.h"

#include <cmath>

#include "combine/tolerance.h"

namespace toval::tools::draw {

namespace {

bool known_node(Whole node, Whole NNOS) {
  return node >= 1 && node <= NNOS;
}

// Both ends at the same height and at the same distance on either side of
// the axis, or both on the axis.
bool own_mirror(const Store& s, Whole NNOS, Whole K, Real XS) {
  const Whole a = s.BL3.NI(K), b = s.BL3.NF(K);
  if (!known_node(a, NNOS) || !known_node(b, NNOS)) return false;
  const double xa = double{s.BL2.X(a)} - XS, xb = double{s.BL2.X(b)} - XS;
  const double dy = std::fabs(double{s.BL2.Y(a)} - double{s.BL2.Y(b)});
  const double tolerance = double{DT};
  return std::fabs(xa + xb) <= tolerance &&
         (dy <= tolerance || (std::fabs(xa) <= tolerance && std::fabs(xb) <= tolerance));
}

}  // namespace

std::string pair_tag(std::size_t index) {
  const std::size_t base = PAIR_LETTERS.size();
  std::string tag;
  for (std::size_t k = index + 1; k > 0; k = (k - 1) / base)
    tag.insert(tag.begin(), PAIR_LETTERS[(k - 1) % base]);
  return tag;
}

MirrorPairs mirror_pairs(const Store& s, Whole NNOS, Whole NBAR, Real XS) {
  MirrorPairs m;
  const std::size_t bars = static_cast<std::size_t>(NBAR > 0 ? NBAR : 0);
  m.state.assign(bars, MirrorState::unpaired);
  m.pairs_of.assign(bars, {});
  for (Whole K = 1; K <= NBAR; ++K) {
    const Whole J = s.BL6.BAR_SIM(K);
    if (J > K && J <= NBAR) {
      const std::size_t index = m.pairs.size();
      m.pairs.push_back({pair_tag(index), K, J});
      m.pairs_of[static_cast<std::size_t>(K - 1)].push_back(index);
      m.pairs_of[static_cast<std::size_t>(J - 1)].push_back(index);
    }
  }
  for (Whole K = 1; K <= NBAR; ++K) {
    auto& state = m.state[static_cast<std::size_t>(K - 1)];
    if (!m.pairs_of[static_cast<std::size_t>(K - 1)].empty())
      state = MirrorState::paired;
    else if (own_mirror(s, NNOS, K, XS))
      state = MirrorState::own_mirror;
  }
  return m;
}

}  // namespace toval::tools::draw
