// Measures how well the picture labels generated frames: draws every frame
// of a family of portals, multi-storey frames, trusses, roof trusses and the
// benchmark's frames, reads the labels back from the SVG and counts the
// frames of 20 bars or fewer with a bar number missing, pair tags missing
// or holding a letter of the marks E, C and D, labels that overlap each
// other or a bar, and the share of the page the legend takes.
//   usage: toval_picture_labels SCRATCH_DIRECTORY
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "tools/cli/loaded_run.h"
#include "tools/draw/frame_drawing.h"
#include "tools/frame_files.h"

namespace {

using toval::testing::Frame;

// Advances in ems of the widest common sans-serif face (regular, bold), the
// measure's own, apart from the one the picture lays its labels out with.
double advance(unsigned char c, bool bold) {
  static const double capitals[26][2] = {
      {0.684, 0.774}, {0.686, 0.762}, {0.698, 0.734}, {0.770, 0.830}, {0.632, 0.683}, {0.575, 0.683},
      {0.775, 0.821}, {0.752, 0.837}, {0.295, 0.372}, {0.295, 0.372}, {0.656, 0.775}, {0.557, 0.637},
      {0.863, 0.995}, {0.748, 0.837}, {0.787, 0.850}, {0.603, 0.733}, {0.787, 0.850}, {0.695, 0.770},
      {0.635, 0.720}, {0.611, 0.682}, {0.732, 0.812}, {0.684, 0.774}, {0.989, 1.103}, {0.685, 0.771},
      {0.611, 0.724}, {0.685, 0.725}};
  if (c >= 'A' && c <= 'Z') return capitals[c - 'A'][bold];
  if (c >= '0' && c <= '9') return bold ? 0.696 : 0.636;
  if (c == ' ' || c == '.' || c == ',') return bold ? 0.348 : 0.318;
  if (c == '=') return 0.838;
  return bold ? 0.70 : 0.62;
}

struct Text {
  std::string cls, text;
  double left, top, right, bottom;
};

struct Segment {
  double x1, y1, x2, y2, half_width;
};

std::string attribute(const std::string& element, const std::string& name) {
  const std::size_t at = element.find(" " + name + "=\"");
  if (at == std::string::npos) return {};
  const std::size_t from = at + name.size() + 3;
  return element.substr(from, element.find('"', from) - from);
}

std::vector<Text> texts_of(const std::string& svg) {
  std::vector<Text> out;
  const std::size_t labels = svg.find("labels\" font-family");
  const std::size_t end = svg.find("</g>", labels);
  static const std::regex text("<text ([^>]*)>([^<]*)</text>");
  const std::string part = svg.substr(labels, end - labels);
  for (auto m = std::sregex_iterator(part.begin(), part.end(), text); m != std::sregex_iterator(); ++m) {
    const std::string a = " " + (*m)[1].str(), body = (*m)[2].str();
    const bool bold = a.find("font-weight=\"bold\"") != std::string::npos;
    const double x = std::stod(attribute(a, "x")), y = std::stod(attribute(a, "y"));
    const double size = std::stod(attribute(a, "font-size"));
    double width = 0.0;
    for (char c : body) width += advance(static_cast<unsigned char>(c), bold) * size;
    const std::string anchor = attribute(a, "text-anchor");
    const double left = anchor == "middle" ? x - width / 2.0 : anchor == "end" ? x - width : x;
    // Digits and capitals reach 0.73 em above the baseline and not below.
    out.push_back({attribute(a, "class"), body, left, y - 0.73 * size, left + width, y});
  }
  return out;
}

std::vector<Segment> bars_of(const std::string& svg) {
  std::vector<Segment> out;
  static const std::regex member("<line class=\"(member|bending)\" ([^>]*)/>");
  for (auto m = std::sregex_iterator(svg.begin(), svg.end(), member); m != std::sregex_iterator(); ++m) {
    const std::string a = " " + (*m)[2].str();
    out.push_back({std::stod(attribute(a, "x1")), std::stod(attribute(a, "y1")),
                   std::stod(attribute(a, "x2")), std::stod(attribute(a, "y2")),
                   std::stod(attribute(a, "stroke-width")) / 2.0});
  }
  return out;
}

bool overlap(const Text& a, const Text& b) {
  const double eps = 0.01;
  return a.left < b.right - eps && b.left < a.right - eps && a.top < b.bottom - eps && b.top < a.bottom - eps;
}

// The segment comes nearer the box than its half width.
bool crosses(const Text& t, const Segment& s) {
  const int steps = 64;
  for (int k = 0; k <= steps; ++k) {
    const double u = static_cast<double>(k) / steps;
    const double x = s.x1 + u * (s.x2 - s.x1), y = s.y1 + u * (s.y2 - s.y1);
    const double dx = std::max({t.left - x, 0.0, x - t.right}), dy = std::max({t.top - y, 0.0, y - t.bottom});
    if (std::hypot(dx, dy) < s.half_width - 0.01) return true;
  }
  return false;
}

struct Tally {
  int frames = 0, small = 0, small_missing_bar = 0, small_missing_node = 0, overlapping = 0, on_bars = 0;
  long overlapping_pairs = 0, labels_on_bars = 0, tags_expected = 0, tags_shown = 0, tags_with_marks = 0;
  int frames_missing_tags = 0;
  double largest_legend_share = 0.0;
  std::string worst_legend;
};

void measure(const std::string& name, const std::string& svg, int NNOS, int NBAR, int pairs_expected,
             Tally& t) {
  const std::vector<Text> texts = texts_of(svg);
  const std::vector<Segment> bars = bars_of(svg);
  std::set<std::string> bar_numbers, node_numbers;
  long tags = 0, overlaps = 0, on_bars = 0;
  for (const Text& x : texts) {
    if (x.cls == "bar-number") bar_numbers.insert(x.text);
    if (x.cls == "node-number") node_numbers.insert(x.text);
    if (x.cls == "pair-tag") {
      tags += 1 + std::count(x.text.begin(), x.text.end(), ',');
      if (x.text.find_first_of("CDE") != std::string::npos) ++t.tags_with_marks;
    }
  }
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t j = i + 1; j < texts.size(); ++j)
      if (overlap(texts[i], texts[j])) ++overlaps;
    for (const Segment& s : bars)
      if (crosses(texts[i], s)) {
        ++on_bars;
        break;
      }
  }
  ++t.frames;
  if (NBAR <= 20) {
    ++t.small;
    if (static_cast<int>(bar_numbers.size()) < NBAR) ++t.small_missing_bar;
    if (static_cast<int>(node_numbers.size()) < NNOS) ++t.small_missing_node;
  }
  if (overlaps > 0) ++t.overlapping;
  if (on_bars > 0) ++t.on_bars;
  t.overlapping_pairs += overlaps;
  t.labels_on_bars += on_bars;
  t.tags_expected += 2L * pairs_expected;
  t.tags_shown += tags;
  if (tags < 2L * pairs_expected) ++t.frames_missing_tags;
  const double height = std::stod(attribute(svg.substr(0, svg.find('>', svg.find("<svg"))), "height"));
  const std::size_t legend = svg.find("legend\" font-family");
  const std::size_t first = svg.find(" y=\"", svg.find("<text", legend));
  const double legend_top = std::stod(svg.substr(first + 4));
  const double share = (height - legend_top) / height;
  if (share > t.largest_legend_share) {
    t.largest_legend_share = share;
    t.worst_legend = name;
  }
}

