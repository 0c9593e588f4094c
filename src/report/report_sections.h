// The six sections of the report, in the order IMPRESS writes them.
#pragma once

#include "store/store.h"

namespace toval::report {

void write_title_block(Store& s);
void write_combination_list(Store& s);
void write_displacements(Store& s, Whole NCCAR);
void write_reactions(Store& s, Whole NCCAR, Whole NRES);
// Written only when some slot carries a bending moment that counts.
void write_frame_bar_table(Store& s, Whole NBAR);
void write_truss_bar_table(Store& s, Whole NBAR);

}  // namespace toval::report
