#pragma once

#include "store/store.h"

namespace toval {

// Finds the symmetry axis XS, pairs mirror bars in BAR_SIM and shows the axis.
void SIMETRIA(Store& s, Whole& NNOS, Whole& NBAR, Real& XS);

// The axis and the pairing without the console line, under a tolerance of
// one's choosing: SIMETRIA uses DT; the check of inputs tries a wider one
// to find bars that a rounded coordinate kept apart.
void pair_mirror_bars(Store& s, Whole NNOS, Whole NBAR, Real& XS, Real DT);

}  // namespace toval
