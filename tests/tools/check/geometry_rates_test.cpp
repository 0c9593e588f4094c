// Generated sound frames of every shape give no warning, and each mistake of
// the node and bar sections planted in them is named at its own line.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <sstream>

#include "tools/check/checked_files.h"
#include "tools/frame_files.h"

namespace toval::testing {
namespace {

using Random = std::mt19937;

double pick(Random& r, std::initializer_list<double> values) {
  std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
  return *(values.begin() + static_cast<long>(d(r)));
}

int between(Random& r, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(r);
}

// Bays mirrored about the middle, storeys of any heights.
Frame symmetric_grid(Random& r) {
  const int bays = between(r, 1, 4), storeys = between(r, 1, 4);
  std::vector<double> widths(static_cast<std::size_t>(bays));
  for (int k = 0; k < (bays + 1) / 2; ++k)
    widths[static_cast<std::size_t>(k)] = widths[static_cast<std::size_t>(bays - 1 - k)] =
        pick(r, {4, 5, 6, 7.5, 8.25});
  std::vector<double> lines{0};
  for (double w : widths) lines.push_back(lines.back() + w);
  Frame f;
  double y = 0;
  const int count = bays + 1;
  for (int level = 0; level <= storeys; ++level) {
    for (double x : lines) f.nodes.push_back({x, y, level == 0, level == 0, level == 0});
    y += pick(r, {3, 3.2, 4.5});
  }
  for (int level = 0; level < storeys; ++level)
    for (int k = 1; k <= count; ++k) f.bars.push_back({level * count + k, (level + 1) * count + k, 1});
  for (int level = 1; level <= storeys; ++level)
    for (int k = 1; k < count; ++k) f.bars.push_back({level * count + k, level * count + k + 1, 2});
  return f;
}

Frame scaled_gable(Random& r) {
  Frame f = gable();
  const double sx = pick(r, {0.8, 1, 1.5, 2}), sy = pick(r, {1, 0.75});
  for (FrameNode& n : f.nodes) n.x *= sx, n.y *= sy;
  return f;
}

Frame any_truss(Random& r) {
  return truss(2 * between(r, 1, 4));
}
// A single span has no symmetry to lose: two spans and more.
Frame any_beam(Random& r) {
  return continuous_beam(between(r, 2, 7), pick(r, {4, 5, 6.3}));
}

// Asymmetric by design: bays or spans of widths drawn apart.
Frame uneven_bays(Random& r) {
  std::vector<double> widths(static_cast<std::size_t>(between(r, 2, 4)));
  for (double& w : widths) w = pick(r, {4, 5.5, 6, 6.2, 7.5});
  return bays(widths);
}
Frame uneven_beam(Random& r) {
  Frame f = continuous_beam(between(r, 2, 6), 5);
  double x = 0;
  for (FrameNode& n : f.nodes) n.x = x, x += pick(r, {4, 5, 5.1, 6.3});
  return f;
}

struct Shape {
  std::function<Frame(Random&)> make;
  bool symmetric;  // a slip in a coordinate shows only against the symmetry
};
const std::vector<Shape> SHAPES{{symmetric_grid, true}, {scaled_gable, true}, {any_truss, true},
                                {any_beam, true},       {uneven_bays, false}, {uneven_beam, false}};

long node_line(long k) {
  return 9 + k;
}
long bar_line(const Frame& f, long k) {
  return 9 + static_cast<long>(f.nodes.size()) + 7 + k;
}
std::string& at(std::vector<std::string>& lines, long line) {
  return lines[static_cast<std::size_t>(line - 1)];
}

std::string field(const char* format, double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

// Whether some warning of the listing stands at `line` of the forces file
// (or, when `stops` allows it, the error of a run that stops there).
bool named_at(const std::string& listing, long line, bool stops = false) {
  std::istringstream in(listing);
  const std::string mark = "F.ESF:" + std::to_string(line) + ":";
  for (std::string l; std::getline(in, l);)
    if (l.find(mark) != std::string::npos &&
        (l.find(": warning: ") != std::string::npos || (stops && l.find(": error: ") != std::string::npos)))
      return true;
  return false;
}

struct Planted {
  std::vector<std::string> forces;
  Frame solved;  // the frame the listing was written from
  long line = 0;
};

// One mistake of a kind, at a place drawn at random; `line` 0 when the
// frame has no room for it.
Planted plant(const std::string& kind, const Frame& f, Random& r) {
  Planted p{forces_lines(f), f, 0};
  const long nodes = static_cast<long>(f.nodes.size()), bars = static_cast<long>(f.bars.size());
  const long node = between(r, 1, static_cast<int>(nodes)), bar = between(r, 1, static_cast<int>(bars));
  if (kind == "node records swapped" && nodes >= 2) {
    const long k = between(r, 1, static_cast<int>(nodes - 1));
    std::swap(at(p.forces, node_line(k)), at(p.forces, node_line(k + 1)));
    p.line = node_line(k);
  } else if (kind == "node number skipped") {
    for (long k = node; k <= nodes; ++k)
      at(p.forces, node_line(k)).replace(0, 8, field("%8.0f", double(k + 1)));
    p.line = node_line(node);
  } else if (kind == "bar records swapped" && bars >= 2) {
    const long k = between(r, 1, static_cast<int>(bars - 1));
    std::swap(at(p.forces, bar_line(f, k)), at(p.forces, bar_line(f, k + 1)));
    p.line = bar_line(f, k);
  } else if (kind == "wrong node number in a bar") {
    const long j = between(r, 1, static_cast<int>(nodes));
    const int nf = f.bars[static_cast<std::size_t>(bar - 1)].nf,
              ni = f.bars[static_cast<std::size_t>(bar - 1)].ni;
    if (j == nf || j == ni) return p;
    // A node at the same distance and slope as the right one leaves the
    // length and the cosine as they were: beyond what the length rule sees.
    const FrameNode &a = f.nodes[static_cast<std::size_t>(ni - 1)],
                    &z = f.nodes[static_cast<std::size_t>(nf - 1)],
                    &w = f.nodes[static_cast<std::size_t>(j - 1)];
    if (std::fabs(std::hypot(z.x - a.x, z.y - a.y) - std::hypot(w.x - a.x, w.y - a.y)) < 1e-6 &&
        std::fabs(std::fabs(z.x - a.x) - std::fabs(w.x - a.x)) < 1e-6)
      return p;
    at(p.forces, bar_line(f, bar)).replace(26, 9, field("%9.0f", double(j)));
    p.line = bar_line(f, bar);
  } else if (kind == "coordinate edited in the listing") {
    const double delta = pick(r, {1, -0.5, 0.25, 2});
    at(p.forces, node_line(node))
        .replace(8, 15, field("%15.3f", f.nodes[static_cast<std::size_t>(node - 1)].x + delta));
    p.line = node_line(node);
  } else if (kind == "coordinate typed into the analysis") {
    // A hundredth or less: a listing written from a frame of the mistyped
    // shape fits it, and only a slip this small tells itself from a design.
    Frame moved = f;
    moved.nodes[static_cast<std::size_t>(node - 1)].x += pick(r, {0.01, -0.01, 0.005, 0.004});
    p = {forces_lines(moved), moved, node_line(node)};
  }
  return p;
}

// The first line where the planted listing holds another record than the
// sound one at a place the run counts: with `heading` 0 the node and bar
// records after their titles; in the block of `heading` the displacement records and the bar
// groups (their third records too, but the last, after which any number of
// records may stand), and the resultant records after their own heading.
// 0 when the counted places hold what they held.
long first_counted_change(const std::vector<std::string>& sound, const std::vector<std::string>& planted,
                          const Frame& f, long heading) {
  auto line = [](const std::vector<std::string>& lines, long k) {
    return k >= 1 && k <= static_cast<long>(lines.size()) ? lines[static_cast<std::size_t>(k - 1)]
                                                          : std::string("<end>");
  };
  const long nodes = static_cast<long>(f.nodes.size()), bars = static_cast<long>(f.bars.size());
  std::vector<long> counted;
  if (heading == 0) {
    for (long k = 1; k <= nodes + 1; ++k)
      if (line(sound, node_line(k)) != line(planted, node_line(k))) return node_line(k);
    // The bar section is found by its heading.
    const std::string bar_heading = "     CARACTERISTICAS DAS BARRAS";
    const long bs = static_cast<long>(line_index(sound, bar_heading)) + 1;
    const long bp = static_cast<long>(line_index(planted, bar_heading)) + 1;
    for (long k = 1; k <= bars + 1; ++k)
      if (line(sound, bs + 5 + k) != line(planted, bp + 5 + k)) return bp + 5 + k;
    return 0;
  }
  for (long k = 1; k <= nodes; ++k) counted.push_back(heading + 10 + k);
  for (long k = 1; k <= 3 * bars - 1; ++k) counted.push_back(heading + 19 + nodes + k);
  for (long k : counted)
    if (line(sound, k) != line(planted, k)) return k;
  auto resultants = [&](const std::vector<std::string>& lines) {
    return static_cast<long>(line_index(std::vector<std::string>(lines.begin() + heading, lines.end()),
                                        "     RESULTANTES NODAIS")) +
           heading + 1;
  };
  const long rs = resultants(sound), rp = resultants(planted);
  for (long k = 1; k <= nodes; ++k)
    if (line(sound, rs + 4 + k) != line(planted, rp + 4 + k)) return rp + 4 + k;
  return 0;
}

// A blank line put in, a line written twice or a line left out, at a line
// drawn at random in the node or bar section (titles and records) or in
// the block of a case drawn at random (not its headings).
Planted plant_count_slip(const std::string& kind, const Frame& f, Random& r) {
  Planted p{forces_lines(f), f, 0};
  const std::vector<std::string> sound = p.forces;
  long from = 0, to = 0, heading = 0;
  if (kind.find("section") != std::string::npos) {
    from = node_line(1) - 4;
    to = bar_line(f, static_cast<long>(f.bars.size()));
  } else {
    const std::string& name = f.cases[static_cast<std::size_t>(between(r, 0, 1))];
    heading = static_cast<long>(line_index(sound, "     CARREGAMENTO: " + name)) + 1;
    from = heading + 1;
    to = static_cast<long>(line_index(std::vector<std::string>(sound.begin() + heading, sound.end()),
                                      "     RESULTANTES NODAIS")) +
         heading + 5 + static_cast<long>(f.nodes.size());
  }
  const long at = between(r, static_cast<int>(from), static_cast<int>(to));
  const std::string& here = sound[static_cast<std::size_t>(at - 1)];
  for (const char* heading_start : {"     COORDENADAS", "     CARACTERISTICAS", "     RESULTANTES"})
    if (here.rfind(heading_start, 0) == 0 && kind.find("left out") != std::string::npos)
      return p;  // a heading left out is another mistake
  auto& lines = p.forces;
  if (kind.find("blank") != std::string::npos)
    lines.insert(lines.begin() + (at - 1), "");
  else if (kind.find("twice") != std::string::npos)
    lines.insert(lines.begin() + at, lines[static_cast<std::size_t>(at - 1)]);
  else
    lines.erase(lines.begin() + (at - 1));
  p.line = first_counted_change(sound, lines, f, heading);
  return p;
}

TEST(GeneratedFrames, SoundOnesGiveNothingAndPlantedMistakesAreNamedAtTheirLine) {
  Random r(20261209);
  Random slips(
      20261210);  // the mistakes of record counts drawn apart, leaving the others' draws as they were
  const std::vector<std::string> kinds{"node records swapped",
                                       "node number skipped",
                                       "bar records swapped",
                                       "wrong node number in a bar",
                                       "coordinate edited in the listing",
                                       "coordinate typed into the analysis",
                                       "blank line put in a section",
                                       "line of a section written twice",
                                       "line of a section left out",
                                       "blank line put in a case block",
                                       "line of a case block written twice",
                                       "line of a case block left out"};
  int sound = 0, false_alarms = 0;
  std::map<std::string, std::pair<int, int>> named;  // kind: named, planted
  for (int k = 0; k < 48; ++k) {
    const Shape& shape = SHAPES[static_cast<std::size_t>(k) % SHAPES.size()];
    const Frame f = shape.make(r);
    CheckedFiles clean(combination_lines(f), forces_lines(f));
    ++sound;
    if (clean.listing != "0 warnings\n") {
      ++false_alarms;
      ADD_FAILURE() << "sound frame " << k << ":\n" << clean.listing;
    }
    for (const std::string& kind : kinds) {
      if (kind == "coordinate typed into the analysis" && !shape.symmetric) continue;
      const Planted p =
          kind.find("line") != std::string::npos ? plant_count_slip(kind, f, slips) : plant(kind, f, r);
      if (p.line == 0) continue;
      CheckedFiles c(combination_lines(p.solved), p.forces);
      auto& [hit, all] = named[kind];
      ++all;
      // A line too many or too few that makes the run stop at it is not
      // silent: the run's error names the line.
      if (named_at(c.listing, p.line, kind.find("line") != std::string::npos))
        ++hit;
      else
        std::cout << kind << " at line " << p.line << " not named in frame " << k << ":\n" << c.listing;
    }
  }
  EXPECT_EQ(false_alarms, 0) << "of " << sound;
  for (const auto& [kind, counts] : named) {
    std::cout << kind << ": " << counts.first << " of " << counts.second << "\n";
    EXPECT_GE(counts.first * 100, counts.second * 99) << kind;
  }
}

}  // namespace
}  // namespace toval::testing
