#pragma once

#include "records/record_sink.h"
#include "store/store.h"

namespace toval {

// Finds the symmetry axis XS, pairs mirror bars in BAR_SIM and shows the
// axis on the console.
void SIMETRIA(Store& s, RecordSink& console, Whole& NNOS, Whole& NBAR, Real& XS);

// The axis and the pairing without the console line, under a tolerance of
// one's choosing: SIMETRIA uses DT; the check of inputs tries a wider one
// to find bars that a rounded coordinate kept apart, on tables of its own.
void pair_mirror_bars(const Nodes& n, const Bars& b, Table<Whole>& BAR_SIM, Whole NNOS, Whole NBAR, Real& XS,
                      Real DT);

}  // namespace toval
