#include "combine/reacoes.h"

#include <string>

#include "combine/record_label.h"
#include "input/case_blocks.h"
#include "store/capacity.h"
#include "store/record_io.h"

namespace toval {

void REACOES(Store& s, Whole& NNOS, Whole& I, Whole& NRES) {
  InputUnit& unit = s.unit4;
  const Nodes& n = s.BL2;
  Reactions& r = s.BL11;
  const Name<4>& CARR = s.BL4.CCAR(I);
  const std::string name = case_label(CARR);

  block_search(s, CARR);
  resultants_search(s, CARR);
  for (Whole k = 1; k <= 4; ++k)
    skip_record(unit, RecordLabel("record ", k, " after the nodal resultants heading of case ", name));

  // Records are taken by position: record J belongs to node J. A node with
  // any non-zero restraint code is a support and gets all three resultants.
  Whole K = 0;
  for (Whole J = 1; J <= NNOS; ++J) {
    if (n.R1(J) == 0 && n.R2(J) == 0 && n.R3(J) == 0) {
      skip_record(unit, RecordLabel("nodal resultant record of node ", J, " in case ", name));
      continue;
    }
    // Checked before the record of the 51st support is read or stored.
    check_capacity(unit, K + 1, MAX_SUPPORTS, "supported nodes", unit.next_line());
    K = static_cast<Whole>(K + 1);
    r.NO_RES(K) = J;
    Whole N = 0;
    read_record(unit, NODE_VALUES_RECORD,
                RecordLabel("nodal resultant record of node ", J, " in case ", name), N, r.RES1(I, K),
                r.RES2(I, K), r.RES3(I, K));
  }
  NRES = K;
}

}  // namespace toval
