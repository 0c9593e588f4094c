#include "tools/draw/support_symbols.h"

#include "tools/draw/svg_text.h"

namespace toval::tools::draw {

namespace {

// Symbols are drawn in a frame whose origin is the node and whose +y points
// into the ground; a rotation turns them for supports that act along x.
struct Pen {
  std::string out;
  void line(double x1, double y1, double x2, double y2) {
    out += "<line x1=\"" + svg_number(x1) + "\" y1=\"" + svg_number(y1) + "\" x2=\"" + svg_number(x2) +
           "\" y2=\"" + svg_number(y2) + "\"/>";
  }
  void circle(double cx, double cy, double r) {
    out +=
        "<circle cx=\"" + svg_number(cx) + "\" cy=\"" + svg_number(cy) + "\" r=\"" + svg_number(r) + "\"/>";
  }
  void triangle(double s) {
    out +=
        "<path d=\"M0 0L" + svg_number(-0.6 * s) + ' ' + svg_number(s) + 'H' + svg_number(0.6 * s) + "Z\"/>";
  }
  void rect(double x, double y, double w, double h, bool solid = false) {
    out += "<rect x=\"" + svg_number(x) + "\" y=\"" + svg_number(y) + "\" width=\"" + svg_number(w) +
           "\" height=\"" + svg_number(h) + "\"" + (solid ? " fill=\"#000000\"" : "") + "/>";
  }
  // The ground: a line at depth `d` with short hatches under it.
  void ground(double d, double half) {
    line(-half, d, half, d);
    const double h = half / 2.5;
    for (int k = 0; k < 5; ++k) {
      const double x = -half + h / 2.0 + k * (2.0 * half - h / 2.0) / 4.0;
      line(x, d, x - h, d + h);
    }
  }
};

}  // namespace

SupportKind support_kind(Whole r1, Whole r2, Whole r3) {
  const bool x = r1 != 0, y = r2 != 0, r = r3 != 0;
  if (x && y) return r ? SupportKind::fixed : SupportKind::pinned;
  if (y) return r ? SupportKind::guided : SupportKind::roller;
  if (x) return r ? SupportKind::side_guided : SupportKind::side_roller;
  return r ? SupportKind::rotation_only : SupportKind::free;
}

Word support_name(SupportKind kind) {
  switch (kind) {
    case SupportKind::fixed:
      return Word::fixed;
    case SupportKind::pinned:
      return Word::pinned;
    case SupportKind::roller:
      return Word::roller_x;
    case SupportKind::side_roller:
      return Word::roller_y;
    case SupportKind::guided:
      return Word::guided_x;
    case SupportKind::side_guided:
      return Word::guided_y;
    case SupportKind::rotation_only:
      return Word::rotation_only;
    case SupportKind::free:
      break;
  }
  return Word::free;
}

std::string support_symbol(SupportKind kind, Point node, double s, bool on_left) {
  if (kind == SupportKind::free) return {};
  const bool sideways = kind == SupportKind::side_roller || kind == SupportKind::side_guided;
  Pen p;
  const double r = s / 8.0;
  switch (kind) {
    case SupportKind::fixed:
      p.rect(-0.7 * s, 0.0, 1.4 * s, 0.15 * s, true);
      p.ground(0.15 * s, 0.7 * s);
      break;
    case SupportKind::pinned:
      p.triangle(0.8 * s);
      p.ground(0.8 * s, 0.7 * s);
      break;
    case SupportKind::roller:
    case SupportKind::side_roller:
      p.triangle(0.65 * s);
      p.circle(-0.3 * s, 0.65 * s + r, r);
      p.circle(0.3 * s, 0.65 * s + r, r);
      p.ground(0.65 * s + 2.0 * r, 0.7 * s);
      break;
    case SupportKind::guided:
    case SupportKind::side_guided:
      p.rect(-0.6 * s, 0.0, 1.2 * s, 0.12 * s, true);
      p.circle(-0.3 * s, 0.12 * s + r, r);
      p.circle(0.3 * s, 0.12 * s + r, r);
      p.ground(0.12 * s + 2.0 * r, 0.7 * s);
      break;
    case SupportKind::rotation_only:
      p.rect(-0.3 * s, -0.3 * s, 0.6 * s, 0.6 * s);
      break;
    case SupportKind::free:
      break;
  }
  // rotate(90) turns the ground's +y to the page's -x (left of the node).
  std::string transform = "translate(" + svg_number(node.x) + ' ' + svg_number(node.y) + ')';
  if (sideways) transform += on_left ? " rotate(90)" : " rotate(-90)";
  return "<g class=\"support\" transform=\"" + transform + "\">" + p.out + "</g>\n";
}

}  // namespace toval::tools::draw
