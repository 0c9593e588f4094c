#pragma once

#include "records/record_sink.h"
#include "store/store.h"

namespace toval {

// Writes the whole report to unit 5.
void IMPRESS(const Store& s, RecordSink& unit5, Whole& NBAR, Whole& NCCAR, Whole& NRES);

}  // namespace toval
