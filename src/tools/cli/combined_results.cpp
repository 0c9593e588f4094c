#include "tools/cli/combined_results.h"

#include <algorithm>

namespace toval::tools::cli {

Whole case_position(const Store& s, Whole NCCAR, const Name<4>& name) {
  for (Whole P = 1; P <= NCCAR; ++P)
    if (s.BL4.CCAR(P) == name) return P;
  return 0;
}

std::vector<Name<4>> missing_cases(const Store& s, Whole NCCAR, Whole I) {
  std::vector<Name<4>> missing;
  for (Whole J = 1, N = s.BL5.NCASO(I); J <= N; ++J) {
    const Name<4>& name = s.BL5.CASO(I, J);
    if (case_position(s, NCCAR, name) == 0 &&
        std::find(missing.begin(), missing.end(), name) == missing.end())
      missing.push_back(name);
  }
  return missing;
}

namespace {

// The extremes over the combinations of one end's shear or moment.
std::array<Extremes, 2> end_extremes(const Store& s, Whole NBAR, Whole K, const Table2<Real>& table) {
  std::array<Extremes, 2> ends;
  for (long end = 1; end <= 2; ++end)
    ends[static_cast<std::size_t>(end - 1)] =
        extremes(s.BL5.NCOB, [&](Whole I) { return table(slot(I, NBAR, K), end); });
  return ends;
}

}  // namespace

BarForceEnvelope bar_force_envelope(const Store& s, Whole NBAR, Whole K) {
  const Envelope& e = s.BL10;
  return {{e.R_NORMAL_MAX(K, 1), e.R_NORMAL_MAX(K, 2), e.NCOBMAX(K, 1), e.NCOBMAX(K, 2)},
          end_extremes(s, NBAR, K, s.BL9.R_CORTTE),
          end_extremes(s, NBAR, K, s.BL9.R_FLETOR)};
}

}  // namespace toval::tools::cli
