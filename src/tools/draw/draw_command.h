// `toval-tools draw`: an SVG picture of the frame and its results.
#pragma once

#include "tools/cli/command.h"

namespace toval::tools::draw {

cli::Command draw_command();

}  // namespace toval::tools::draw
