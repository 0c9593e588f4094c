#include "report/impress.h"

#include "store/run_error.h"

namespace toval {

// Placeholder until the step is built.
void IMPRESS(Store& s, Whole& NBAR, Whole& NCCAR, Whole& NRES) {
  (void)s;
  throw RunError("\nIMPRESS is not built yet\n");
}

}  // namespace toval
