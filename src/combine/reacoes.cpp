#include "combine/reacoes.h"

#include "store/run_error.h"

namespace toval {

// Placeholder until the step is built.
void REACOES(Store& s, Whole& NNOS, Whole& I, Whole& NRES) {
  (void)s, (void)NNOS;
  throw RunError("\nREACOES is not built yet\n");
}

}  // namespace toval
