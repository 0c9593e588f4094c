// `toval-tools diff`: what changed between two revisions of a frame.
#pragma once

#include "tools/cli/command.h"

namespace toval::tools {

Command diff_command();

}  // namespace toval::tools
