// The steps of a run that compute, over units already open: everything but
// the dialogue and the report. Both programs run their results through here.
#pragma once

#include "input/listing.h"
#include "records/run_error.h"
#include "records/run_files.h"
#include "store/store.h"

namespace toval {

// The counts and the axis that the driver holds and passes to the steps.
struct RunCounts {
  Whole NNOS = 0, NBAR = 0, NCCAR = 0, NRES = 0;
  Real XS = 0.0f;
};

// The store's starting state, then LTRCG, SIMETRIA, DESLOC, LTRER for every
// term, MAXESFBC and REACOES for every case, in that order. The listing
// reads the forces file, unit 4 of `files`.
void analyse(Store& s, RunFiles& files, Listing& listing, RunCounts& counts);

// The fault as the run reports it: one that follows a node or bar section
// that ended early at a record holding more than its number names that
// record, since it is most likely its doing.
RunError explained(const RunError& e, const Listing& listing);

// The store's starting state before the first step.
void prepare_store(Store& s);

}  // namespace toval
