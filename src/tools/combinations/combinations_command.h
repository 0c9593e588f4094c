// `toval-tools combinations`: the combination file generated from the
// design rules, not typed by hand.
#pragma once

#include <string>

#include "tools/cli/command.h"
#include "tools/cli/loaded_run.h"

namespace toval::tools::combinations {

cli::Command combinations_command();

// The one combination file that `combinations RULES_FILE` writes (every
// combination, in Portuguese), with the units the rules state, for
// subcommands that take a rules file in place of a combination file.
// Faulty rules end the run as they end `combinations`.
cli::CombinationInput rules_combinations(const std::string& rules_file);

}  // namespace toval::tools::combinations
