#include "tools/draw/frame_layer.h"

#include <algorithm>
#include <cmath>

#include "tools/cli/markup_text.h"
#include "tools/draw/label_layout.h"
#include "tools/draw/svg_text.h"

namespace toval::tools::draw {

namespace {

constexpr std::string_view AXIS_COLOUR = "#333333";
constexpr std::string_view MARK_COLOUR = "#00796b";
constexpr std::string_view PAIR_COLOUR = "#6a3d9a";
constexpr std::string_view WARNING_COLOUR = "#ff9800";
constexpr double ASCENT_EM = 0.78, DESCENT_EM = 0.22;  // as the label boxes assume

std::string line(Point a, Point b) {
  return "x1=\"" + svg_number(a.x) + "\" y1=\"" + svg_number(a.y) + "\" x2=\"" + svg_number(b.x) +
         "\" y2=\"" + svg_number(b.y) + "\"";
}

std::string text_element(std::string_view cls, double x, double baseline, double size, Anchor anchor,
                         const std::string& text, std::string_view extra = {}) {
  const char* a = anchor == Anchor::start ? "start" : anchor == Anchor::middle ? "middle" : "end";
  std::string out = "<text class=\"" + std::string(cls) + "\" x=\"" + svg_number(x) + "\" y=\"" +
                    svg_number(baseline) + "\" font-size=\"" + svg_number(size) + "\"";
  if (anchor != Anchor::start) out += std::string(" text-anchor=\"") + a + "\"";
  if (!extra.empty()) out += " " + std::string(extra);
  return out + ">" + cli::markup_text(text) + "</text>\n";
}

struct Candidate {
  double x, baseline;
  Anchor anchor;
};

// The candidates of a label in rings, the nearest ring first.
using Rings = std::vector<std::vector<Candidate>>;

// How far a label keeps from every other label, in ems: rendering differs
// by a fraction of a pixel from face to face.
constexpr double LABEL_GAP_EM = 0.06;
// How far a bar's label stands out from the bar's stroke, and each further
// ring beyond the first, in ems.
constexpr double BAR_GAP_EM = 0.2, RING_STEP_EM = 0.9;
constexpr int BAR_RINGS = 3, NODE_RINGS = 3, MARK_RINGS = 8;
// Where along a bar its labels may stand: the middle first, then towards
// the ends.
constexpr double ALONG[] = {0.5, 0.35, 0.65, 0.2, 0.8};

struct Label {
  std::string cls, text, extra;
  double size = 0.0;
  bool bold = false;
  Rings rings;
};

// The baseline that centres a text of font size `size` vertically on y.
double centred_baseline(double y, double size) {
  return y + (ASCENT_EM - DESCENT_EM) / 2.0 * size;
}

// A bar on the page: its ends, midpoint and unit normal.
struct PageBar {
  Point a, b, mid, normal;
};

PageBar page_bar(const FrameContent& c, const FrameView& view, Whole K) {
  PageBar p;
  const Point fa = c.node(c.s.BL3.NI(K)), fb = c.node(c.s.BL3.NF(K));
  p.a = view.page(fa.x, fa.y);
  p.b = view.page(fb.x, fb.y);
  p.mid = {(p.a.x + p.b.x) / 2.0, (p.a.y + p.b.y) / 2.0};
  const double dx = p.b.x - p.a.x, dy = p.b.y - p.a.y, length = std::hypot(dx, dy);
  // A bar of no length has no direction: its labels go above it.
  p.normal = length > 0.0 ? Point{-dy / length, dx / length} : Point{0.0, -1.0};
  if (p.normal.y > 0.0 || (p.normal.y == 0.0 && p.normal.x < 0.0)) p.normal = {-p.normal.x, -p.normal.y};
  return p;
}

// Positions beside the bar for a centred text: along the bar (the middle,
// then towards the ends) on both sides, `first_side` first, each ring one
// step farther from the bar. `clear` is how far the bar's stroke reaches
// from its line.
Rings beside(const PageBar& p, double clear, const std::string& text, double size, bool bold,
             double first_side) {
  const double w = text_width(text, size, bold), h = (ASCENT_EM + DESCENT_EM) * size;
  // How far the text's box reaches from its centre towards the bar.
  const double reach = std::fabs(p.normal.x) * w / 2.0 + std::fabs(p.normal.y) * h / 2.0;
  Rings rings;
  for (int ring = 0; ring < BAR_RINGS; ++ring) {
    const double distance = clear + (BAR_GAP_EM + RING_STEP_EM * ring) * size + reach;
    std::vector<Candidate> out;
    for (double t : ALONG)
      for (double side : {first_side, -first_side}) {
        const double x = p.a.x + t * (p.b.x - p.a.x) + side * p.normal.x * distance;
        const double y = p.a.y + t * (p.b.y - p.a.y) + side * p.normal.y * distance;
        out.push_back({x, centred_baseline(y, size), Anchor::middle});
      }
    rings.push_back(std::move(out));
  }
  return rings;
}

std::string join_pairs(const FrameContent& c, Whole K) {
  std::string out;
  for (std::size_t index : c.mirrors.pairs_of[static_cast<std::size_t>(K - 1)]) {
    const MirrorPair& pair = c.mirrors.pairs[index];
    if (!out.empty()) out += ", ";
    out += c.text.format(Word::hover_pair,
                         {std::to_string(pair.lower == K ? pair.upper : pair.lower), pair.tag});
  }
  return out;
}

std::string tags_of(const FrameContent& c, Whole K) {
  std::string out;
  for (std::size_t index : c.mirrors.pairs_of[static_cast<std::size_t>(K - 1)])
    out += (out.empty() ? "" : ",") + c.mirrors.pairs[index].tag;
  return out;
}

class FrameWriter {
 public:
  FrameWriter(const FrameContent& c, const FrameView& view, const FrameScale& scale)
      : c_(c), view_(view), k_(scale), layout_(std::max(scale.font * 2.0, 8.0)) {}

