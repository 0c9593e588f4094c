// The check of inputs: both files read as a run reads them, with every
// hazard it meets listed, and no report written.
#pragma once

#include <string>
#include <vector>

#include "tools/check/hazard_list.h"

namespace toval::tools::check {

struct CheckOutcome {
  HazardList findings;
  int status = 0;  // 0 nothing found, 1 something found
};

CheckOutcome check_inputs(const std::string& combination_file, const std::string& forces_file);

}  // namespace toval::tools::check
