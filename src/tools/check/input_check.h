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

}  // namespace toval::tools::check