  std::string write(double axis_top, double axis_bottom) {
    axis(axis_top, axis_bottom);
    bars();
    nodes();
    marks();
    labels();
    return "<g id=\"" + c_.id("frame") + "\">\n" + shapes_ + "<g id=\"" + c_.id("labels") +
           "\" font-family=\"sans-serif\">\n" + labels_ + "</g>\n</g>\n";
  }

 private:
  void axis(double top, double bottom) {
    const double x = view_.page(double{c_.counts.XS}, 0.0).x;
    shapes_ += "<line id=\"" + c_.id("axis") + "\" " + line({x, top}, {x, bottom}) + " stroke=\"" +
               std::string(AXIS_COLOUR) + "\" stroke-width=\"1\" stroke-dasharray=\"10 4 2 4\"/>\n";
    const std::string text = c_.text.format(Word::axis_label, {fixed_number(double{c_.counts.XS}, 4)});
    const double size = std::max(k_.font, 10.0);
    // Nothing is placed before it: its first place is always free.
    place_forced({"axis-label", text, {}, size, false, {{{x, top - 4.0, Anchor::middle}}}});
  }

  void bars() {
    shapes_ += "<g id=\"" + c_.id("bars") + "\" stroke-linecap=\"round\">\n";
    for (Whole K = 1; K <= c_.counts.NBAR; ++K) {
      const std::size_t k = static_cast<std::size_t>(K - 1);
      if (!c_.drawable[k]) continue;
      const PageBar p = page_bar(c_, view_, K);
      const BarForce& f = c_.forces[k];
      const double width = force_width(f.shown, c_.largest, k_.thinnest, k_.widest);
      const MirrorState state = c_.mirrors.state[k];
      std::string cls = "bar";
      cls += f.shown > 0.0f ? " tension" : f.shown < 0.0f ? " compression" : " no-force";
      if (f.bending) cls += " bending";
      if (state == MirrorState::unpaired) cls += " unpaired";
      if (state == MirrorState::own_mirror) cls += " own-mirror";
      shapes_ += "<g id=\"" + c_.id("bar-") + std::to_string(K) + "\" class=\"" + cls + "\"><title>" +
                 cli::markup_text(bar_hover_text(c_, K), true) + "</title>";
      if (state == MirrorState::unpaired)
        shapes_ += "<line class=\"warning\" " + line(p.a, p.b) + " stroke=\"" + std::string(WARNING_COLOUR) +
                   "\" stroke-opacity=\"0.6\" stroke-width=\"" + svg_number(width + 9.0) + "\"/>";
      if (f.bending)
        shapes_ += "<line class=\"bending\" " + line(p.a, p.b) + " stroke=\"#000000\" stroke-width=\"" +
                   svg_number(width + 3.0) + "\"/>";
      shapes_ += "<line class=\"member\" " + line(p.a, p.b) + " stroke=\"" +
                 std::string(force_colour(f.shown)) + "\" stroke-width=\"" + svg_number(width) + "\"/></g>\n";
      occupy(p, f.bending ? width + 3.0 : width);
    }
    shapes_ += "</g>\n";
  }

