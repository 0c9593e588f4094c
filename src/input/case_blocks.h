// Finding one's place in the case blocks of the forces file.
#pragma once

#include "store/layout.h"
#include "store/store.h"

namespace toval {

constexpr std::string_view CASE_HEADING = "     CARREGAMENTO: ";
constexpr std::string_view RESULTANTS_HEADING = "     RESULTANTES NODAIS";

// Displacement and nodal resultant record.
constexpr Item NODE_VALUES_RECORD[] = {I(8), F(22, 0), F(25, 0), F(25, 0)};
// End-force record of a bar group.
constexpr Item END_FORCE_RECORD[] = {I(9), I(13), F(18, 0), F(21, 0), F(19, 0)};

// Block search: leaves the forces file just after the heading of the first
// case block named `name` (the next record read is record 1 of the block).
void block_search(Store& s, const Name<4>& name);

// Resultants search, right after the block search for `name`: leaves the
// forces file just after the next "     RESULTANTES NODAIS" record.
void resultants_search(Store& s, const Name<4>& name);

// Both searches behave as if they read the forces file from the top every
// time, but they remember, for the case names that the store can ask for,
// where the first block of each name and its resultants heading stand; they
// learn it by reading the file on from where the last search stopped, so the
// file is read through once. The readers' passes over a block are remembered
// too (store/read_memo.h). Switched off, every search rescans and every
// record is read from the file (the tests compare the two ways).
void remember_case_blocks(bool on);

}  // namespace toval
