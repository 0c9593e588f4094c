// Reading a record of a file that does not change during the run gives the
// same values every time, and the forces file is read in many passes. So
// where each record read or skipped ends, and what reading it with a layout
// gave, is kept by its line; reading or skipping the same record again takes
// what was kept and moves past the record without the file being read. The
// table has a fixed size: a record that is not in it is simply read. Only
// reads that succeeded are kept, so every error is met as before.
#pragma once

#include <span>

#include "store/input_unit.h"
#include "store/layout.h"
#include "store/record_io.h"

namespace toval {

// The values kept for the record at the unit's position read with `layout`
// into targets of these kinds: fills the targets, moves the unit past the
// record as the read would, and returns true. False when nothing is kept.
bool recall_read(InputUnit& unit, Layout layout, std::span<const Target> targets);
// Keeps what the read of the record from `start` to the unit's position gave.
void keep_read(const InputUnit& unit, const InputUnit::Position& start, Layout layout,
               std::span<const Target> targets);

// Moves past the record at the unit's position when its end is kept.
bool recall_skip(InputUnit& unit);
// Keeps where the record from `start` to the unit's position ends.
void keep_skip(const InputUnit& unit, const InputUnit::Position& start);

// On by default; off, every read and skip looks at the file (the tests
// compare the two ways).
void remember_reads(bool on);

}  // namespace toval
