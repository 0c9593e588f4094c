#include "tools/check/near_symmetry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "combine/simetria.h"
#include "combine/tolerance.h"
#include "records/run_error.h"
#include "tools/check/geometry_hazards.h"

namespace toval::tools::check {

namespace {

// Axes tried: the five most often met, and those as often met as the fifth
// up to a bound (a beam's nodes give every midpoint once).
constexpr std::size_t AXES_TRIED = 5, AXES_TIED = 64;
constexpr std::size_t MIDPOINTS_HELD = 2'000'000;

// Bars that the run's pairing pairs, with node `moved` (0: none) at `to`
// and the lengths and cosines of its bars as those coordinates give them
// (a listing written from the corrected frame would list those).
long paired_bars(const Store& s, const RunCounts& c, const CheckedFrame& f, long moved, FramePoint to) {
  Nodes nodes = s.BL2;
  Bars bars = s.BL3;
  if (moved != 0) {
    nodes.X(moved) = static_cast<Real>(to.x);
    nodes.Y(moved) = static_cast<Real>(to.y);
    for (long bar : f.bars_at[static_cast<std::size_t>(moved - 1)]) {
      const FrameBar& b = f.bar(bar);
      const FramePoint a = b.ni == moved ? to : f.node(b.ni);
      const FramePoint z = b.nf == moved ? to : f.node(b.nf);
      const double d = std::hypot(z.x - a.x, z.y - a.y);
      bars.L(bar) = static_cast<Real>(d);
      bars.CD(bar) = static_cast<Real>(d > 0 ? (z.x - a.x) / d : 0.0);
    }
  }
  Table<Whole> BAR_SIM(s.BL6.BAR_SIM.capacity());
  Real XS = 0.0f;
  try {
    pair_mirror_bars(nodes, bars, BAR_SIM, c.NNOS, c.NBAR, XS, DT);
  } catch (const RunError&) {
    return 0;
  }
  long paired = 0;
  for (Whole K = 1; K <= c.NBAR; ++K) paired += BAR_SIM(K) != 0 ? 1 : 0;
  return paired;
}

// Axes that many nodes mirror about: midpoints of two nodes at one height,
// and the abscissa of each node (which mirrors itself on its axis), gathered
// within DT; the most often met first.
std::vector<double> likely_axes(const CheckedFrame& f) {
  const double dt = double{DT};
  std::vector<FramePoint> by_y = f.nodes;
  std::sort(by_y.begin(), by_y.end(), [](FramePoint a, FramePoint b) { return a.y < b.y; });
  std::vector<double> mids;
  for (std::size_t i = 0; i < by_y.size();) {
    std::size_t j = i;
    while (j < by_y.size() && by_y[j].y - by_y[i].y <= dt) ++j;
    for (std::size_t p = i; p < j && mids.size() < MIDPOINTS_HELD; ++p)
      for (std::size_t q = p; q < j && mids.size() < MIDPOINTS_HELD; ++q)
        mids.push_back((by_y[p].x + by_y[q].x) / 2);
    i = j;
  }
  std::sort(mids.begin(), mids.end());
  std::vector<std::pair<std::size_t, double>> clusters;  // votes, axis
  for (std::size_t i = 0; i < mids.size();) {
    std::size_t j = i;
    while (j < mids.size() && mids[j] - mids[i] <= dt) ++j;
    clusters.push_back({j - i, mids[i + (j - i) / 2]});
    i = j;
  }
  std::stable_sort(clusters.begin(), clusters.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<double> out;
  for (std::size_t k = 0; k < clusters.size() && k < AXES_TIED; ++k) {
    if (k >= AXES_TRIED && clusters[k].first < clusters[AXES_TRIED - 1].first) break;
    out.push_back(clusters[k].second);
  }
  return out;
}

struct Fix {
  long node = 0;
  long partner = 0;  // the node it would mirror; 0 when it would lie on the axis
  bool x = true;     // which coordinate moves
  FramePoint to;
  double axis = 0;
  long paired = 0;
  std::tuple<int, long, long> likelihood;  // rounder value, nodes sharing it, listed lengths fitting better
};

// How far the listed lengths and cosines of the bars at `node` are from
// its coordinates at `p`.
double residual(const CheckedFrame& f, long node, FramePoint p) {
  double sum = 0;
  for (long bar : f.bars_at[static_cast<std::size_t>(node - 1)]) {
    const FrameBar& b = f.bar(bar);
    const FramePoint a = b.ni == node ? p : f.node(b.ni), z = b.nf == node ? p : f.node(b.nf);
    const double d = std::hypot(z.x - a.x, z.y - a.y);
    sum += std::fabs(b.length - d) +
           (d > 0 ? b.length * std::fabs(std::fabs(b.cosine) - std::fabs(z.x - a.x) / d) : 0);
  }
  return sum;
}

// How much more the fix looks like the slip than its alternative: the
// value written is rounder, other nodes share it, the bars' listed lengths
// fit the moved node better (a listing edited after it was written).
std::tuple<int, long, long> likelihood(const CheckedFrame& f, const Fix& fix) {
  const FramePoint here = f.node(fix.node);
  const long fit_gain =
      std::lround((residual(f, fix.node, here) - residual(f, fix.node, fix.to)) / double{DT});
  const double from = fix.x ? here.x : here.y, to = fix.x ? fix.to.x : fix.to.y;
  long sharing = 0;
  for (long k = 1; k <= static_cast<long>(f.nodes.size()); ++k) {
    if (k == fix.node || k == fix.partner) continue;
    const double v = fix.x ? f.node(k).x : f.node(k).y;
    sharing += (std::fabs(v - to) <= double{DT} ? 1 : 0) - (std::fabs(v - from) <= double{DT} ? 1 : 0);
  }
  return {listed_decimals(from) - listed_decimals(to), sharing, fit_gain};
}

// The two values written to three decimals differ in one digit: a slip of
// the hand, not a dimension of the design.
bool one_digit_apart(double a, double b) {
  char x[48], y[48];
  std::snprintf(x, sizeof x, "%.3f", a);
  std::snprintf(y, sizeof y, "%.3f", b);
  const std::string u = x, v = y;
  if (u.size() != v.size()) return false;
  int differ = 0;
  for (std::size_t k = 0; k < u.size(); ++k) differ += u[k] != v[k] ? 1 : 0;
  return differ == 1;
}

// Moves of one coordinate of one node that make every node mirror another
// about `axis`, given the nodes without a mirror node there.
std::vector<Fix> fixes_about(const CheckedFrame& f, double axis, const std::vector<long>& unmatched) {
  const double dt = double{DT};
  std::vector<Fix> out;
  if (unmatched.size() == 1) {
    const FramePoint p = f.node(unmatched[0]);
    out.push_back({unmatched[0], 0, true, {axis, p.y}, axis, 0, {}});
  } else if (unmatched.size() == 2) {
    for (int k = 0; k < 2; ++k) {
      const long u = unmatched[static_cast<std::size_t>(k)], v = unmatched[static_cast<std::size_t>(1 - k)];
      const FramePoint p = f.node(u), q = f.node(v);
      const FramePoint mirror{2.0 * axis - q.x, q.y};
      if (std::fabs(p.y - mirror.y) <= dt)
        out.push_back({u, v, true, {mirror.x, p.y}, axis, 0, {}});
      else if (std::fabs(p.x - mirror.x) <= dt)
        out.push_back({u, v, false, {p.x, mirror.y}, axis, 0, {}});
    }
  }
  return out;
}

// Whether a move is worth telling of: as small as a rounding, or one
// mistyped digit after which the bars' listed lengths and cosines fit the
// node better (a listing as written from a frame of that shape fits its
// coordinates, however near symmetric the frame). Sets its likelihood.
bool plausible_move(const CheckedFrame& f, Fix& fix, double x_min, double x_max) {
  const FramePoint here = f.node(fix.node);
  const double move = fix.x ? std::fabs(fix.to.x - here.x) : std::fabs(fix.to.y - here.y);
  const double span = std::max(x_max, fix.to.x) - std::min(x_min, fix.to.x);
  const bool rounded = move <= double{DT} * NEAR_MIRROR_FACTOR;
  fix.likelihood = likelihood(f, fix);
  const bool slip = move <= NEAR_SYMMETRY_SHARE * span &&
                    one_digit_apart(fix.x ? here.x : here.y, fix.x ? fix.to.x : fix.to.y) &&
                    std::get<2>(fix.likelihood) >= 1;
  return rounded || slip;
}

// The plausible moves, about every likely axis, that pair more bars than
// the frame pairs now.
std::vector<Fix> fixes_pairing_more(const Store& s, const RunCounts& c, const CheckedFrame& f,
                                    const NamedGeometry& named, long paired_now) {
  double x_min = f.nodes[0].x, x_max = x_min;
  for (const FramePoint& p : f.nodes) x_min = std::min(x_min, p.x), x_max = std::max(x_max, p.x);
  std::vector<Fix> found;
  std::vector<double> tried;
  for (double axis : likely_axes(f)) {
    if (std::any_of(tried.begin(), tried.end(), [&](double a) { return std::fabs(a - axis) <= double{DT}; }))
      continue;
    tried.push_back(axis);
    const std::vector<long> unmatched = unmatched_nodes(f, axis, 3);
    if (unmatched.empty() || unmatched.size() > 2) continue;
    for (Fix fix : fixes_about(f, axis, unmatched)) {
      if (named.nodes.count(fix.node) != 0 || !plausible_move(f, fix, x_min, x_max)) continue;
      fix.paired = paired_bars(s, c, f, fix.node, fix.to);
      if (fix.paired > paired_now) found.push_back(fix);
    }
  }
  return found;
}

std::string place_of(const Fix& fix, FramePoint p) {
  return fix.x ? "x = " + coordinate_text(p.x) : "y = " + coordinate_text(p.y);
}

// One fix as a warning at the node's record; `other`, when not null, is a
// fix the listing cannot tell from this one, named too.
void tell_fix(const CheckedFrame& f, const RunCounts& c, const Fix& fix, const Fix* other, long paired_now,
              const RunWatch& watch, NamedGeometry& named, HazardList& hazards) {
  std::vector<Phrase> text = {{Text::node_off_axis,
                               {std::to_string(fix.node), place_of(fix, f.node(fix.node)),
                                coordinate_text(fix.axis), place_of(fix, fix.to)}},
                              fix.partner == 0
                                  ? Phrase{Text::would_lie_on_axis, {}}
                                  : Phrase{Text::would_mirror_node, {std::to_string(fix.partner)}},
                              {Text::would_pair,
                               {std::to_string(fix.paired), std::to_string(static_cast<long>(f.bars.size())),
                                std::to_string(paired_now)}}};
  if (other != nullptr)
    text.push_back({Text::or_other_node, {std::to_string(other->node), place_of(*other, other->to)}});
  text.push_back({Text::axis_and_advice, {coordinate_text(double{c.XS})}});
  hazards.warn(Source::forces_file, watch.node_line(fix.node),
               fix.x ? geometry_columns().x : geometry_columns().y, Kind::geometry, std::move(text));
  named.nodes.insert(fix.node);
  for (long bar : f.bars_at[static_cast<std::size_t>(fix.node - 1)]) named.bars.insert(bar);
}

}  // namespace

void find_near_symmetry(const Store& s, const RunCounts& c, const CheckedFrame& f, const RunWatch& watch,
                        NamedGeometry& named, HazardList& hazards) {
  if (f.nodes.size() < 3 || f.bars.size() < 2) return;
  // Every node mirrors another about the run's axis: the nodes are as
  // symmetric as the frame can be.
  if (unmatched_nodes(f, double{c.XS}, 1).empty()) return;
  const long paired_now = paired_bars(s, c, f, 0, {});
  std::vector<Fix> found = fixes_pairing_more(s, c, f, named, paired_now);
  if (found.empty()) return;
  auto rank = [](const Fix& a) { return std::tuple_cat(std::make_tuple(a.paired), a.likelihood); };
  std::stable_sort(found.begin(), found.end(), [&](const Fix& a, const Fix& b) { return rank(a) > rank(b); });
  for (const Fix& fix : found) {
    if (rank(fix) != rank(found.front())) break;
    const Fix* other = nullptr;
    for (const Fix& alt : found)
      if (&alt != &fix && rank(alt) == rank(fix) && alt.node != fix.node) other = &alt;
    tell_fix(f, c, fix, other, paired_now, watch, named, hazards);
  }
}

}  // namespace toval::tools::check
