#include "input/ltrcg.h"

#include "store/run_error.h"

namespace toval {

// Placeholder until the step is built.
void LTRCG(Store& s, Whole& NNOS, Whole& NBAR, Whole& NCCAR) {
  (void)s;
  throw RunError("\nLTRCG is not built yet\n");
}

}  // namespace toval
