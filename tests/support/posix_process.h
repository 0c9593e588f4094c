// Starting a program and waiting for it, for the tests that run the built
// programs. POSIX only: the test programs are built and run on the build
// machine, also when the programs under test are the Windows build (run
// through wine), so nothing here needs a Windows form.
#pragma once

#include <string>
#include <vector>

namespace toval::testing::posix {

// Runs `argv` (argv[0] looked up in PATH) in directory `dir`, its standard
// input, output and error connected to the three files; no shell is
// involved, so arguments need no quoting. Returns the exit status, or -1
// when the program could not be started or ended by a signal.
int run_process(const std::string& dir, const std::vector<std::string>& argv, const std::string& in_file,
                const std::string& out_file, const std::string& err_file);

// A device that refuses every write ("/dev/full"), for the tests of write
// failures; empty on a system that has none.
std::string full_device();

// A new, empty directory under the system's temporary directory.
std::string make_temp_dir();

}  // namespace toval::testing::posix
