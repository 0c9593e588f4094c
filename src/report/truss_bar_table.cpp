// Section 6: every bar's normal force in every combination, the mirror bar
// beside it, and the envelope of the pair.
#include "report/pair_envelope.h"
#include "report/report_records.h"
#include "report/report_sections.h"

namespace toval::report {

namespace {

constexpr Item TRUSS_BARS_TITLE[] = {Text(" ESFORCO NORMAL: ELEMENTOS BARRA-TRELICA ")};
constexpr Item TRUSS_BARS_HEADING[] = {
    Text(" C    BAR           N     SMT           N      CC   BAR          NC       L  P")};

// Rows of a bar with its mirror bar: combination, bar, N, mirror bar, N, then
// on the first row the largest force (CC, BAR, NC) with length and property,
// on the second the smallest.
constexpr Item PAIR_FIRST_ROW[] = {I(2), I(7), F(12, 3), I(8), F(12, 3), I(8), I(6), F(12, 3), F(8, 3), I(3)};
constexpr Item PAIR_SECOND_ROW[] = {I(2), I(7), F(12, 3), I(8), F(12, 3), I(8), I(6), F(12, 3)};
constexpr Item PAIR_ROW[] = {I(2), I(7), F(12, 3), I(8), F(12, 3)};
// Rows of a bar alone: the mirror columns stay blank.
constexpr Item ALONE_FIRST_ROW[] = {I(2), I(7), F(12, 3), X(20), I(8), I(6), F(12, 3), F(8, 3), I(3)};
constexpr Item ALONE_SECOND_ROW[] = {I(2), I(7), F(12, 3), X(20), I(8), I(6), F(12, 3)};
constexpr Item ALONE_ROW[] = {I(2), I(7), F(12, 3)};
// With a single combination the smallest force gets a row of its own.
constexpr Item SMALLEST_ONLY_ROW[] = {X(41), I(8), I(6), F(12, 3)};

// The rows of bar K (with its mirror bar J when J is not 0), one per combination.
void write_bar_rows(const Store& s, RecordSink& out, Whole NBAR, Whole K, Whole J) {
  const PairEnvelope x = pair_envelope(s, K, J);
  const Real L = s.BL3.L(K);
  const Whole P = s.BL3.PROP(K);
  for (Whole I = 1, NCOB = s.BL5.NCOB; I <= NCOB; ++I) {
    const Real NK = s.BL9.R_NORMAL(slot(I, NBAR, K));
    if (J != 0) {
      const Real NJ = s.BL9.R_NORMAL(slot(I, NBAR, J));
      if (I == 1) write_record(out, PAIR_FIRST_ROW, I, K, NK, J, NJ, x.C1, x.B1, x.ESF1, L, P);
      if (NCOB == 1) write_record(out, SMALLEST_ONLY_ROW, x.C2, x.B2, x.ESF2);
      if (I == 2) write_record(out, PAIR_SECOND_ROW, I, K, NK, J, NJ, x.C2, x.B2, x.ESF2);
      if (I > 2) write_record(out, PAIR_ROW, I, K, NK, J, NJ);
    } else {
      if (I == 1) write_record(out, ALONE_FIRST_ROW, I, K, NK, x.C1, x.B1, x.ESF1, L, P);
      if (NCOB == 1) write_record(out, SMALLEST_ONLY_ROW, x.C2, x.B2, x.ESF2);
      if (I == 2) write_record(out, ALONE_SECOND_ROW, I, K, NK, x.C2, x.B2, x.ESF2);
      if (I > 2) write_record(out, ALONE_ROW, I, K, NK);
    }
  }
}

// Whether the bar after K is the lower bar of a pair; past the last bar
// there is none.
bool next_opens_pair(const Store& s, Whole NBAR, Whole K) {
  const Wide KK = K + 1;
  const Wide JJ = KK <= NBAR ? s.BL6.BAR_SIM(KK) : 0;
  return KK <= JJ;
}

}  // namespace

void write_truss_bar_table(const Store& s, RecordSink& out, Whole NBAR) {
  open_section(out, TRUSS_BARS_TITLE, TRUSS_BARS_HEADING, SectionStart::after_empty_record);
  for (Whole K = 1, N = NBAR; K <= N; ++K) {
    const Whole J = s.BL6.BAR_SIM(K);
    if (J != 0 && K > J) {
      // The higher bar of a pair is shown beside its partner; a ruler
      // separates it from a pair that follows.
      if (next_opens_pair(s, NBAR, K)) {
        empty_record(out);
        write_record(out, LONG_DASH_RULER);
      }
      continue;
    }
    empty_record(out);
    if (J == 0) {
      write_record(out, LONG_DASH_RULER);
      empty_record(out);
    }
    write_bar_rows(s, out, NBAR, K, J);
  }
}

}  // namespace toval::report
