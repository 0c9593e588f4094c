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

}  // namespace toval::tools::cli
