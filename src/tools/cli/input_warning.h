// A warning of the check of inputs as plain values, for a subcommand that
// shows the warnings in its own words around them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/run_error.h"

namespace toval::tools::cli {

struct InputWarning {
  std::string file;  // as the user named it
  long line = 1;     // from 1
  long column = 1;   // from 1
  std::string text;
};

// What the check of inputs gives of a run it watched: the warnings, and the
// fault that ended the run when one did.
struct WatchedRun {
  std::vector<InputWarning> warnings;
  std::optional<RunError> fault;
};

}  // namespace toval::tools::cli
