// Values of a combination formed from the per-case tables: the reactions and
// displacements that the run holds case by case, summed term by term with
// the multipliers, in the system's own arithmetic.
#pragma once

#include <array>
#include <vector>

#include "combine/extremes.h"
#include "combine/term_sum.h"
#include "store/store.h"

namespace toval::tools::cli {

// Position of a case name in the case list: the first case with exactly
// that name, blanks included; 0 when the list has none.
Whole case_position(const Store& s, Whole NCCAR, const Name<4>& name);

// The case names of combination I's terms that the case list lacks, each
// once, in term order. A combination with any has no combined reactions or
// displacements.
std::vector<Name<4>> missing_cases(const Store& s, Whole NCCAR, Whole I);

// Sum over the terms J of combination I of MULT(I,J) times `value(P)`, P the
// case of term J, each term added as every combined value is. Only for a
// combination without missing cases.
template <class ValueOf>
Real combined_value(const Store& s, Whole NCCAR, Whole I, ValueOf value) {
  Real sum = 0.0f;
  for (Whole J = 1, N = s.BL5.NCASO(I); J <= N; ++J)
    add_term(sum, s.BL5.MULT(I, J), value(case_position(s, NCCAR, s.BL5.CASO(I, J))));
  return sum;
}

// The envelope of bar K over the combinations: the normal force's as the
// run holds it, and the shear's and the moment's at the start and at the end
// of the bar by the same rule (`extremes`).
struct BarForceEnvelope {
  Extremes N;
  std::array<Extremes, 2> V, M;  // at the start and at the end
};
BarForceEnvelope bar_force_envelope(const Store& s, Whole NBAR, Whole K);

}  // namespace toval::tools::cli
