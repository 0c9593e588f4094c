// Mistakes in the combination file that the reading rules take without a
// message: a decimal comma in a multiplier, blank or repeated case names, a
// term without a case name or with a case the list does not hold, and a
// listed case that no combination uses.
#pragma once

#include "input/case_name.h"
#include "store/store.h"
#include "tools/check/hazard_list.h"
#include "tools/check/run_watch.h"

namespace toval::tools::check {

// Over what the combination file's reader has stored, as far as it got:
// the case list once its entries are read, the terms once the whole file is.
void find_combination_hazards(const Store& s, const RunWatch& watch, HazardList& hazards);

// Case entries of the case list the reader has begun and the store holds
// (the count of a complete list, or as far as a failed run got).
Whole case_entries_read(const Store& s, const RunWatch& watch);

}  // namespace toval::tools::check
