// What the draw room offers the other subcommands: the picture of a loaded
// run, to stand inline in their pages.
#pragma once

#include <string>

#include "tools/cli/loaded_run.h"
#include "tools/cli/services.h"

namespace toval::tools::draw {

std::string frame_picture(const cli::LoadedRun& run, const cli::PictureRequest& request);

// The same as a standalone document, as draw writes it.
std::string picture_document(const cli::LoadedRun& run, const cli::PictureRequest& request);

}  // namespace toval::tools::draw
