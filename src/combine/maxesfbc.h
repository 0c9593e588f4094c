#pragma once

#include "store/store.h"

namespace toval {

// Forms the normal-force envelope of every bar and flags the slots in bending.
void MAXESFBC(Store& s, Whole& NBAR);

}  // namespace toval
