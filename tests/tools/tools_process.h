// Running the built toval-tools as a user would, in a directory of one's
// choosing, with its standard output sent to a file of one's choosing.
#pragma once

#include <string>
#include <vector>

#include "support/test_support.h"

namespace toval::testing {

// Runs toval-tools in `dir` with `arguments` and an empty standard input
// (the Windows build under wine when the tests are set to it, see
// windows_build()). When
// `stdout_path` is given the output goes there and `out` stays empty.
RunResult run_tools(const std::string& dir, const std::vector<std::string>& arguments,
                    const std::string& stdout_path = "");

// The example frame's two input files copied into `dir`.
void copy_example(const TempDir& dir);

// Names in a directory, sorted (to see that no temporary file is left).
std::vector<std::string> directory_names(const std::string& dir);

}  // namespace toval::testing
