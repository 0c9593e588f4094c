#pragma once

#include "store/store.h"

namespace toval {

// Chooses the characteristic nodes and reads their displacements for every case.
void DESLOC(Store& s, Whole& NNOS, Real& XS, Whole& NCCAR);

}  // namespace toval
