#pragma once

#include "store/store.h"

namespace toval {

// Writes the whole report to unit 5.
void IMPRESS(Store& s, Whole& NBAR, Whole& NCCAR, Whole& NRES);

}  // namespace toval
