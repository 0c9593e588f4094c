// The steps that read case blocks written plainly, as the run is described:
// every pass rewinds the forces file and scans it from the top for the
// block's heading, then counts its records, holding nothing between passes.
// Only tests and fuzzing use it, to compare runs through the listing with.
#pragma once

#include "records/run_files.h"
#include "store/store.h"

namespace toval::reference {

void DESLOC(Store& s, InputUnit& unit4, Whole& NNOS, Real& XS, Whole& NCCAR);
void LTRER(Store& s, InputUnit& unit4, Whole& NNOS, Whole& NBAR, Whole& I, Whole& J);
void REACOES(Store& s, InputUnit& unit4, Whole& NNOS, Whole& I, Whole& NRES);

// A whole run over open units with these steps in place of the listing's.
void run_steps(Store& s, RunFiles& files);

}  // namespace toval::reference
