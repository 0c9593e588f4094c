#include "combine/simetria.h"

#include "store/run_error.h"

namespace toval {

// Placeholder until the step is built.
void SIMETRIA(Store& s, Whole& NNOS, Whole& NBAR, Real& XS) {
  (void)s, (void)NNOS;
  throw RunError("\nSIMETRIA is not built yet\n");
}

}  // namespace toval
