// The picture of an analysed run as one standalone SVG 1.1 document: the
// frame to scale with its supports, symmetry axis, mirror pairs,
// characteristic nodes and normal forces, a title block and a legend.
#pragma once

#include <string>

#include "driver/analysis.h"
#include "store/store.h"
#include "tools/draw/page_blocks.h"

namespace toval::tools {

// `combination` 0 draws the envelope; 1..NCOB draws that combination.
std::string frame_drawing(const Store& s, const RunCounts& counts, const DrawingSources& sources,
                          Whole combination);

}  // namespace toval::tools
