#pragma once

#include "input/listing.h"
#include "store/store.h"

namespace toval {

// The characteristic nodes NO_E, NO_C, NO_D (and NO_CE, NO_CD when no node
// lies on the axis), chosen once from the geometry.
void choose_characteristic_nodes(Store& s, Whole NNOS, Real XS);

// Chooses the characteristic nodes and reads their displacements for every case.
void DESLOC(Store& s, Listing& listing, Whole& NNOS, Real& XS, Whole& NCCAR);

}  // namespace toval
