#pragma once

#include "store/store.h"

namespace toval {

// Reads the reactions of the supported nodes for case I; sets NRES.
void REACOES(Store& s, Whole& NNOS, Whole& I, Whole& NRES);

}  // namespace toval
