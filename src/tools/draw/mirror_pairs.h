// The mirror pairs of the symmetry step as the picture names them, and the
// bars that have no mirror bar. A bar whose ends mirror each other about
// the axis (a tie centred on it, a post standing on it) is its own mirror:
// nothing is missing there, so it is not flagged with the unpaired bars.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/store.h"

namespace toval::tools::draw {

// The letters of the pair tags: C, D and E are the marks of the
// characteristic nodes, so no tag holds them.
constexpr std::string_view PAIR_LETTERS = "ABFGHIJKLMNOPQRSTUVWXYZ";

struct MirrorPair {
  std::string tag;  // "A", "B", "F", ..., "Z", "AA", "AB", "AF", ...
  Whole lower = 0, upper = 0;
};

enum class MirrorState { paired, own_mirror, unpaired };

struct MirrorPairs {
  std::vector<MirrorPair> pairs;                   // in the order of their lower bar
  std::vector<MirrorState> state;                  // by bar, index K - 1
  std::vector<std::vector<std::size_t>> pairs_of;  // by bar: indices into pairs
};

// The tag of the pair numbered `index` from 0: the tags in order of length,
// then alphabetically.
std::string pair_tag(std::size_t index);

// From BAR_SIM after the symmetry step: pair (K, BAR_SIM(K)) for every K
// below its mirror bar; a mirror bar that two bars name is in both pairs.
MirrorPairs mirror_pairs(const Store& s, Whole NNOS, Whole NBAR, Real XS);

}  // namespace toval::tools::draw
