#include "report/impress.h"

#include "report/report_sections.h"

namespace toval {

void IMPRESS(const Store& s, RecordSink& unit5, Whole& NBAR, Whole& NCCAR, Whole& NRES) {
  report::write_title_block(s, unit5);
  report::write_combination_list(s, unit5);
  report::write_displacements(s, unit5, NCCAR);
  report::write_reactions(s, unit5, NCCAR, NRES);
  report::write_frame_bar_table(s, unit5, NBAR);
  report::write_truss_bar_table(s, unit5, NBAR);
}

}  // namespace toval
