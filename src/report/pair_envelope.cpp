#include "report/pair_envelope.h"

namespace toval {

PairEnvelope pair_envelope(const Store& s, Whole K, Whole J) {
  const auto& e = s.BL10;
  PairEnvelope x{e.NCOBMAX(K, 1), K, e.R_NORMAL_MAX(K, 1), e.NCOBMAX(K, 2), K, e.R_NORMAL_MAX(K, 2)};
  if (J == 0) return x;
  if (e.R_NORMAL_MAX(J, 1) > x.ESF1) {
    x.C1 = e.NCOBMAX(J, 1);
    x.B1 = J;
    x.ESF1 = e.R_NORMAL_MAX(J, 1);
  }
  if (e.R_NORMAL_MAX(J, 2) < x.ESF2) {
    x.C2 = e.NCOBMAX(J, 2);
    x.B2 = J;
    x.ESF2 = e.R_NORMAL_MAX(J, 2);
  }
  return x;
}

}  // namespace toval
