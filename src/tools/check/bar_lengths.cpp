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

// "3, 4" of the bars 3, 4 and 5: all but the last, apart by commas.
std::string all_but_last(const std::vector<long>& bars) {
  std::string s;
  for (std::size_t k = 0; k + 1 < bars.size(); ++k) s += (k == 0 ? "" : ", ") + std::to_string(bars[k]);
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
                         std::vector<Phrase>& fitting, long& column) {
  const long nodes = static_cast<long>(f.nodes.size());
  auto try_fit = [&](long ni, long nf, long at_column, Phrase what) {
    if (fitting.size() >= 4) return;
    const FramePoint a = f.node(ni), z = f.node(nf);
    if (!length_fits(a, z, b.length) || !cosine_fits(a, z, b.cosine, with_sign)) return;
    if (fitting.empty()) column = at_column;
    fitting.push_back(std::move(what));
  };
  for (long j = 1; j <= nodes; ++j) {
    if (j == b.ni || j == b.nf) continue;
    try_fit(j, b.nf, geometry_columns().initial_node, {Text::fits_initial_node, {std::to_string(j)}});
    try_fit(b.ni, j, geometry_columns().final_node, {Text::fits_final_node, {std::to_string(j)}});
  }
}

// What to check, by the other node numbers that would fit.
void append_advice(const std::vector<Phrase>& fitting, std::vector<Phrase>& text) {
  if (fitting.size() > 3) {
    text.push_back({Text::several_would_fit, {}});
    return;
  }
  if (fitting.empty()) {
    text.push_back({Text::none_would_fit, {}});
    return;
  }
  for (std::size_t j = 0; j < fitting.size(); ++j) {
    if (j > 0) text.push_back({j + 1 == fitting.size() ? Text::list_or : Text::list_comma, {}});
    text.push_back(fitting[j]);
  }
  text.push_back({Text::would_fit, {}});
}

void tell_node(const CheckedFrame& f, long k, FramePoint place, const std::vector<long>& disagreeing,
               const RunWatch& watch, HazardList& hazards, NamedGeometry& named) {
  long column = geometry_columns().x;
  const FramePoint here = f.node(k);
  const std::string to = place_text(here, place, column);
  const std::string from =
      column == geometry_columns().x ? "x = " + coordinate_text(here.x) : "y = " + coordinate_text(here.y);
  hazards.warn(
      Source::forces_file, watch.node_line(k), column, Kind::geometry,
      {disagreeing.size() == 1 ? Phrase{Text::node_misplaced_by_bar,
                                        {std::to_string(k), from, std::to_string(disagreeing[0]), to}}
                               : Phrase{Text::node_misplaced_by_bars,
                                        {std::to_string(k), from, all_but_last(disagreeing), to,
                                         std::to_string(disagreeing.back())}}});
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

// The bars whose listed length and cosine do not fit their ends; a node
// section numbered out of order is told once, at its own records.
std::vector<bool> misfit_bars(const CheckedFrame& f, const RunWatch& watch) {
  std::vector<bool> off(f.bars.size(), false);
  const std::map<long, long> by_number = written_numbers(watch);
  for (long k = 1; k <= static_cast<long>(f.bars.size()); ++k) {
    const FrameBar& b = f.bar(k);
    if (fits(f, b.ni, b.nf, b)) continue;
    auto ni = by_number.find(b.ni), nf = by_number.find(b.nf);
    if (ni != by_number.end() && nf != by_number.end() && fits(f, ni->second, nf->second, b)) continue;
    off[static_cast<std::size_t>(k - 1)] = true;
  }
  return off;
}

// A coordinate typed wrong: two or more bars at one node disagree, and all
// its bars fit once the node stands where they put it. The bars told of are
// no longer off.
void tell_misplaced_nodes(const CheckedFrame& f, const RunWatch& watch, std::vector<bool>& off,
                          HazardList& hazards, NamedGeometry& named) {
  for (long k = 1; k <= static_cast<long>(f.nodes.size()); ++k) {
    std::vector<long> disagreeing;
    for (long bar : f.bars_at[static_cast<std::size_t>(k - 1)])
      if (off[static_cast<std::size_t>(bar - 1)]) disagreeing.push_back(bar);
    if (disagreeing.size() < 2) continue;
    const std::optional<FramePoint> place = fitting_place(f, k, f.bar(disagreeing.front()));
    if (!place) continue;
    tell_node(f, k, *place, disagreeing, watch, hazards, named);
    for (long bar : disagreeing) off[static_cast<std::size_t>(bar - 1)] = false;
  }
}

// The bar that fits nothing found: its listed and its computed length and
// cosine, and the node numbers that would fit, when any were searched.
void tell_misfit_bar(const CheckedFrame& f, long k, long column, const std::vector<Phrase>& fitting,
                     const RunWatch& watch, HazardList& hazards, NamedGeometry& named) {
  const FrameBar& b = f.bar(k);
  const long nodes = static_cast<long>(f.nodes.size());
  const FramePoint a = f.node(b.ni), z = f.node(b.nf);
  const double d = std::hypot(z.x - a.x, z.y - a.y);
  std::vector<Phrase> text = {
      {Text::bar_misfit,
       {std::to_string(k), fixed(b.length, 3), fixed(b.cosine, 4), std::to_string(b.ni), std::to_string(b.nf),
        fixed(d, 3), fixed(d > 0 ? (z.x - a.x) / d : 0.0, 4)}}};
  if (b.ni > nodes || b.nf > nodes) text.push_back({Text::bar_misfit_beyond, {std::to_string(nodes)}});
  text.push_back({Text::bar_misfit_why, {}});
  append_advice(fitting, text);
  hazards.warn(Source::forces_file, watch.bar_line(k), column, Kind::geometry, std::move(text));
  named.bars.insert(k);
}

}  // namespace

NamedGeometry find_bar_length_hazards(const CheckedFrame& f, const RunWatch& watch, HazardList& hazards) {
  NamedGeometry named;
  std::vector<bool> off = misfit_bars(f, watch);
  if (std::find(off.begin(), off.end(), true) == off.end()) return named;
  tell_misplaced_nodes(f, watch, off, hazards, named);

  std::size_t searched = 0;
  for (long k = 1; k <= static_cast<long>(f.bars.size()); ++k) {
    if (!off[static_cast<std::size_t>(k - 1)]) continue;
    const FrameBar& b = f.bar(k);
    std::vector<Phrase> fitting;
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
    tell_misfit_bar(f, k, column, fitting, watch, hazards, named);
  }
  return named;
}

}  // namespace toval::tools::check
