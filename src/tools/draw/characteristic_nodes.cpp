#include "tools/draw/characteristic_nodes.h"

#include <algorithm>

namespace toval::tools::draw {

namespace {

void add_role(std::vector<NodeMark>& marks, Whole node, const std::string& role, bool flanking) {
  auto found = std::find_if(marks.begin(), marks.end(), [&](const NodeMark& m) { return m.node == node; });
  if (found == marks.end()) {
    marks.push_back({node, role, flanking});
    return;
  }
  if (!role.empty()) found->label += found->label.empty() ? role : "/" + role;
  found->flanking = found->flanking && flanking;
}

std::string node_name(Whole node, const PictureText& t) {
  return node == 0 ? std::string(t(Word::no_node)) : t.format(Word::node_name, {std::to_string(node)});
}

}  // namespace

CharacteristicNodes characteristic_nodes(const DisplacementNodes& n, const Nodes& coordinates, Whole NNOS,
                                         const PictureText& t) {
  CharacteristicNodes c;
  const auto known = [&](Whole node) { return node >= 1 && node <= NNOS; };
  if (known(n.NO_E)) add_role(c.marks, n.NO_E, "E", false);
  if (known(n.NO_C)) add_role(c.marks, n.NO_C, "C", false);
  if (n.NO_C == 0) {
    if (known(n.NO_CE)) add_role(c.marks, n.NO_CE, "", true);
    if (known(n.NO_CD)) add_role(c.marks, n.NO_CD, "", true);
  }
  if (known(n.NO_D)) add_role(c.marks, n.NO_D, "D", false);

  std::string centre;
  if (n.NO_C != 0) {
    centre = t.format(Word::c_node, {node_name(n.NO_C, t)});
  } else if (known(n.NO_CE) && known(n.NO_CD)) {
    c.mean_point = Point{(double{coordinates.X(n.NO_CE)} + double{coordinates.X(n.NO_CD)}) / 2.0,
                         (double{coordinates.Y(n.NO_CE)} + double{coordinates.Y(n.NO_CD)}) / 2.0};
    centre = t.format(Word::c_mean, {std::to_string(n.NO_CE), std::to_string(n.NO_CD)});
  } else {
    // With one flanking line empty the report halves the other node's
    // values: there is no point of the frame to mark.
    const Whole only = known(n.NO_CE) ? n.NO_CE : n.NO_CD;
    centre = only == 0 ? std::string(t(Word::c_none)) : t.format(Word::c_half, {std::to_string(only)});
  }
  c.description = t.format(Word::characteristic_line, {node_name(n.NO_E, t), centre, node_name(n.NO_D, t)});
  return c;
}

}  // namespace toval::tools::draw
