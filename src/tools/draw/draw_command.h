// `toval-tools draw`: an SVG picture of the frame and its results.
#pragma once

#include "tools/cli/command.h"

namespace toval::tools {

Command draw_command();

}  // namespace toval::tools
