// The combination file: the second half of LTRCG.
#pragma once

#include "store/store.h"

namespace toval {

// From the top of the combination file: the three titles, the case list and
// the combinations; a file that gives no combinations makes every case a
// combination of its own with multiplier 1.0. Sets NCCAR, and NCOB, NCASO,
// MULT, CASO, CCAR, PRJT, CLIT, PORT in the store.
void read_combination_file(Store& s, Whole& NCCAR);

}  // namespace toval