  void nodes() {
    shapes_ +=
        "<g id=\"" + c_.id("supports") + "\" fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"1\">\n";
    const double axis_x = double{c_.counts.XS};
    for (Whole K = 1; K <= c_.counts.NNOS; ++K) {
      const SupportKind kind = c_.supports[static_cast<std::size_t>(K - 1)];
      if (kind == SupportKind::free) continue;
      const Point f = c_.node(K);
      const Point p = view_.page(f.x, f.y);
      const bool on_left = f.x < axis_x;
      shapes_ += support_symbol(kind, p, k_.support_size, on_left);
      const double s = k_.support_size;
      const bool sideways = kind == SupportKind::side_roller || kind == SupportKind::side_guided;
      layout_.reserve(sideways ? Box{on_left ? p.x - 1.1 * s : p.x, p.y - 0.7 * s,
                                     on_left ? p.x : p.x + 1.1 * s, p.y + 0.7 * s}
                               : Box{p.x - 0.7 * s, p.y, p.x + 0.7 * s, p.y + 1.1 * s});
    }
    shapes_ += "</g>\n<g id=\"" + c_.id("nodes") + "\" fill=\"#000000\">\n";
    const double r = k_.node_radius;
    for (Whole K = 1; K <= c_.counts.NNOS; ++K) {
      const Point f = c_.node(K);
      const Point p = view_.page(f.x, f.y);
      shapes_ += "<circle id=\"" + c_.id("node-") + std::to_string(K) + "\" cx=\"" + svg_number(p.x) +
                 "\" cy=\"" + svg_number(p.y) + "\" r=\"" + svg_number(r) + "\"><title>" +
                 cli::markup_text(c_.text.format(
                     Word::node_hover, {std::to_string(K), fixed_number(f.x, 3), fixed_number(f.y, 3)})) +
                 "</title></circle>\n";
      layout_.reserve({p.x - r - 1.0, p.y - r - 1.0, p.x + r + 1.0, p.y + r + 1.0});
    }
    shapes_ += "</g>\n";
  }

  // Labels keep off the bars: small boxes along each bar are filed first.
  void occupy(const PageBar& p, double width) {
    const double length = std::hypot(p.b.x - p.a.x, p.b.y - p.a.y);
    const double half = width / 2.0 + 1.0;
    const int steps = std::max(1, static_cast<int>(std::ceil(length / std::max(k_.font / 2.0, 3.0))));
    for (int k = 0; k <= steps; ++k) {
      const double t = static_cast<double>(k) / steps;
      const Point q{p.a.x + t * (p.b.x - p.a.x), p.a.y + t * (p.b.y - p.a.y)};
      layout_.reserve({q.x - half, q.y - half, q.x + half, q.y + half});
    }
  }

  // Eight positions around a point, the corners first, in rings from `gap`
  // outward; the first keeps the text clear of the point and of the widest
  // bar through it.
  Rings around(Point p, double gap, double size, int rings) const {
    Rings out;
    for (int ring = 0; ring < rings; ++ring) {
      const double g = gap + RING_STEP_EM * size * ring;
      const double clear = g + k_.widest / 2.0;
      const double up = p.y - clear - DESCENT_EM * size, down = p.y + clear + ASCENT_EM * size;
      const double middle = centred_baseline(p.y, size);
      out.push_back({{p.x + g, up, Anchor::start},
                     {p.x - g, up, Anchor::end},
                     {p.x + g, down, Anchor::start},
                     {p.x - g, down, Anchor::end},
                     {p.x, up, Anchor::middle},
                     {p.x, down, Anchor::middle},
                     {p.x + clear + 1.0, middle, Anchor::start},
                     {p.x - clear - 1.0, middle, Anchor::end}});
    }
    return out;
  }

