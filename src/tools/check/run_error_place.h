// The run-ending fault as one line of the check's list: the place that the
// fault's fields name, and its description.
#pragma once

#include <string>

#include "records/run_error.h"
#include "tools/check/hazard_list.h"

namespace toval::tools::check {

struct ErrorPlace {
  Source source = Source::forces_file;
  long line = 1, column = 1;
  std::vector<Phrase> text;
};

// The place is the line of the combination file that asked for what was
// missing when there is one, else the line (and first column of the field)
// in the file it was reading, else line 1 of that file. A fault of
// arithmetic comes from the forces file's values.
ErrorPlace error_place(const RunError& error, const std::string& combination_file);

}  // namespace toval::tools::check
