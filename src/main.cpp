// toval: combines the load cases of a plane-frame analysis and writes the
// report. A run-ending error is printed here, once, with exit status 1.
#include <cstdio>

#include "driver/run.h"
#include "records/platform.h"
#include "records/run_error.h"
#include "records/run_files.h"

int main(int argc, char** argv) {
  toval::Store store(toval::TOVAL_CAPACITIES);  // the run's tables
  toval::RunFiles files;                        // its console and units
  toval::platform::binary_console();
  try {
    int status =
        toval::run_toval(store, files, {argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)});
    // A console that could not take the output is a failure, never a success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
      files.console.write_error(
          toval::file_error(toval::ReadFault::write, "CONSOLE", "the standard output cannot be written")
              .what());
      return 1;
    }
    return status;
  } catch (const toval::RunError& error) {
    std::fflush(stdout);
    files.console.write_error(error.what());
    return 1;
  }
}