void write(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

int pairs_of(const toval::Store& s, int NBAR) {
  int n = 0;
  for (int K = 1; K <= NBAR; ++K) n += s.BL6.BAR_SIM(K) > K ? 1 : 0;
  return n;
}

void draw(const std::filesystem::path& dir, const std::string& name, const std::filesystem::path& cmb,
          const std::filesystem::path& frc, Tally& t) {
  const toval::tools::cli::LoadedRun run(cmb.string(), frc.string());
  const std::string svg =
      toval::tools::draw::frame_drawing(run.store(), run.counts(), {cmb.string(), frc.string()}, 0);
  write(dir / (name + ".svg"), svg);
  measure(name, svg, run.counts().NNOS, run.counts().NBAR, pairs_of(run.store(), run.counts().NBAR), t);
}

void draw_frame(const std::filesystem::path& dir, const std::string& name, const Frame& f, Tally& t) {
  write(dir / (name + ".CMB"), toval::testing::joined(toval::testing::combination_lines(f)));
  write(dir / (name + ".FRC"), toval::testing::joined(toval::testing::forces_lines(f)));
  draw(dir, name, dir / (name + ".CMB"), dir / (name + ".FRC"), t);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s SCRATCH_DIRECTORY\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  Tally t;
  using namespace toval::testing;
  draw_frame(dir, "portal", portal(), t);
  draw_frame(dir, "gable", gable(), t);
  for (int panels = 1; panels <= 12; ++panels)
    draw_frame(dir, "roof" + std::to_string(panels), roof_truss(panels), t);
  for (int panels = 2; panels <= 40; panels += 2)
    draw_frame(dir, "truss" + std::to_string(panels), truss(panels), t);
  for (int bays = 1; bays <= 8; ++bays)
    for (int storeys = 1; storeys <= 12; ++storeys)
      draw_frame(dir, "grid" + std::to_string(bays) + "x" + std::to_string(storeys),
                 multi_storey(bays, storeys), t);
  for (int bays = 9; bays <= 24; bays += 3)
    for (int storeys = 4; storeys <= 16; storeys += 4)
      if (storeys * (2 * bays + 1) <= 500)
        draw_frame(dir, "grid" + std::to_string(bays) + "x" + std::to_string(storeys),
                   multi_storey(bays, storeys), t);
  for (const auto& shape : {toval::bench::full_shape(), toval::bench::wide_shape()}) {
    write(dir / (shape.name + ".FRC"), [&] {
      std::ostringstream o;
      toval::bench::write_forces(o, shape);
      return o.str();
    }());
    write(dir / (shape.name + ".CMB"), [&] {
      std::ostringstream o;
      toval::bench::write_combinations(o, shape);
      return o.str();
    }());
    draw(dir, shape.name, dir / (shape.name + ".CMB"), dir / (shape.name + ".FRC"), t);
  }
  std::printf("frames drawn                               %d\n", t.frames);
  std::printf("frames of 20 bars or fewer                 %d\n", t.small);
  std::printf("  with a bar number missing                %d\n", t.small_missing_bar);
  std::printf("  with a node number missing               %d\n", t.small_missing_node);
  std::printf("frames with labels overlapping each other  %d (%ld pairs of labels)\n", t.overlapping,
              t.overlapping_pairs);
  std::printf("frames with a label on a bar               %d (%ld labels)\n", t.on_bars, t.labels_on_bars);
  std::printf("pair tags shown / expected                 %ld / %ld (%d frames with tags missing)\n",
              t.tags_shown, t.tags_expected, t.frames_missing_tags);
  std::printf("pair tags holding C, D or E                %ld\n", t.tags_with_marks);
  std::printf("largest share of the page for the legend   %.0f %% (%s)\n", 100.0 * t.largest_legend_share,
              t.worst_legend.c_str());
  return 0;
}
