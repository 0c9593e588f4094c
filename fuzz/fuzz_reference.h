// The field and record rules written a second time, plainly and without the
// production code's shortcuts, so that the fuzz targets can compare the two.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/layout.h"
#include "records/record_io.h"
#include "store/types.h"

namespace toval::fuzz {

// Widths and decimals that a fuzzed layout may use. A local build may narrow
// them (-DTOVAL_FUZZ_MAX_WIDTH=...) to search on past a known fault.
#ifndef TOVAL_FUZZ_MAX_WIDTH
#define TOVAL_FUZZ_MAX_WIDTH 255
#endif
#ifndef TOVAL_FUZZ_MAX_DECIMALS
#define TOVAL_FUZZ_MAX_DECIMALS 255
#endif
constexpr int MAX_WIDTH = TOVAL_FUZZ_MAX_WIDTH;
constexpr int MAX_DECIMALS = TOVAL_FUZZ_MAX_DECIMALS;

// Prints what went wrong and the input that shows it, then aborts.
[[noreturn]] void fail(const char* what, std::string_view detail);

struct RefRecord {
  std::string text;  // the record's data as the reader holds it
  long line = 0;
};
// The records of a file: lines ended by LF, data up to the first CR.
std::vector<RefRecord> reference_records(std::string_view file);

struct RefValue {
  Item::Kind kind;
  Whole whole = 0;
  Real real = 0.0f;
  std::string chars;
};
// Reads one record with a layout; true when a numeric field cannot be read
// (the values up to it are in `values`).
bool reference_read(const std::vector<Item>& layout, const std::vector<std::size_t>& name_lengths,
                    std::string_view record, std::vector<RefValue>& values);

// The records a write gives, each with whether it is ended.
std::vector<std::pair<std::string, bool>> reference_write(const std::vector<Item>& layout,
                                                          const std::vector<Value>& values);

// The text of Fw.d output before right alignment (no overflow applied).
std::string reference_real_text(Real value, int decimals);

// format_real against the reference, and the reference against the value.
void check_format_real(Real value, int width, int decimals);

}  // namespace toval::fuzz

namespace toval::fuzz {

// What the combination file gives under its grammar, or that it ends the run.
struct RefCombinationFile {
  bool ends_run = false;
  std::string titles[3];                                                // 40 characters each
  std::vector<std::string> cases;                                       // 4 characters each
  std::vector<std::vector<std::pair<Real, std::string>>> combinations;  // terms: multiplier, case
};
RefCombinationFile reference_combination_file(std::string_view file);

// A run-ending message: one message of two lines, as main prints it.
bool is_run_error_message(std::string_view message);

}  // namespace toval::fuzz
