// The six sections of the report, in the order IMPRESS writes them, each
// to the report unit it is given.
#pragma once

#include "records/record_sink.h"
#include "store/store.h"

namespace toval::report {

void write_title_block(const Store& s, RecordSink& out);
void write_combination_list(const Store& s, RecordSink& out);
void write_displacements(const Store& s, RecordSink& out, Whole NCCAR);
void write_reactions(const Store& s, RecordSink& out, Whole NCCAR, Whole NRES);
// Written only when some slot carries a bending moment that counts.
void write_frame_bar_table(const Store& s, RecordSink& out, Whole NBAR);
void write_truss_bar_table(const Store& s, RecordSink& out, Whole NBAR);

}  // namespace toval::report
