// The check of inputs: both files read as a run reads them, with every
// hazard it meets listed, and no report written.
#pragma once

#include <string>
#include <vector>

#include "tools/check/hazard_list.h"
#include "tools/cli/services.h"

namespace toval::tools::check {

struct CheckOutcome {
  HazardList findings;
  int status = 0;  // 0 nothing found, 1 something found
};

// A rules file (see cli::combination_input) stands for the combinations it
// gives, through `services`.
CheckOutcome check_inputs(const std::string& combination_file, const std::string& forces_file,
                          const cli::Services& services = cli::Services{});

// The same check over a run opened with LoadedRun::Deferred and not yet
// run: runs it watched and gives its warnings in `language` (and the fault
// that ended it), leaving its results to the caller.
cli::WatchedRun watched_run(cli::LoadedRun& run, cli::Language language);

// The same check over a run opened with LoadedRun::Deferred and not yet
// run: runs it watched and gives its warnings in `language` (and the fault
// that ended it), leaving its results to the caller.
cli::WatchedRun watched_run(cli::LoadedRun& run, cli::Language language);

}  // namespace toval::tools::check
