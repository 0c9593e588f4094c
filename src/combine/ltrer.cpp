#include "combine/ltrer.h"

#include <cmath>
#include <string>

#include "combine/record_label.h"
#include "combine/term_sum.h"
#include "input/case_blocks.h"
#include "store/arithmetic.h"
#include "store/record_io.h"

namespace toval {


void LTRER(Store& s, Whole& NNOS, Whole& NBAR, Whole& I, Whole& J) {
  InputUnit& unit = s.unit4;
  const Name<4>& CARR = s.BL5.CASO(I, J);
  const std::string name = case_label(CARR);
  block_search(s, CARR);

  // The ten records after the heading, the displacement records and the
  // nine records before the bar groups are passed over unexamined.
  for (Whole r = 1; r <= 10; ++r)
    skip_record(unit, RecordLabel("record ", r, " after the heading of case ", name));
  for (Whole k = 1; k <= NNOS; ++k)
    skip_record(unit, RecordLabel("displacement record ", k, " in case ", name));
  for (Whole r = 1; r <= 9; ++r)
    skip_record(unit, RecordLabel("record ", r, " of the nine before the bar groups of case ", name));

  const Real m = s.BL5.MULT(I, J);
  BarForces& f = s.BL9;
  for (Whole K = 1; K <= NBAR; ++K) {
    Whole B = 0, N = 0;
    Real ESFN1 = 0.0f, ESFV1 = 0.0f, ESFM1 = 0.0f, ESFN2 = 0.0f, ESFV2 = 0.0f, ESFM2 = 0.0f;
    read_record(unit, END_FORCE_RECORD, RecordLabel("force record of end 1 of bar ", K, " in case ", name), B,
                N, ESFN1, ESFV1, ESFM1);
    read_record(unit, END_FORCE_RECORD, RecordLabel("force record of end 2 of bar ", K, " in case ", name), B,
                N, ESFN2, ESFV2, ESFM2);
    skip_record(unit, RecordLabel("third record of the group of bar ", K, " in case ", name));

    // The end of larger magnitude gives the normal force of the case; on equal
    // magnitudes end 1.
    const Real ESFN = std::fabs(ESFN2) > std::fabs(ESFN1) ? ESFN2 : ESFN1;
    const long POS = slot(I, NBAR, K);
    add_term(f.R_NORMAL(POS), m, ESFN);
    add_term(f.R_CORTTE(POS, 1), m, ESFV1);
    add_term(f.R_CORTTE(POS, 2), m, ESFV2);
    add_term(f.R_FLETOR(POS, 1), m, ESFM1);
    add_term(f.R_FLETOR(POS, 2), m, ESFM2);
  }
}

}  // namespace toval
