#include "combine/ltrer.h"

#include <cmath>

#include "combine/term_sum.h"
#include "input/combination_file.h"

namespace toval {

void LTRER(Store& s, Listing& listing, Whole& NNOS, Whole& NBAR, Whole& I, Whole& J) {
  Listing::Block& block = listing.bar_groups_of(s.BL5.CASO(I, J), term_asker(s, I, J), NNOS);
  const Real m = s.BL5.MULT(I, J);
  BarForces& f = s.BL9;
  for (Whole K = 1; K <= NBAR; ++K) {
    const BarGroup& g = listing.bar_group(block, NNOS, K);
    // The end of larger magnitude gives the normal force of the case; on equal
    // magnitudes end 1.
    const Real ESFN = std::fabs(g.end2.ESFN) > std::fabs(g.end1.ESFN) ? g.end2.ESFN : g.end1.ESFN;
    const long POS = slot(I, NBAR, K);
    add_term(f.R_NORMAL(POS), m, ESFN);
    add_term(f.R_CORTTE(POS, 1), m, g.end1.ESFV);
    add_term(f.R_CORTTE(POS, 2), m, g.end2.ESFV);
    add_term(f.R_FLETOR(POS, 1), m, g.end1.ESFM);
    add_term(f.R_FLETOR(POS, 2), m, g.end2.ESFM);
  }
}

}  // namespace toval
