#include "tools/draw/picture.h"

#include "tools/draw/frame_drawing.h"

namespace toval::tools {

std::string frame_picture(const LoadedRun& run, const PictureRequest& request) {
  return frame_svg(run.store(), run.counts(), {run.combination_file(), run.forces_file()}, request);
}

}  // namespace toval::tools
