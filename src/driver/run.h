#pragma once

#include <span>

#include "driver/toval_capacities.h"
#include "records/run_files.h"
#include "store/store.h"

namespace toval {

// One whole run: the dialogue, the steps in their order, the closes and the
// end message. Returns the exit status of a normal run; a run-ending error
// leaves as a RunError.
int run_toval(Store& s, RunFiles& files, std::span<char* const> arguments);

// The steps of a run over units already open: the store's starting state,
// then every step in its order, ending with the whole report on unit 5.
void run_steps(Store& s, RunFiles& files);

}  // namespace toval
