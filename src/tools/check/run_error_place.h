// The run-ending fault as one line of the check's list: the place that the
// message of toval names, and its description.
#pragma once

#include <string>

#include "tools/check/hazard_list.h"

namespace toval::tools {

struct ErrorPlace {
  Source source = Source::forces_file;
  long line = 1, column = 1;
  std::string text;
};

// From the whole text of a RunError. The place is the line of the
// combination file that asked for what was missing when the message names
// one, else the line (and first column) the message gives in the file it
// was reading, else line 1 of that file. A fault of arithmetic comes from
// the forces file's values.
ErrorPlace error_place(const std::string& message, const std::string& combination_file,
                       const std::string& forces_file);

}  // namespace toval::tools
