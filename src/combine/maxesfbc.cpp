#include "combine/maxesfbc.h"

#include "store/run_error.h"

namespace toval {

// Placeholder until the step is built.
void MAXESFBC(Store& s, Whole& NBAR) {
  (void)s;
  throw RunError("\nMAXESFBC is not built yet\n");
}

}  // namespace toval
