#include "tools/draw/page_blocks.h"

#include <algorithm>

#include "records/text.h"
#include "tools/cli/markup_text.h"
#include "tools/draw/label_layout.h"
#include "tools/draw/support_symbols.h"
#include "tools/draw/svg_text.h"

namespace toval::tools::draw {

namespace {

constexpr double LEGEND_FONT = 11.0;
constexpr double ROW = 18.0, WRAPPED_ROW = 14.0;
constexpr double SWATCH = 36.0, TEXT_GAP = 10.0;

std::string text_row(double x, double baseline, double size, const std::string& text,
                     std::string_view extra = {}) {
  return "<text x=\"" + svg_number(x) + "\" y=\"" + svg_number(baseline) + "\" font-size=\"" +
         svg_number(size) + "\"" + (extra.empty() ? "" : " " + std::string(extra)) + ">" +
         cli::markup_text(text) + "</text>\n";
}

// "none", "bar 5" or "bars 1, 2, 5" as items to wrap.
std::vector<std::string> bar_list(const PictureText& t, std::string prefix, const std::vector<Whole>& bars) {
  if (bars.empty()) return {prefix + std::string(t(Word::none))};
  std::vector<std::string> items;
  for (Whole b : bars) items.push_back(std::to_string(b));
  items.front() =
      prefix + std::string(t(bars.size() == 1 ? Word::one_bar_prefix : Word::bars_prefix)) + items.front();
  return items;
}

class Legend {
 public:
  Legend(std::string id, double left, double top, double width, std::size_t longest)
      : id_(std::move(id)), left_(left), y_(top), width_(width), longest_(longest) {}

  // One row: a swatch (SVG drawn around the row's middle line at `mid`)
  // and text, wrapped under itself when long.
  void row(const std::string& swatch, const std::vector<std::string>& items) { row(swatch, items, {}); }

  // A row that gives `note` in place of its items when they would take more
  // than the longest list's lines.
  void row(const std::string& swatch, const std::vector<std::string>& items, const std::string& note) {
    const double text_x = left_ + SWATCH + TEXT_GAP;
    const double mid = y_ + ROW / 2.0;
    svg_ += replace_mid(swatch, mid);
    const double line_width = std::max(20.0 * LEGEND_FONT, width_ - SWATCH - TEXT_GAP);
    std::vector<std::string> lines = wrap_items(items, line_width, LEGEND_FONT);
    if (!note.empty() && lines.size() > longest_) lines = wrap_items({note}, line_width, LEGEND_FONT);
    double baseline = mid + 0.35 * LEGEND_FONT;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      svg_ += text_row(text_x, baseline, LEGEND_FONT, lines[k]);
      widest_ = std::max(widest_, SWATCH + TEXT_GAP + text_width(lines[k], LEGEND_FONT));
      if (k + 1 < lines.size()) baseline += WRAPPED_ROW;
    }
    y_ += ROW + WRAPPED_ROW * static_cast<double>(lines.empty() ? 0 : lines.size() - 1);
  }

  double swatch_left() const { return left_; }
  Block done(double top) const {
    return {"<g id=\"" + id_ + "\" font-family=\"sans-serif\">\n" + svg_ + "</g>\n", y_ - top, widest_};
  }

 private:
  // Swatches are written with the placeholder "@" for the row's middle.
  static std::string replace_mid(std::string s, double mid) {
    const std::string value = svg_number(mid);
    for (std::size_t at = s.find('@'); at != std::string::npos; at = s.find('@', at + value.size()))
      s.replace(at, 1, value);
    return s;
  }

  std::string id_;
  double left_, y_, width_;
  std::size_t longest_;
  double widest_ = 0.0;
  std::string svg_;
};

std::string swatch_line(double x0, double x1, std::string_view colour, double width,
                        std::string_view extra = {}) {
  return "<line x1=\"" + svg_number(x0) + "\" y1=\"@\" x2=\"" + svg_number(x1) + "\" y2=\"@\" stroke=\"" +
         std::string(colour) + "\" stroke-width=\"" + svg_number(width) + "\"" +
         (extra.empty() ? "" : " " + std::string(extra)) + "/>";
}

std::string counted(const PictureText& t, std::size_t count, Word one, Word many) {
  return t.format(count == 1 ? one : many, {std::to_string(count)});
}

}  // namespace

