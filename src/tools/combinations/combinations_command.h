// `toval-tools combinations`: the combination file generated from the
// design rules, not typed by hand.
#pragma once

#include "tools/cli/command.h"

namespace toval::tools::combinations {

cli::Command combinations_command();

}  // namespace toval::tools::combinations
