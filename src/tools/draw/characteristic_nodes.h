// The characteristic nodes of the displacement step as the picture marks
// them: E, C and D, or, when no node lies on the axis, the two flanking
// nodes whose mean the report gives for C.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/store.h"
#include "tools/draw/frame_view.h"
#include "tools/draw/picture_text.h"

namespace toval::tools::draw {

struct NodeMark {
  Whole node = 0;
  std::string label;  // "E", "C", "D", "E/D", ...; empty for a flanking node
  bool flanking = false;
};

struct CharacteristicNodes {
  std::vector<NodeMark> marks;  // one per node, roles joined
  // When NO_C is 0 and both flanking nodes exist: the mean point, in the
  // frame's coordinates.
  std::optional<Point> mean_point;
  std::string description;  // for the legend
};

CharacteristicNodes characteristic_nodes(const DisplacementNodes& nodes, const Nodes& coordinates, Whole NNOS,
                                         const PictureText& t = PictureText());

}  // namespace toval::tools::draw
