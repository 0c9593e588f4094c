#include "combine/simetria.h"

#include <algorithm>
#include <cmath>

#include "combine/tolerance.h"
#include "records/record_io.h"
#include "store/arithmetic.h"

namespace toval {

namespace {

constexpr Item AXIS_LINE[] = {SLASH, Text(" EIXO DE SIMETRIA       : "), F(8, 4), SLASH, SLASH};

// +1 when the bar rises from its initial to its final node, -1 when it
// falls, 0 when both ends lie at the same height (no tolerance).
int rise(const Nodes& n, const Bars& b, Whole bar) {
  const Real y_initial = n.Y(b.NI(bar));
  const Real y_final = n.Y(b.NF(bar));
  return y_initial < y_final ? 1 : y_initial > y_final ? -1 : 0;
}

// Every pair's six differences are formed and stored before they are
// compared with DT. The only fault they can meet is an overflow, and one
// of them overflows for some pair exactly when it does for the bars that
// lie farthest apart in that quantity (a distance from the axis alone, a
// difference of two distances or of two cosine magnitudes never can). So
// those are formed here once, and in the pairing only a pair that can be a
// candidate forms its differences: the same values, the same fault.
void form_farthest_differences(const Bars& b, const Table<Real>& XM, const Table<Real>& YM, Whole NBAR,
                               Real XS) {
  if (NBAR < 2) return;
  Real y_min = YM(1), y_max = YM(1), l_min = b.L(1), l_max = b.L(1);
  for (Whole K = 1; K <= NBAR; ++K) {
    (void)to_real(std::fabs(double{XS} - double{XM(K)}));
    y_min = std::min(y_min, YM(K));
    y_max = std::max(y_max, YM(K));
    l_min = std::min(l_min, b.L(K));
    l_max = std::max(l_max, b.L(K));
  }
  (void)to_real(double{y_max} - double{y_min});
  (void)to_real(double{l_max} - double{l_min});
}

}  // namespace

void SIMETRIA(Store& s, RecordSink& console, Whole& NNOS, Whole& NBAR, Real& XS) {
  pair_mirror_bars(s.BL2, s.BL3, s.BL6.BAR_SIM, NNOS, NBAR, XS, DT);
  write_record(console, AXIS_LINE, XS);
}

void pair_mirror_bars(const Nodes& n, const Bars& b, Table<Whole>& BAR_SIM, Whole NNOS, Whole NBAR, Real& XS,
                      Real DT) {
  const auto bars = static_cast<std::size_t>(std::max<Whole>(NBAR, 0));
  Table<Real> XM(bars), YM(bars);
  Table<Whole> LOC_BAR(bars);

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

  form_farthest_differences(b, XM, YM, NBAR, XS);

  for (Whole I = 1; I <= NBAR - 1; ++I) {
    for (Wide J = I + 1; J <= NBAR; ++J) {
      if (BAR_SIM(I) != 0) break;  // bar I is paired: no later J is a candidate
      const bool across = LOC_BAR(I) == -1 && LOC_BAR(J) == 1;
      const bool on_axis = LOC_BAR(I) == 0 && LOC_BAR(J) == 0;
      if (!(across || on_axis) || b.PROP(I) != b.PROP(J)) continue;

      const Real DX1 = to_real(std::fabs(double{XS} - double{XM(I)}));
      const Real DX2 = to_real(std::fabs(double{XS} - double{XM(J)}));
      const Real DX = to_real(std::fabs(double{DX1} - double{DX2}));
      const Real DY = to_real(std::fabs(double{YM(I)} - double{YM(J)}));
      const Real DL = to_real(std::fabs(double{b.L(I)} - double{b.L(J)}));
      const Real DCD = to_real(std::fabs(double{std::fabs(b.CD(I))} - double{std::fabs(b.CD(J))}));
      if (!(DX <= DT && DY <= DT && DL <= DT && DCD <= DT)) continue;

      // A mirror bar numbered from its left end rises in the opposite sense;
      // two columns pair whatever their senses.
      const bool opposite_senses = rise(n, b, I) * rise(n, b, static_cast<Whole>(J)) <= 0;
      const bool both_vertical = std::fabs(b.CD(I)) <= DT && std::fabs(b.CD(J)) <= DT;
      if (opposite_senses || both_vertical) {
        BAR_SIM(I) = static_cast<Whole>(J);
        BAR_SIM(J) = I;
      }
    }
  }
}

}  // namespace toval
