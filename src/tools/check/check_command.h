// `toval-tools check`: the mistakes in the two input files that change the
// numbers of a report without any message.
#pragma once

#include "tools/cli/command.h"

namespace toval::tools::check {

cli::Command check_command();

}  // namespace toval::tools::check
