// The export's tables as one workbook (.xlsx): a sheet per table, named as
// the table, with the CSV table's columns and rows; the header row frozen.
// Rows are written as they are formed, so memory stays flat.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tools/cli/loaded_run.h"
#include "tools/cli/units.h"

namespace toval::tools::export_ {

// The rows of a sheet, its header row included.
inline constexpr std::uint32_t SHEET_ROWS = 1048576;

// A text as a cell holds it: the characters XML cannot carry (controls
// other than tab and line feed; a carriage return, which a reader would
// turn into a line feed; NUL, which would end the text) as _xHHHH_, and an
// underscore that would begin such a sequence as _x005F_, the escapes that
// spreadsheets read back.
std::string cell_text(std::string_view text);

// The name of part `part` (from 1) of a table's sheets: the table's name,
// then " (2)", " (3)" ... from the second on; the table's name is cut so
// that the whole stays within a sheet name's 31 characters.
std::string sheet_name(std::string_view table, int part);

// Where and how a workbook is written.
struct WorkbookTarget {
  std::string file;                       // the file the library writes
  std::string shown_name;                 // the name a failure gives
  std::optional<std::int64_t> created;    // its stated creation, seconds since 1970; none: now
  std::uint32_t sheet_rows = SHEET_ROWS;  // fewer in tests
  std::optional<cli::Units> units;        // named in the header rows; none without them
};

// Writes the tables `tables` of the run into the new workbook
// `target.file`. A table longer than a sheet goes on in sheets named
// "NAME (2)", "NAME (3)" ..., each with the header row again. A failure
// leaves as a RunError naming `target.shown_name`.
void write_workbook(cli::LoadedRun& run, std::span<const std::string_view> tables,
                    const WorkbookTarget& target);

}  // namespace toval::tools::export_