  void marks() {
    const double ring = k_.node_radius + 3.5;
    const double size = std::max(k_.font + 1.0, 9.0);
    const std::string style =
        " fill=\"none\" stroke=\"" + std::string(MARK_COLOUR) + "\" stroke-width=\"1.5\"";
    shapes_ += "<g id=\"" + c_.id("characteristic-nodes") + "\">\n";
    for (const NodeMark& m : c_.characteristic.marks) {
      const Point f = c_.node(m.node);
      const Point p = view_.page(f.x, f.y);
      layout_.reserve({p.x - ring, p.y - ring, p.x + ring, p.y + ring});
      shapes_ += "<circle id=\"" + c_.id("mark-node-") + std::to_string(m.node) + "\" cx=\"" +
                 svg_number(p.x) + "\" cy=\"" + svg_number(p.y) + "\" r=\"" + svg_number(ring) + "\"" +
                 style + (m.flanking ? " stroke-dasharray=\"3 2\"" : "") + "/>\n";
      if (!m.label.empty())
        place_forced({"mark", m.label, "font-weight=\"bold\" fill=\"" + std::string(MARK_COLOUR) + "\"", size,
                      true, around(p, ring + 1.0, size, MARK_RINGS)});
    }
    if (c_.characteristic.mean_point) {
      const Point p = view_.page(c_.characteristic.mean_point->x, c_.characteristic.mean_point->y);
      const Point e = c_.node(c_.s.BL7.NO_CE), d = c_.node(c_.s.BL7.NO_CD);
      shapes_ += "<line class=\"mean-line\" " + line(view_.page(e.x, e.y), view_.page(d.x, d.y)) +
                 " stroke=\"" + std::string(MARK_COLOUR) +
                 "\" stroke-width=\"1\" stroke-dasharray=\"3 2\"/>\n";
      const double a = ring * 0.8;
      shapes_ += "<path id=\"" + c_.id("mark-mean") + "\" d=\"M" + svg_number(p.x - a) + ' ' +
                 svg_number(p.y - a) + 'L' + svg_number(p.x + a) + ' ' + svg_number(p.y + a) + 'M' +
                 svg_number(p.x - a) + ' ' + svg_number(p.y + a) + 'L' + svg_number(p.x + a) + ' ' +
                 svg_number(p.y - a) + "\"" + style + "/>\n";
      place_forced({"mark", "C", "font-weight=\"bold\" fill=\"" + std::string(MARK_COLOUR) + "\"", size, true,
                    around(p, ring + 1.0, size, MARK_RINGS)});
    }
    shapes_ += "</g>\n";
  }

  // Pair tags, bar numbers and node numbers take their places ring by
  // ring: every label gets its nearest free place before any goes farther
  // out. A label with no free place is left out; its bar or node still
  // names itself in its hover text.
  void labels() {
    const double size = k_.font;
    const std::string tag_style =
        "font-weight=\"bold\" font-style=\"italic\" fill=\"" + std::string(PAIR_COLOUR) + "\"";
    std::vector<Label> tags, bar_numbers, node_numbers;
    for (Whole K = 1; K <= c_.counts.NBAR; ++K) {
      const std::size_t k = static_cast<std::size_t>(K - 1);
      if (!c_.drawable[k]) continue;
      const PageBar p = page_bar(c_, view_, K);
      const BarForce& f = c_.forces[k];
      const double width = force_width(f.shown, c_.largest, k_.thinnest, k_.widest);
      const double clear = (f.bending ? width + 3.0 : width) / 2.0 + 1.0;
      // Tags below or right of the bar first, numbers above or left of it.
      const std::string tags_text = tags_of(c_, K);
      if (!tags_text.empty())
        tags.push_back(
            {"pair-tag", tags_text, tag_style, size, true, beside(p, clear, tags_text, size, true, -1.0)});
      const std::string number = std::to_string(K);
      bar_numbers.push_back({"bar-number", number, "fill=\"#555555\"", size, false,
                             beside(p, clear, number, size, false, 1.0)});
    }
    for (Whole K = 1; K <= c_.counts.NNOS; ++K) {
      const Point f = c_.node(K);
      node_numbers.push_back({"node-number",
                              std::to_string(K),
                              {},
                              size,
                              false,
                              around(view_.page(f.x, f.y), k_.node_radius + 1.5, size, NODE_RINGS)});
    }
    std::vector<bool> tag_done(tags.size()), bar_done(bar_numbers.size()), node_done(node_numbers.size());
    for (std::size_t ring = 0; ring < static_cast<std::size_t>(std::max(BAR_RINGS, NODE_RINGS)); ++ring) {
      place_ring(tags, tag_done, ring);
      place_ring(bar_numbers, bar_done, ring);
      place_ring(node_numbers, node_done, ring);
    }
  }

