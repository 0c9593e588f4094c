// The capacity error: an input that would not fit a table of the store ends
// the run before anything is stored past the table.
#pragma once

#include <string_view>

#include "records/input_unit.h"

namespace toval {

// Ends the run unless count <= capacity. `what` names the table in words
// ("node records", "supported nodes"); the message gives the line of the
// record that would not fit: by default the record just read.
void check_capacity(const InputUnit& unit, long count, long capacity, std::string_view what, long line = 0);

}  // namespace toval
