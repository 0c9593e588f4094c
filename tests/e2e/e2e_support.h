// Whole runs of the built program against hand-derived expectations.
//
// A case is a directory under tests/e2e/data/<case>/:
//   in/         files placed in the run's directory before the run
//   stdin       what is typed at the console
//   args        command-line arguments, one a line (optional)
//   expected/   every file the run creates or rewrites, byte for byte;
//               the files of in/ not named here must keep their bytes,
//               and no other file may appear
//   stdout      the console output, byte for byte
//   stderr      the error stream, byte for byte
//   status      the exit status
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace toval::e2e {

// Runs the case and compares everything it names; on a mismatch the
// message shows the first differing record of each compared text.
::testing::AssertionResult runs_as_expected(const std::string& case_name);

// Where two texts first differ, by record (lines ended by LF), with control
// characters made visible; empty when they are equal.
std::string first_difference(const std::string& expected, const std::string& actual);

}  // namespace toval::e2e