  void place_ring(const std::vector<Label>& labels, std::vector<bool>& done, std::size_t ring) {
    for (std::size_t k = 0; k < labels.size(); ++k)
      if (!done[k] && ring < labels[k].rings.size()) done[k] = place_at(labels[k], labels[k].rings[ring]);
  }

  // Places the label at the first free candidate; false when none is free.
  bool place_at(const Label& l, const std::vector<Candidate>& candidates) {
    for (const Candidate& c : candidates)
      if (layout_.try_place(
              text_box(c.x, c.baseline, l.text, l.size, c.anchor, l.bold).grown(LABEL_GAP_EM * l.size))) {
        labels_ += text_element(l.cls, c.x, c.baseline, l.size, c.anchor, l.text, l.extra);
        return true;
      }
    return false;
  }

  // A label the picture must show (the axis, the marks E, C and D): the
  // nearest free place in any ring, or, on a page with no room at all, its
  // first place.
  void place_forced(const Label& l) {
    for (const std::vector<Candidate>& ring : l.rings)
      if (place_at(l, ring)) return;
    const Candidate& c = l.rings.front().front();
    layout_.reserve(text_box(c.x, c.baseline, l.text, l.size, c.anchor, l.bold));
    labels_ += text_element(l.cls, c.x, c.baseline, l.size, c.anchor, l.text, l.extra);
  }

  const FrameContent& c_;
  const FrameView& view_;
  FrameScale k_;
  LabelLayout layout_;
  std::string shapes_, labels_;
};

}  // namespace

FrameScale frame_scale(const FrameContent& c, const FrameView& view, double smallest) {
  std::vector<double> lengths;
  for (Whole K = 1; K <= c.counts.NBAR; ++K) {
    if (!c.drawable[static_cast<std::size_t>(K - 1)]) continue;
    const Point a = c.node(c.s.BL3.NI(K)), b = c.node(c.s.BL3.NF(K));
    const double length = std::hypot(b.x - a.x, b.y - a.y) * view.scale();
    if (length > 0.0) lengths.push_back(length);
  }
  FrameScale k;
  if (!lengths.empty()) {
    std::nth_element(lengths.begin(), lengths.begin() + static_cast<long>(lengths.size() / 2), lengths.end());
    const double typical = lengths[lengths.size() / 2];
    k.font = std::clamp(std::round(typical * 0.25 * 2.0) / 2.0, 7.0, 12.0);
  }
  k.font = std::max(k.font, smallest);
  k.node_radius = std::clamp(k.font * 0.25, 1.5, 3.0);
  k.support_size = std::clamp(k.font * 1.8, 10.0, 22.0);
  k.widest = std::clamp(k.font * 0.6, 3.0, 7.0);
  k.thinnest = std::min(1.5, k.widest / 2.0);
  return k;
}

std::string frame_layer(const FrameContent& c, const FrameView& view, const FrameScale& scale,
                        double axis_top, double axis_bottom) {
  return FrameWriter(c, view, scale).write(axis_top, axis_bottom);
}

std::string bar_hover_text(const FrameContent& c, Whole K) {
  const std::size_t k = static_cast<std::size_t>(K - 1);
  const BarForce& f = c.forces[k];
  const PictureText& w = c.text;
  std::string t =
      w.format(Word::bar_hover, {std::to_string(K), std::to_string(c.s.BL3.NI(K)),
                                 std::to_string(c.s.BL3.NF(K)), fixed_number(double{c.s.BL3.L(K)}, 3)}) +
      "\n";
  if (c.combination != 0)
    t +=
        w.format(Word::hover_shown, {fixed_number(double{f.shown}, 3), std::to_string(c.combination)}) + "\n";
  t += w.format(Word::hover_max, {fixed_number(double{f.max}, 3), std::to_string(f.max_combination)}) + "\n";
  t += w.format(Word::hover_min, {fixed_number(double{f.min}, 3), std::to_string(f.min_combination)}) + "\n";
  switch (c.mirrors.state[k]) {
    case MirrorState::paired:
      t += w.format(Word::hover_mirror, {join_pairs(c, K)});
      break;
    case MirrorState::own_mirror:
      t += w(Word::own_mirror);
      break;
    case MirrorState::unpaired:
      t += w(Word::hover_unpaired);
      break;
  }
  if (f.bending) t += "\n" + w.format(Word::in_bending, {bending_place(c)});
  return t;
}

}  // namespace toval::tools::draw
