// The rows of a large folded table, carried packed in the page and unfolded
// by the page's own script when the table is opened: a frame of thousands
// of bars and hundreds of combinations would otherwise make a page of
// hundreds of megabytes. Unfolded, the rows are those the plain table has,
// cell for cell: the same header cells, marks, data-value texts and shown
// texts (tests hold the script to the program's own texts).
//
// The packed bytes, little-endian, in parts compressed one after another
// (packed_bytes.h):
//   first part: u32 rows R, u32 columns C, u32 groups G, u32 row where each
//      group starts, then
//   u8 per cell, row by row: bits 0-1 the kind (0 a whole number, 1 a real,
//      2 the same value and text as the cell `high` columns to the left),
//      bit 2 the extreme's mark, bits 3-7 `high` (a real: its decimals)
//   the whole numbers as int32, then the reals' shortest digits as uint32,
//      each array as its four byte planes (lowest bytes first), a part
//      each: they compress far better than the numbers side by side
//   per real one byte: bit 7 the sign, bits 0-6 n + 64, where the value
//      is 0.digits x 10^n
#pragma once

#include <string>

namespace toval::tools::report {

// The script that unfolds every packed table of the page (written once,
// after the last of them).
std::string unfold_script();

}  // namespace toval::tools::report
