#include "combine/maxesfbc.h"

#include <cmath>

#include "combine/extremes.h"

namespace toval {

void MAXESFBC(Store& s, Whole& NBAR) {
  // The combined forces are read through a const view, so that a slot no
  // term wrote reads as zero without growing its table.
  const BarForces& f = s.BL9;
  Envelope& e = s.BL10;
  const Whole NCOB = s.BL5.NCOB;

  // Largest and smallest normal force of each bar.
  for (Whole K = 1; K <= NBAR; ++K) {
    const Extremes x = extremes(NCOB, [&](Whole I) { return f.R_NORMAL(slot(I, NBAR, K)); });
    e.R_NORMAL_MAX(K, 1) = x.max;
    e.NCOBMAX(K, 1) = x.max_combination;
    e.R_NORMAL_MAX(K, 2) = x.min;
    e.NCOBMAX(K, 2) = x.min_combination;
  }

  // A slot is in bending when an end moment exceeds one tenth of its normal
  // force in magnitude. The threshold is formed from the 32-bit tenth and
  // kept in double precision for the comparison.
  const double TENTH = double{0.1f};
  for (Whole K = 1; K <= NBAR; ++K) {
    for (Whole I = 1; I <= NCOB; ++I) {
      const long POS = slot(I, NBAR, K);
      const double T = std::fabs(TENTH * double{f.R_NORMAL(POS)});
      if (std::fabs(double{f.R_FLETOR(POS, 1)}) > T || std::fabs(double{f.R_FLETOR(POS, 2)}) > T) {
        s.BL9.BESF_VM(POS) = 1;
        s.BL9.ESF_VM = 1;
      }
    }
  }
}

}  // namespace toval
