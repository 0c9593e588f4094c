#pragma once

#include "store/store.h"

namespace toval {

// Finds the symmetry axis XS, pairs mirror bars in BAR_SIM and shows the axis.
void SIMETRIA(Store& s, Whole& NNOS, Whole& NBAR, Real& XS);

}  // namespace toval
