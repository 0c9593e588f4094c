#include "report/impress.h"

#include "report/report_sections.h"

namespace toval {

void IMPRESS(Store& s, Whole& NBAR, Whole& NCCAR, Whole& NRES) {
  report::write_title_block(s);
  report::write_combination_list(s);
  report::write_displacements(s, NCCAR);
  report::write_reactions(s, NCCAR, NRES);
  report::write_frame_bar_table(s, NBAR);
  report::write_truss_bar_table(s, NBAR);
}

}  // namespace toval
