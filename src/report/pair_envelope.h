// The normal-force envelope of a bar taken together with its mirror bar: the
// largest and smallest of the two bars' extremes, with the combination and
// the bar that give each. The truss-bar table prints it; the export lists it.
#pragma once

#include "store/store.h"

namespace toval {

struct PairEnvelope {
  Whole C1 = 0, B1 = 0;  // combination and bar of the largest normal force
  Real ESF1 = 0.0f;
  Whole C2 = 0, B2 = 0;  // combination and bar of the smallest
  Real ESF2 = 0.0f;
};

// Starts from bar K; the mirror bar J (0 when none) wins only when strictly
// beyond it, so a tie keeps bar K.
PairEnvelope pair_envelope(const Store& s, Whole K, Whole J);

}  // namespace toval
