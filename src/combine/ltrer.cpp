#include "combine/ltrer.h"

#include "store/run_error.h"

namespace toval {

// Placeholder until the step is built.
void LTRER(Store& s, Whole& NNOS, Whole& NBAR, Whole& I, Whole& J) {
  (void)s, (void)NNOS;
  throw RunError("\nLTRER is not built yet\n");
}

}  // namespace toval
