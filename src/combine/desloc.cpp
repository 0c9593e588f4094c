#include "combine/desloc.h"

#include <cmath>

#include "combine/tolerance.h"
#include "input/combination_file.h"
#include "store/arithmetic.h"

namespace toval {

void choose_characteristic_nodes(Store& s, Whole NNOS, Real XS) {
  const Nodes& n = s.BL2;
  DisplacementNodes& c = s.BL7;

  Real X_MIN = n.X(1), X_MAX = n.X(1);
  for (Whole k = 2; k <= NNOS; ++k) {
    if (n.X(k) < X_MIN) X_MIN = n.X(k);
    if (n.X(k) > X_MAX) X_MAX = n.X(k);
  }

  c.NO_E = c.NO_C = c.NO_D = c.NO_CE = c.NO_CD = 0;
  // Highest node on the outer lines, lowest on the axis; among equals the first.
  for (Whole k = 1; k <= NNOS; ++k) {
    if (on_vertical_line(X_MIN, n.X(k)) && (c.NO_E == 0 || n.Y(c.NO_E) < n.Y(k))) c.NO_E = k;
    if (on_vertical_line(XS, n.X(k)) && (c.NO_C == 0 || n.Y(c.NO_C) > n.Y(k))) c.NO_C = k;
    if (on_vertical_line(X_MAX, n.X(k)) && (c.NO_D == 0 || n.Y(c.NO_D) < n.Y(k))) c.NO_D = k;
  }
  if (c.NO_C != 0) return;

  // No node on the axis: the flanking lines come from the last pair of
  // consecutive nodes lying wholly on each side, at its node nearer the axis.
  // A side without such a pair keeps the distance 0, i.e. the axis itself.
  Real DXE = 0.0f, DXD = 0.0f;
  for (Whole k = 1; k <= NNOS - 1; ++k) {
    const Real DXE1 = to_real(double{XS} - double{n.X(k)});
    const Real DXE2 = to_real(double{XS} - double{n.X(k + 1)});
    const Real DXD1 = to_real(double{n.X(k)} - double{XS});
    const Real DXD2 = to_real(double{n.X(k + 1)} - double{XS});
    if (DXE1 > 0 && DXE2 > 0) DXE = DXE2 > DXE1 ? DXE1 : DXE2;
    if (DXD1 > 0 && DXD2 > 0) DXD = DXD2 > DXD1 ? DXD1 : DXD2;
  }
  DXE = to_real(double{XS} - double{DXE});
  DXD = to_real(double{XS} + double{DXD});

  // The lowest node on each flanking line, the first among equals.
  for (Whole k = 1; k <= NNOS; ++k) {
    if (on_vertical_line(DXE, n.X(k)) && (c.NO_CE == 0 || n.Y(c.NO_CE) > n.Y(k))) c.NO_CE = k;
    if (on_vertical_line(DXD, n.X(k)) && (c.NO_CD == 0 || n.Y(c.NO_CD) > n.Y(k))) c.NO_CD = k;
  }
}

namespace {

// The three displacements of one node.
struct NodeValues {
  Real DX = 0.0f, DY = 0.0f, DZ = 0.0f;
};

}  // namespace

void DESLOC(Store& s, Listing& listing, Whole& NNOS, Real& XS, Whole& NCCAR) {
  choose_characteristic_nodes(s, NNOS, XS);
  const DisplacementNodes& c = s.BL7;
  Displacements& d = s.BL8;

  // Values of the flanking nodes; a case whose block lacks one of them keeps
  // the previous case's values.
  NodeValues CE, CD;

  for (Whole I = 1; I <= NCCAR; ++I) {
    Listing::Block& block = listing.displacements_of(s.BL4.CCAR(I), case_list_asker(s, I), NNOS);
    for (Whole k = 1; k <= NNOS; ++k) {
      const Whole N = listing.displacement_node(block, NNOS, k);
      // A role without a node (0) takes no record, whatever number a record carries.
      const bool is_E = N == c.NO_E && c.NO_E != 0;
      const bool is_C = N == c.NO_C && c.NO_C != 0;
      const bool is_CE = c.NO_C == 0 && N == c.NO_CE && c.NO_CE != 0;
      const bool is_CD = c.NO_C == 0 && N == c.NO_CD && c.NO_CD != 0;
      const bool is_D = N == c.NO_D && c.NO_D != 0;
      if (!(is_E || is_C || is_CE || is_CD || is_D)) continue;

      // The record read in full serves every role its node holds.
      const NodeValuesRecord& r = listing.displacement(block, NNOS, k);
      auto take = [&r](Real& DX, Real& DY, Real& DZ) {
        DX = r.V1;
        DY = r.V2;
        DZ = r.V3;
      };
      if (is_E) take(d.DX_E(I), d.DY_E(I), d.DZ_E(I));
      if (is_C) take(d.DX_C(I), d.DY_C(I), d.DZ_C(I));
      if (is_CE) take(CE.DX, CE.DY, CE.DZ);
      if (is_CD) take(CD.DX, CD.DY, CD.DZ);
      if (is_D) take(d.DX_D(I), d.DY_D(I), d.DZ_D(I));
    }

    if (c.NO_C == 0) {
      d.DX_C(I) = to_real((double{CE.DX} + double{CD.DX}) / 2.0);
      d.DY_C(I) = to_real((double{CE.DY} + double{CD.DY}) / 2.0);
      d.DZ_C(I) = to_real((double{CE.DZ} + double{CD.DZ}) / 2.0);
    }
  }
}

}  // namespace toval
