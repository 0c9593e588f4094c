// The combination file: the second half of LTRCG.
#pragma once

#include <string>

#include "records/input_unit.h"
#include "records/run_error.h"
#include "store/store.h"

namespace toval {

// From the top of the combination file: the three titles, the case list and
// the combinations; a file that gives no combinations makes every case a
// combination of its own with multiplier 1.0. Sets NCCAR, and NCOB, NCASO,
// MULT, CASO, CCAR, PRJT, CLIT, PORT in the store, and the file's name
// for the messages that name an entry of it.
void read_combination_file(Store& s, InputUnit& unit3, Whole& NCCAR);

// Who asks for a case block, as a message about a missing block names it:
// case I of the case list, or term J of combination I, with its line in
// the combination file and what looks wrong with the name it gives.
Asker case_list_asker(const Store& s, Whole I);
Asker term_asker(const Store& s, Whole I, Whole J);

}  // namespace toval
