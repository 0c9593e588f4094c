// A fault of the rules, in the form compilers use: "R.toml:13:9: error: TEXT",
// or "R.toml: error: TEXT" where no line belongs to it. Ends the run with
// exit status 1 and nothing written.
#pragma once

#include <string>

#include "records/run_error.h"

namespace toval::tools::combinations {

// `place` is the file, or the file, line and column.
[[nodiscard]] RunError rules_error(const std::string& place, const std::string& text);

}  // namespace toval::tools::combinations
