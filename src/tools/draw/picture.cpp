#include "tools/draw/picture.h"

#include "tools/draw/frame_drawing.h"

namespace toval::tools::draw {

std::string frame_picture(const cli::LoadedRun& run, const cli::PictureRequest& request) {
  return frame_svg(run.store(), run.counts(), {run.combination_file(), run.forces_file()}, request);
}

}  // namespace toval::tools::draw
