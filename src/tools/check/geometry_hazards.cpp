#include "tools/check/geometry_hazards.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "combine/reacoes.h"
#include "combine/simetria.h"
#include "combine/tolerance.h"

namespace toval::tools::check {

namespace {

// Mirror bars of the frame under a tolerance, worked out in a table of its
// own so that the run's pairing stays as the run left it.
Table<Whole> pairing(const Store& s, const RunCounts& c, Real tolerance) {
  Table<Whole> BAR_SIM(s.BL6.BAR_SIM.capacity());
  Real XS = 0.0f;
  pair_mirror_bars(s.BL2, s.BL3, BAR_SIM, c.NNOS, c.NBAR, XS, tolerance);
  return BAR_SIM;
}

std::string tolerance_text(Real t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", static_cast<double>(t));
  return buf;
}

}  // namespace

void find_near_mirror_bars(const Store& s, const RunCounts& c, const RunWatch& watch,
                           const std::set<long>& told, HazardList& hazards) {
  if (c.NNOS < 1 || c.NBAR < 2) return;
  const Real wide = DT * NEAR_MIRROR_FACTOR;
  const Table<Whole> exact = pairing(s, c, DT);
  const Table<Whole> near = pairing(s, c, wide);
  // Both bars of such a pair are told, each at its own record.
  auto warn = [&](Whole bar, Whole other) {
    hazards.warn(
        Source::forces_file, watch.bar_line(bar), 1, Kind::geometry,
        "bar " + std::to_string(bar) + " has no mirror bar, but bar " + std::to_string(other) +
            " would mirror it if the tolerance " + tolerance_text(DT) + " were " + tolerance_text(wide) +
            ": the report lists the two bars apart instead of as a pair; a rounded coordinate, length "
            "or cosine, probably: check those of both bars and of their nodes");
  };
  for (Whole K = 1; K <= c.NBAR; ++K) {
    const Whole J = near(K);
    if (exact(K) != 0 || J <= K || exact(J) != 0 || told.count(K) != 0 || told.count(J) != 0) continue;
    warn(K, J);
    warn(J, K);
  }
}

void find_support_nodes(const Store& s, const RunCounts& c, const RunWatch& watch, HazardList& hazards) {
  if (c.NNOS < 1) return;
  const Nodes& n = s.BL2;
  auto support = [&](Whole K) { return is_support(n, K); };
  Real X_MIN = n.X(1), X_MAX = n.X(1);
  for (Whole K = 2; K <= c.NNOS; ++K) {
    X_MIN = std::min(X_MIN, n.X(K));
    X_MAX = std::max(X_MAX, n.X(K));
  }
  // Nodes on the vertical line through `x`, as the choice of nodes counts them.
  auto on_line = [&](Real x, bool free_only) {
    int count = 0;
    for (Whole K = 1; K <= c.NNOS; ++K)
      if (on_vertical_line(x, n.X(K)) && (!free_only || !support(K))) ++count;
    return count;
  };
  struct Role {
    Whole node;
    const char* name;
    const char* rule;
    bool expected;  // a support that the choice rule takes in a sound frame
  };
  // The frame stands at the height of its lowest node and of its supports.
  Real Y_MIN = n.Y(1), Y_SUPPORT = n.Y(1);
  bool any_support = false;
  for (Whole K = 1; K <= c.NNOS; ++K) {
    Y_MIN = std::min(Y_MIN, n.Y(K));
    if (support(K) && K != s.BL7.NO_C) {
      Y_SUPPORT = any_support ? std::max(Y_SUPPORT, n.Y(K)) : n.Y(K);
      any_support = true;
    }
  }
  auto standing = [&](Whole K) {
    const double y = double{n.Y(K)};
    return y <= double{Y_MIN} + double{DT} || (any_support && y <= double{Y_SUPPORT} + double{DT});
  };
  // A support alone on an edge line is the end of a truss or beam; the
  // lowest node on the axis is a support wherever the frame stands on one
  // there: a middle column's foot, the middle support of a beam.
  const bool centre_stands = s.BL7.NO_C >= 1 && s.BL7.NO_C <= c.NNOS && standing(s.BL7.NO_C);
  const Role roles[] = {
      {s.BL7.NO_E, "left", "the highest node on the leftmost line", on_line(X_MIN, false) == 1},
      {s.BL7.NO_C, "centre", "the lowest node on the symmetry axis", centre_stands},
      {s.BL7.NO_D, "right", "the highest node on the rightmost line", on_line(X_MAX, false) == 1},
  };
  for (const Role& r : roles) {
    if (r.node < 1 || r.node > c.NNOS || !support(r.node) || r.expected) continue;
    const long line = watch.node_line(r.node);
    if (line == 0) continue;
    hazards.warn(Source::forces_file, line, 1, Kind::geometry,
                 "node " + std::to_string(r.node) + ", the " + r.name + " node of the displacement table (" +
                     r.rule +
                     "), is a support: the report gives it a support's displacements, zero where "
                     "restrained; check the restraint codes of the nodes on that line");
  }
}

}  // namespace toval::tools::check
