#include "tools/check/bar_lengths.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "combine/tolerance.h"

namespace toval::tools::check {

namespace {

// Bars searched for a node number that would fit; past these the listing
// disagrees with its node section throughout, and the first ones tell it.
constexpr std::size_t SEARCHED_BARS = 100;

std::string fixed(double v, int decimals) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

bool fits(const CheckedFrame& f, long ni, long nf, const FrameBar& b) {
  return bar_fits(f, f.node(ni), f.node(nf), b);
}

// Where the listed length and cosine of `bar` put node `end` of it, the
// other end held: the abscissa from the cosine (its sign as the listing
// writes it), the height from the length, on the side nearer where it is.
std::vector<FramePoint> implied_places(const CheckedFrame& f, const FrameBar& b, long end) {
  const bool final_end = end == b.nf;
  const FramePoint other = f.node(final_end ? b.ni : b.nf);
  const FramePoint here = f.node(end);
  const double dx = b.length * b.cosine * (final_end ? 1.0 : -1.0);
  const double dy = std::sqrt(std::max(0.0, b.length * b.length - dx * dx));
  std::vector<FramePoint> out;
  for (double sx : {1.0, -1.0}) {  // the listing may give the cosine's magnitude only
    const double x = other.x + sx * dx;
    const double up = other.y + dy, down = other.y - dy;
    const bool up_nearer = std::fabs(up - here.y) <= std::fabs(down - here.y);
    out.push_back({x, up_nearer ? up : down});
    out.push_back({x, up_nearer ? down : up});
  }
  return out;
}

double to_thousandths(double v) {
  return std::round(v * 1000.0) / 1000.0;
}

// The place for node k at which every bar meeting there fits, when the
// listed lengths and cosines of `bar` give one: written to the listing's
// three decimals, and with one coordinate kept where that one fits.
std::optional<FramePoint> fitting_place(const CheckedFrame& f, long k, const FrameBar& bar) {
  auto all_fit = [&](FramePoint p) {
    for (long other : f.bars_at[static_cast<std::size_t>(k - 1)]) {
      const FrameBar& b = f.bar(other);
      const FramePoint a = b.ni == k ? p : f.node(b.ni);
      const FramePoint z = b.nf == k ? p : f.node(b.nf);
      if (!bar_fits(f, a, z, b)) return false;
    }
    return true;
  };
  const FramePoint here = f.node(k);
  for (FramePoint p : implied_places(f, bar, k)) {
    const FramePoint rounded{to_thousandths(p.x), to_thousandths(p.y)};
    for (FramePoint q : {FramePoint{rounded.x, here.y}, FramePoint{here.x, rounded.y}, rounded})
      if (all_fit(q)) return q;
  }
  return std::nullopt;
}

// The coordinates that differ, "x = 15", "y = 4" or both.
std::string place_text(FramePoint from, FramePoint to, long& column) {
  const double dt = double{DT};
  const bool x = std::fabs(to.x - from.x) > dt / 2, y = std::fabs(to.y - from.y) > dt / 2;
  column = x ? geometry_columns().x : geometry_columns().y;
  if (x && y) return "x = " + coordinate_text(to.x) + ", y = " + coordinate_text(to.y);
  return x ? "x = " + coordinate_text(to.x) : "y = " + coordinate_text(to.y);
}

std::string bar_list(const std::vector<long>& bars) {
  std::string s = bars.size() == 1 ? "bar " : "bars ";
  for (std::size_t k = 0; k < bars.size(); ++k)
    s += (k == 0 ? "" : k + 1 == bars.size() ? " and " : ", ") + std::to_string(bars[k]);
  return s;
}

// Node positions by the numbers the node section writes, when they are not
// the positions themselves.
std::map<long, long> written_numbers(const RunWatch& watch) {
  std::map<long, long> by_number;
  bool shuffled = false;
  long position = 0;
  for (const SectionRecord& r : watch.node_records()) {
    if (r.number == 0) break;
    ++position;
    by_number.try_emplace(r.number, position);
    shuffled = shuffled || r.number != position;
  }
  return shuffled ? by_number : std::map<long, long>{};
}

// Other node numbers at one end of the bar that fit its listed length and
// cosine (its sign as written, or its magnitude only), with the column of
// the first one's field.
void search_node_numbers(const CheckedFrame& f, const FrameBar& b, bool with_sign,
                         std::vector<std::string>& fitting, long& column) {
  const long nodes = static_cast<long>(f.nodes.size());
  auto try_fit = [&](long ni, long nf, long at_column, const std::string& what) {
    if (fitting.size() >= 4) return;
    const FramePoint a = f.node(ni), z = f.node(nf);
    if (!length_fits(a, z, b.length) || !cosine_fits(a, z, b.cosine, with_sign)) return;
    if (fitting.empty()) column = at_column;
    fitting.push_back(what);
  };
  for (long j = 1; j <= nodes; ++j) {
    if (j == b.ni || j == b.nf) continue;
    try_fit(j, b.nf, geometry_columns().initial_node, "initial node " + std::to_string(j));
    try_fit(b.ni, j, geometry_columns().final_node, "final node " + std::to_string(j));
  }
}

void tell_node(const CheckedFrame& f, long k, FramePoint place, const std::vector<long>& disagreeing,
               const RunWatch& watch, HazardList& hazards, NamedGeometry& named) {
  long column = geometry_columns().x;
  const FramePoint here = f.node(k);
  const std::string to = place_text(here, place, column);
  const std::string from =
      column == geometry_columns().x ? "x = " + coordinate_text(here.x) : "y = " + coordinate_text(here.y);
  hazards.warn(Source::forces_file, watch.node_line(k), column, Kind::geometry,
               "node " + std::to_string(k) + " lies at " + from + ", but the lengths and cosines that " +
                   bar_list(disagreeing) + " list put it at " + to +
                   ": the symmetry axis, the mirror pairs and the characteristic nodes are found from the "
                   "coordinates; a mistyped coordinate, probably: check this node's record");
  named.nodes.insert(k);
  for (long bar : disagreeing) named.bars.insert(bar);
}

// Another node shares the coordinate that `value` stands for.
bool shared(const CheckedFrame& f, long k, bool x, double value) {
  for (long j = 1; j <= static_cast<long>(f.nodes.size()); ++j)
    if (j != k && std::fabs((x ? f.node(j).x : f.node(j).y) - value) <= double{DT}) return true;
  return false;
}

bool on_a_node(const CheckedFrame& f, FramePoint p) {
  for (const FramePoint& q : f.nodes)
    if (std::fabs(q.x - p.x) <= double{DT} && std::fabs(q.y - p.y) <= double{DT}) return true;
  return false;
}

struct EndPlace {
  long node = 0;
  FramePoint place;
  bool lines_up = false;  // the new coordinate lines the node up with another, the old one did not
  int rounder = 0;        // digits the written value loses
};

// One bar disagrees: the end of it whose bars all fit once it stands where
// this bar puts it, the more likely of two first.
std::optional<EndPlace> end_place(const CheckedFrame& f, long bar) {
  const FrameBar& b = f.bar(bar);
  std::optional<EndPlace> best;
  for (long end : {b.nf, b.ni}) {
    if (end < 1 || end > static_cast<long>(f.nodes.size())) continue;
    const std::optional<FramePoint> place = fitting_place(f, end, b);
    if (!place || on_a_node(f, *place)) continue;  // onto another node: a node number, rather
    const FramePoint here = f.node(end);
    const bool x = std::fabs(place->x - here.x) > double{DT} / 2;
    const double from = x ? here.x : here.y, to = x ? place->x : place->y;
    const EndPlace e{end, *place, shared(f, end, x, to) && !shared(f, end, x, from),
                     listed_decimals(from) - listed_decimals(to)};
    if (!best || std::tie(e.lines_up, e.rounder) > std::tie(best->lines_up, best->rounder)) best = e;
  }
  return best;
}

}  // namespace

NamedGeometry find_bar_length_hazards(const CheckedFrame& f, const RunWatch& watch, HazardList& hazards) {
  NamedGeometry named;
  const long bars = static_cast<long>(f.bars.size());
  const long nodes = static_cast<long>(f.nodes.size());
  std::vector<bool> off(f.bars.size(), false);
  bool any = false;
  const std::map<long, long> by_number = written_numbers(watch);
  for (long k = 1; k <= bars; ++k) {
    const FrameBar& b = f.bar(k);
    if (fits(f, b.ni, b.nf, b)) continue;
    // A node section numbered out of order is told once, at its own records.
    auto ni = by_number.find(b.ni), nf = by_number.find(b.nf);
    if (ni != by_number.end() && nf != by_number.end() && fits(f, ni->second, nf->second, b)) continue;
    off[static_cast<std::size_t>(k - 1)] = any = true;
  }
  if (!any) return named;

  // A coordinate typed wrong: two or more bars at one node disagree, and all
  // its bars fit once the node stands where they put it.
  for (long k = 1; k <= nodes; ++k) {
    std::vector<long> disagreeing;
    for (long bar : f.bars_at[static_cast<std::size_t>(k - 1)])
      if (off[static_cast<std::size_t>(bar - 1)]) disagreeing.push_back(bar);
    if (disagreeing.size() < 2) continue;
    const std::optional<FramePoint> place = fitting_place(f, k, f.bar(disagreeing.front()));
    if (!place) continue;
    tell_node(f, k, *place, disagreeing, watch, hazards, named);
    for (long bar : disagreeing) off[static_cast<std::size_t>(bar - 1)] = false;
  }

  std::size_t searched = 0;
  for (long k = 1; k <= bars; ++k) {
    if (!off[static_cast<std::size_t>(k - 1)]) continue;
    const FrameBar& b = f.bar(k);
    // Another node number at one end that fits the listed length and cosine,
    // the cosine's sign as written first.
    std::vector<std::string> fitting;
    long column = geometry_columns().length;
    if (searched++ < SEARCHED_BARS) {
      // A node number that fits with the cosine's sign as written, else a
      // coordinate of an end whose bars all fit once it moves, else a node
      // number that fits the cosine's magnitude.
      search_node_numbers(f, b, true, fitting, column);
      const std::optional<EndPlace> end = end_place(f, k);
      if (end && (fitting.empty() || end->lines_up)) {
        tell_node(f, end->node, end->place, {k}, watch, hazards, named);
        continue;
      }
      if (fitting.empty()) search_node_numbers(f, b, false, fitting, column);
    }
    std::string advice;
    if (fitting.size() > 3) {
      advice = "several other node numbers would fit: check the node numbers of this record";
    } else if (!fitting.empty()) {
      for (std::size_t j = 0; j < fitting.size(); ++j)
        advice += (j == 0 ? "" : j + 1 == fitting.size() ? " or " : ", ") + fitting[j];
      advice += " would fit: check the node numbers of this record";
    } else {
      advice = "no other node number fits: check the length, the cosine and the node numbers of this record";
    }
    const FramePoint a = f.node(b.ni), z = f.node(b.nf);
    const double d = std::hypot(z.x - a.x, z.y - a.y);
    const std::string beyond =
        b.ni > nodes || b.nf > nodes
            ? " (the node section lists " + std::to_string(nodes) + " nodes: a node past them lies at 0, 0)"
            : "";
    hazards.warn(Source::forces_file, watch.bar_line(k), column, Kind::geometry,
                 "bar " + std::to_string(k) + " lists the length " + fixed(b.length, 3) + " and the cosine " +
                     fixed(b.cosine, 4) + ", but its nodes " + std::to_string(b.ni) + " and " +
                     std::to_string(b.nf) + " are " + fixed(d, 3) + " apart at a cosine of " +
                     fixed(d > 0 ? (z.x - a.x) / d : 0.0, 4) + beyond +
                     ": mirror bars are paired by their listed lengths and cosines and by the midpoints of "
                     "their nodes; " +
                     advice);
    named.bars.insert(k);
  }
  return named;
}

}  // namespace toval::tools::check
