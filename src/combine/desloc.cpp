#include "combine/desloc.h"

#include "store/run_error.h"

namespace toval {

// Placeholder until the step is built.
void DESLOC(Store& s, Whole& NNOS, Real& XS, Whole& NCCAR) {
  (void)s, (void)NNOS;
  throw RunError("\nDESLOC is not built yet\n");
}

}  // namespace toval
