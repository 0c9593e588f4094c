// A warning of the check of inputs as plain values, for a subcommand that
// shows the warnings in its own words around them.
#pragma once

#include <string>

namespace toval::tools::cli {

struct InputWarning {
  std::string file;  // as the user named it
  long line = 1;     // from 1
  long column = 1;   // from 1
  std::string text;
};

}  // namespace toval::tools::cli
