#include "combine/simetria.h"

#include <cmath>

#include "combine/tolerance.h"
#include "store/arithmetic.h"
#include "store/record_io.h"

namespace toval {

namespace {

constexpr Item AXIS_LINE[] = {SLASH, Text(" EIXO DE SIMETRIA       : "), F(8, 4), SLASH, SLASH};

// +1 when the bar rises from its initial to its final node, -1 when it
// falls, 0 when both ends lie at the same height (no tolerance).
int rise(const Store& s, Whole bar) {
  const Real y_initial = s.BL2.Y(s.BL3.NI(bar));
  const Real y_final = s.BL2.Y(s.BL3.NF(bar));
  return y_initial < y_final ? 1 : y_initial > y_final ? -1 : 0;
}

}  // namespace

void SIMETRIA(Store& s, Whole& NNOS, Whole& NBAR, Real& XS) {
  pair_mirror_bars(s, NNOS, NBAR, XS, DT);
  write_record(s.console, AXIS_LINE, XS);
}

void pair_mirror_bars(Store& s, Whole NNOS, Whole NBAR, Real& XS, Real DT) {
  Table<Real, MAX_BARS> XM, YM;
  Table<Whole, MAX_BARS> LOC_BAR;
  const Nodes& n = s.BL2;
  const Bars& b = s.BL3;
  Table<Whole, MAX_BARS>& BAR_SIM = s.BL6.BAR_SIM;

  XS = 0.0f;
  for (Whole K = 1; K <= NBAR; ++K) BAR_SIM(K) = 0;

  // The axis is the mean abscissa of all nodes; every partial sum is stored.
  // No nodes at all makes this 0/0, which ends the run as invalid.
  for (Whole K = 1; K <= NNOS; ++K) XS = to_real(double{XS} + double{n.X(K)});
  XS = to_real(divide(XS, NNOS));

  for (Whole K = 1; K <= NBAR; ++K) {
    XM(K) = to_real((double{n.X(b.NI(K))} + double{n.X(b.NF(K))}) / 2.0);
    YM(K) = to_real((double{n.Y(b.NI(K))} + double{n.Y(b.NF(K))}) / 2.0);
  }

  // The band limits are used unrounded; a midpoint on a limit is on the axis.
  const double left_limit = double{XS} - double{DT};
  const double right_limit = double{XS} + double{DT};
  for (Whole K = 1; K <= NBAR; ++K) {
    LOC_BAR(K) = XM(K) < left_limit ? -1 : XM(K) > right_limit ? 1 : 0;
  }

  for (Whole I = 1; I <= NBAR - 1; ++I) {
    for (Wide J = I + 1; J <= NBAR; ++J) {
      // The differences are stored before they are compared with DT.
      const Real DX1 = to_real(std::fabs(double{XS} - double{XM(I)}));
      const Real DX2 = to_real(std::fabs(double{XS} - double{XM(J)}));
      const Real DX = to_real(std::fabs(double{DX1} - double{DX2}));
      const Real DY = to_real(std::fabs(double{YM(I)} - double{YM(J)}));
      const Real DL = to_real(std::fabs(double{b.L(I)} - double{b.L(J)}));
      const Real DCD = to_real(std::fabs(double{std::fabs(b.CD(I))} - double{std::fabs(b.CD(J))}));

      const bool across = LOC_BAR(I) == -1 && LOC_BAR(J) == 1;
      const bool on_axis = LOC_BAR(I) == 0 && LOC_BAR(J) == 0;
      const bool candidate = (across || on_axis) && BAR_SIM(I) == 0 && b.PROP(I) == b.PROP(J) && DX <= DT &&
                             DY <= DT && DL <= DT && DCD <= DT;
      if (!candidate) continue;

      // A mirror bar numbered from its left end rises in the opposite sense;
      // two columns pair whatever their senses.
      const bool opposite_senses = rise(s, I) * rise(s, static_cast<Whole>(J)) <= 0;
      const bool both_vertical = std::fabs(b.CD(I)) <= DT && std::fabs(b.CD(J)) <= DT;
      if (opposite_senses || both_vertical) {
        BAR_SIM(I) = static_cast<Whole>(J);
        BAR_SIM(J) = I;
      }
    }
  }
}

}  // namespace toval
