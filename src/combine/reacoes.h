#pragma once

#include "input/listing.h"
#include "store/store.h"

namespace toval {

// Reads the reactions of the supported nodes for case I; sets NRES.
void REACOES(Store& s, Listing& listing, Whole& NNOS, Whole& I, Whole& NRES);

}  // namespace toval
