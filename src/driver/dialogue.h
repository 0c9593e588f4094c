// The console dialogue that names the two input files.
#pragma once

#include <span>
#include <string>

#include "records/console.h"
#include "records/input_unit.h"
#include "records/values.h"

namespace toval {

// Command-line arguments not yet used by the blank-name fallback.
struct Arguments {
  std::span<char* const> list;
  std::size_t next = 0;
};

// Asks for the file of `unit_number` with `prompt` until `unit` opens it.
// `typed` gets the name as typed (A20); blank when the fallback named the file.
void ask_for_file(Console& console, int unit_number, std::string_view prompt, Name<20>& typed,
                  InputUnit& unit, Arguments& args);

}  // namespace toval
