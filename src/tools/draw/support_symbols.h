// Support symbols drawn from a node's three restraint codes (x, y,
// rotation; a code other than 0 restrains that freedom), in the forms an
// engineer reads at a glance: fixed, pinned, roller, guided.
#pragma once

#include <string>
#include <string_view>

#include "store/types.h"
#include "tools/draw/frame_view.h"
#include "tools/draw/picture_text.h"

namespace toval::tools::draw {

enum class SupportKind {
  free,           // nothing restrained: no symbol
  fixed,          // x, y and rotation
  pinned,         // x and y
  roller,         // y only: rolls along x
  side_roller,    // x only: rolls along y
  guided,         // y and rotation: slides along x
  side_guided,    // x and rotation: slides along y
  rotation_only,  // rotation only
};

SupportKind support_kind(Whole r1, Whole r2, Whole r3);

// The legend's words for a kind.
Word support_name(SupportKind kind);

// The SVG group of the symbol at the node's page point. `size` is the
// symbol's height; symbols that act along x are drawn on the side of the
// node given by `on_left`.
std::string support_symbol(SupportKind kind, Point node, double size, bool on_left);

}  // namespace toval::tools::draw
