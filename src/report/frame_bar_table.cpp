// Section 5: for each combination, the bars in bending with their normal
// force, shear forces and moments at both ends, mirror bars beneath.
#include "report/report_records.h"
#include "report/report_sections.h"

namespace toval::report {

namespace {

constexpr Item FRAME_BARS_TITLE[] = {Text(" ESFORCOS NORMAL CORTANTE FLETOR: ELEMENTOS BARRA-CHAPA")};
constexpr Item FRAME_BARS_HEADING[] = {
    Text(" C  BAR          Ni        Vi        Mi          Nf        Vf        Mf      L "), SLASH,
    Text(" C  SMT          Ni        Vi        Mi          Nf        Vf        Mf      P ")};
// Combination, bar, Ni, Vi, Mi, Nf, Vf, Mf, then the bar's length.
constexpr Item BAR_ROW[] = {I(2), I(5), F(12, 3), F(10, 3), F(10, 3), F(12, 3), F(10, 3), F(10, 3), F(7, 3)};
// The same for the mirror bar, ending with the property number of the bar above.
constexpr Item MIRROR_ROW[] = {I(2), I(5), F(12, 3), F(10, 3), F(10, 3), F(12, 3), F(10, 3), F(10, 3), I(7)};

}  // namespace

void write_frame_bar_table(const Store& s, RecordSink& out, Whole NBAR) {
  if (s.BL9.ESF_VM == 0) return;
  const auto& f = s.BL9;
  open_section(out, FRAME_BARS_TITLE, FRAME_BARS_HEADING, SectionStart::after_empty_record);
  for (Whole I = 1, NCOB = s.BL5.NCOB; I <= NCOB; ++I) {
    for (Whole K = 1, N = NBAR; K <= N; ++K) {
      const Whole J = s.BL6.BAR_SIM(K);
      if (J != 0 && K > J) continue;  // shown beneath its partner
      const long POSI = slot(I, NBAR, K);
      if (f.BESF_VM(POSI) != 1) continue;
      empty_record(out);
      write_record(out, BAR_ROW, I, K, f.R_NORMAL(POSI), f.R_CORTTE(POSI, 1), f.R_FLETOR(POSI, 1),
                   f.R_NORMAL(POSI), f.R_CORTTE(POSI, 2), f.R_FLETOR(POSI, 2), s.BL3.L(K));
      if (J == 0) continue;
      const long POSJ = slot(I, NBAR, J);
      write_record(out, MIRROR_ROW, I, J, f.R_NORMAL(POSJ), f.R_CORTTE(POSJ, 1), f.R_FLETOR(POSJ, 1),
                   f.R_NORMAL(POSJ), f.R_CORTTE(POSJ, 2), f.R_FLETOR(POSJ, 2), s.BL3.PROP(K));
    }
    empty_record(out);
  }
  page_break(out);
}

}  // namespace toval::report