std::vector<std::string> wrap_items(const std::vector<std::string>& items, double width, double size) {
  const auto fits = [&](const std::string& line) { return text_width(line + ",", size) <= width; };
  std::vector<std::string> lines;
  std::string current;
  for (const std::string& item : items) {
    const std::string joined = current.empty() ? item : current + ", " + item;
    if (fits(joined)) {
      current = joined;
      continue;
    }
    // The list goes on under this line: its comma stays at the line's end.
    if (!current.empty()) lines.push_back(current + ",");
    current.clear();
    // An item wider than a line (a long prefix or a note) breaks at its blanks.
    std::size_t from = 0;
    while (from < item.size()) {
      std::size_t to = item.find(' ', from);
      if (to == std::string::npos) to = item.size();
      const std::string word = item.substr(from, to - from);
      const std::string longer = current.empty() ? word : current + " " + word;
      if (!current.empty() && !fits(longer)) {
        lines.push_back(current);
        current = word;
      } else {
        current = longer;
      }
      from = to + 1;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

Block title_block(const FrameContent& c, const DrawingSources& sources, double left, double top, bool brief) {
  struct Line {
    std::string text;
    double size;
    bool bold;
  };
  const Whole NCOB = c.s.BL5.NCOB;
  const PictureText& t = c.text;
  const std::string forces =
      c.combination != 0
          ? t.format(Word::forces_of_combination, {std::to_string(c.combination), std::to_string(NCOB)})
      : c.run_has_sets ? set_envelope_line(c)
                       : t.format(NCOB == 1 ? Word::forces_envelope_one : Word::forces_envelope_many,
                                  {std::to_string(NCOB)});
  std::vector<Line> lines = {
      {std::string(name_field_text(c.s.BL1.PRJT.view())), 16.0, true},
      {std::string(name_field_text(c.s.BL1.CLIT.view())), 13.0, false},
      {std::string(name_field_text(c.s.BL1.PORT.view())), 13.0, false},
      {t.format(Word::input_files, {sources.combination_file, sources.forces_file}), 11.0, false},
      {t.format(Word::counts_line, {forces, std::to_string(c.counts.NNOS), std::to_string(c.counts.NBAR)}),
       11.0, false},
  };
  if (brief) lines.erase(lines.begin(), lines.end() - 1);
  Block b;
  b.svg = "<g id=\"" + c.id("title-block") + "\" font-family=\"sans-serif\">\n";
  double y = top;
  for (const Line& l : lines) {
    y += l.size + 5.0;
    b.svg += text_row(left, y, l.size, l.text, l.bold ? "font-weight=\"bold\"" : "");
    b.width = std::max(b.width, text_width(l.text, l.size, l.bold));
  }
  b.svg += "</g>\n";
  b.height = y - top + 6.0;
  return b;
}

namespace {

// The bars each row of the legend lists, in bar order.
struct LegendBars {
  std::vector<Whole> bending, unpaired, own, unplaced;
};

LegendBars legend_bars(const FrameContent& c) {
  LegendBars b;
  for (Whole K = 1; K <= c.counts.NBAR; ++K) {
    const std::size_t k = static_cast<std::size_t>(K - 1);
    if (c.forces[k].bending) b.bending.push_back(K);
    if (c.mirrors.state[k] == MirrorState::unpaired) b.unpaired.push_back(K);
    if (c.mirrors.state[k] == MirrorState::own_mirror) b.own.push_back(K);
    if (!c.drawable[k]) b.unplaced.push_back(K);
  }
  return b;
}

void force_rows(Legend& g, const FrameContent& c, const FrameScale& scale, double x0, double x1) {
  const PictureText& t = c.text;
  g.row(swatch_line(x0, x1, TENSION_COLOUR, 4.0), {std::string(t(Word::tension))});
  g.row(swatch_line(x0, x1, COMPRESSION_COLOUR, 4.0), {std::string(t(Word::compression))});
  g.row("<path d=\"M" + svg_number(x0) + " @l" + svg_number(SWATCH) + ' ' + svg_number(-scale.widest / 2.0) +
            "v" + svg_number(scale.widest) + "Z\" fill=\"#777777\"/>",
        {t.format(Word::width_grows, {fixed_number(c.largest, 3)}) +
         (c.force_unit.empty() ? "" : " " + c.force_unit)});
}

void bar_state_rows(Legend& g, const FrameContent& c, const LegendBars& b, double x0, double x1) {
  const PictureText& t = c.text;
  const std::string bending_text =
      t.format(Word::in_bending, {bending_place(c)}) + std::string(t(Word::bending_reason));
  g.row(swatch_line(x0, x1, "#000000", 7.0) + swatch_line(x0, x1, NO_FORCE_COLOUR, 4.0),
        bar_list(t, bending_text, b.bending),
        t.format(Word::bending_note,
                 {bending_text, counted(t, b.bending.size(), Word::bars_count_one, Word::bars_count_many)}));
  g.row(swatch_line(x0, x1, "#ff9800", 13.0, "stroke-opacity=\"0.6\"") +
            swatch_line(x0, x1, NO_FORCE_COLOUR, 4.0),
        bar_list(t, std::string(t(Word::unpaired_prefix)), b.unpaired),
        t.format(Word::unpaired_note,
                 {counted(t, b.unpaired.size(), Word::bars_count_one, Word::bars_count_many)}));
  if (!b.own.empty())
    g.row(swatch_line(x0, x1, NO_FORCE_COLOUR, 4.0),
          bar_list(t, std::string(t(Word::own_mirror)) + ": ", b.own));
}

void pair_row(Legend& g, const FrameContent& c, double x0) {
  const PictureText& t = c.text;
  std::vector<std::string> pairs;
  for (const MirrorPair& p : c.mirrors.pairs)
    pairs.push_back(p.tag + " " + std::to_string(p.lower) + "\u2194" + std::to_string(p.upper));
  if (pairs.empty()) pairs.push_back(std::string(t(Word::none)));
  pairs.front() = std::string(t(Word::pairs_prefix)) + pairs.front();
  std::string note = t.format(
      Word::pairs_note, {counted(t, c.mirrors.pairs.size(), Word::pairs_count_one, Word::pairs_count_many)});
  if (!c.pairs_elsewhere.empty()) pairs = {c.pairs_elsewhere};
  g.row("<text x=\"" + svg_number(x0 + SWATCH / 2.0) +
            "\" y=\"@\" dy=\"4\" font-size=\"11\" text-anchor=\"middle\" "
            "font-weight=\"bold\" font-style=\"italic\" fill=\"#6a3d9a\">A</text>",
        pairs, note);
}

void axis_and_node_rows(Legend& g, const FrameContent& c, double x0, double x1) {
  const PictureText& t = c.text;
  g.row(swatch_line(x0, x1, "#333333", 1.0, "stroke-dasharray=\"10 4 2 4\""),
        {t.format(Word::axis_row, {fixed_number(double{c.counts.XS}, 4)})});
  g.row("<circle cx=\"" + svg_number(x0 + SWATCH / 2.0) +
            "\" cy=\"@\" r=\"6\" fill=\"none\" stroke=\"#00796b\" "
            "stroke-width=\"1.5\"/>",
        {t.format(Word::characteristic_row, {c.characteristic.description})});
}

// One row per kind of support the frame has, in the kinds' order.
void support_rows(Legend& g, const FrameContent& c, double x0) {
  std::vector<SupportKind> kinds;
  for (SupportKind k : c.supports)
    if (k != SupportKind::free && std::find(kinds.begin(), kinds.end(), k) == kinds.end()) kinds.push_back(k);
  std::sort(kinds.begin(), kinds.end());
  for (SupportKind k : kinds) {
    // Symbols hang below their node, or beside it for those acting along x.
    const bool sideways = k == SupportKind::side_roller || k == SupportKind::side_guided;
    const Point node = sideways                          ? Point{x0 + SWATCH / 2.0 + 6.0, 0.0}
                       : k == SupportKind::rotation_only ? Point{x0 + SWATCH / 2.0, 0.0}
                                                         : Point{x0 + SWATCH / 2.0, -6.0};
    std::string symbol = support_symbol(k, node, 12.0, true);
    g.row("<g transform=\"translate(0 @)\" fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"1\">" +
              symbol.substr(0, symbol.size() - 1) + "</g>",
          {c.text.format(Word::support_row, {c.text(support_name(k))})});
  }
}

}  // namespace

Block legend_block(const FrameContent& c, const FrameScale& scale, double left, double top, double width,
                   std::size_t longest) {
  Legend g(c.id("legend"), left, top, width, longest);
  const double x0 = left, x1 = left + SWATCH;
  const LegendBars bars = legend_bars(c);
  force_rows(g, c, scale, x0, x1);
  bar_state_rows(g, c, bars, x0, x1);
  pair_row(g, c, x0);
  axis_and_node_rows(g, c, x0, x1);
  support_rows(g, c, x0);
  if (!bars.unplaced.empty())
    g.row(swatch_line(x0, x1, "#ff9800", 4.0),
          bar_list(c.text, c.text.format(Word::unplaced_prefix, {std::to_string(c.counts.NNOS)}),
                   bars.unplaced));
  return g.done(top);
}

}  // namespace toval::tools::draw
