// The picture of an analysed run as one SVG 1.1 picture: the frame to scale
// with its supports, symmetry axis, mirror pairs, characteristic nodes and
// normal forces, a title block and a legend.
#pragma once

#include <string>
#include <string_view>

#include "driver/analysis.h"
#include "store/store.h"
#include "tools/cli/services.h"
#include "tools/draw/page_blocks.h"

namespace toval::tools::draw {

// The <svg> element alone, for a page that holds the picture inline. The
// run's envelopes per set, when given, tell whether the run has sets and
// hold the one that the request names.
std::string frame_svg(const Store& s, const RunCounts& counts, const DrawingSources& sources,
                      const cli::PictureRequest& request, const cli::RunEnvelopes* envelopes = nullptr);

// An XML declaration, for a standalone document.
inline constexpr std::string_view XML_DECLARATION = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The standalone document that draw writes: an XML declaration and the
// element. `combination` 0 draws the envelope; 1..NCOB draws that one;
// with units, the legend names the forces' unit.
std::string frame_drawing(const Store& s, const RunCounts& counts, const DrawingSources& sources,
                          Whole combination, Language language = Language::en,
                          const std::optional<cli::Units>& units = std::nullopt);

}  // namespace toval::tools::draw
