#include "tools/draw/picture.h"

#include "tools/draw/frame_drawing.h"

namespace toval::tools::draw {

std::string frame_picture(const cli::LoadedRun& run, const cli::PictureRequest& request) {
  return frame_svg(run.store(), run.counts(), {run.combination_file(), run.forces_file()}, request,
                   &run.envelopes());
}

std::string picture_document(const cli::LoadedRun& run, const cli::PictureRequest& request) {
  return std::string(XML_DECLARATION) + frame_picture(run, request);
}

}  // namespace toval::tools::draw
