// What the draw room offers the other subcommands: the picture of a loaded
// run, to stand inline in their pages.
#pragma once

#include <string>

#include "tools/cli/loaded_run.h"
#include "tools/cli/services.h"

namespace toval::tools {

std::string frame_picture(const LoadedRun& run, const PictureRequest& request);

}  // namespace toval::tools
