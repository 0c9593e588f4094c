// The six sections of the report, in the order IMPRESS writes them, each
// to the report unit it is given.
#pragma once

#include "records/record_sink.h"
#include "store/store.h"

namespace toval::report {

void write_title_block(Store& s, RecordSink& out);
void write_combination_list(Store& s, RecordSink& out);
void write_displacements(Store& s, RecordSink& out, Whole NCCAR);
void write_reactions(Store& s, RecordSink& out, Whole NCCAR, Whole NRES);
// Written only when some slot carries a bending moment that counts.
void write_frame_bar_table(Store& s, RecordSink& out, Whole NBAR);
void write_truss_bar_table(Store& s, RecordSink& out, Whole NBAR);

}  // namespace toval::report
