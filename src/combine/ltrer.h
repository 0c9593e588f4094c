#pragma once

#include "input/listing.h"
#include "store/store.h"

namespace toval {

// Adds term J of combination I into the combination's bar forces.
void LTRER(Store& s, Listing& listing, Whole& NNOS, Whole& NBAR, Whole& I, Whole& J);

}  // namespace toval
