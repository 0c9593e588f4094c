#pragma once

#include "input/listing.h"
#include "store/store.h"

namespace toval {

// A node with any non-zero restraint code is a support.
inline bool is_support(const Nodes& n, Whole K) {
  return n.R1(K) != 0 || n.R2(K) != 0 || n.R3(K) != 0;
}

// Reads the reactions of the supported nodes for case I; sets NRES.
void REACOES(Store& s, Listing& listing, Whole& NNOS, Whole& I, Whole& NRES);

}  // namespace toval
