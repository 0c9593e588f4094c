// `toval-tools diff`: what changed between two revisions of a frame.
#pragma once

#include "tools/cli/command.h"

namespace toval::tools::diff {

cli::Command diff_command();

}  // namespace toval::tools::diff
