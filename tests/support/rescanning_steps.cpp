#include "support/rescanning_steps.h"

#include <cmath>
#include <string>

#include "combine/desloc.h"
#include "combine/maxesfbc.h"
#include "combine/simetria.h"
#include "combine/term_sum.h"
#include "driver/analysis.h"
#include "input/case_name.h"
#include "input/combination_file.h"
#include "input/ltrcg.h"
#include "records/record_io.h"
#include "report/impress.h"
#include "store/arithmetic.h"
#include "store/capacity.h"

namespace toval::reference {

namespace {

constexpr Item NODE_NUMBER[] = {I(8)};
constexpr Item NODE_VALUES_RECORD[] = {I(8), F(22, 0), F(25, 0), F(25, 0)};
constexpr Item END_FORCE_RECORD[] = {I(9), I(13), F(18, 0), F(21, 0), F(19, 0)};

void block_search(InputUnit& unit, const Name<4>& name, const Asker& asker) {
  unit.rewind();
  section_scan(unit, "     CARREGAMENTO: " + std::string(name.view()), asker);
}

void skip(InputUnit& unit, const RecordName& what) {
  skip_record(unit, what);
}

struct NodeValues {
  Real DX = 0.0f, DY = 0.0f, DZ = 0.0f;
};

}  // namespace

void DESLOC(Store& s, InputUnit& unit, Whole& NNOS, Real& XS, Whole& NCCAR) {
  // The characteristic nodes are chosen as the step chooses them; only the
  // reading of the blocks is written again here.
  choose_characteristic_nodes(s, NNOS, XS);
  const DisplacementNodes& c = s.BL7;
  Displacements& d = s.BL8;
  NodeValues CE, CD;
  for (Whole I = 1; I <= NCCAR; ++I) {
    const Name<4>& CARR = s.BL4.CCAR(I);
    const std::string name = case_label(CARR);
    block_search(unit, CARR, case_list_asker(s, I));
    for (Whole r = 1; r <= 10; ++r) skip(unit, RecordName("record ", r, " after the heading of case ", name));
    for (Whole k = 1; k <= NNOS; ++k) {
      Whole N = 0;
      read_record(unit, NODE_NUMBER, RecordName("displacement record ", k, " in case ", name), N);
      const bool is_E = N == c.NO_E && c.NO_E != 0;
      const bool is_C = N == c.NO_C && c.NO_C != 0;
      const bool is_CE = c.NO_C == 0 && N == c.NO_CE && c.NO_CE != 0;
      const bool is_CD = c.NO_C == 0 && N == c.NO_CD && c.NO_CD != 0;
      const bool is_D = N == c.NO_D && c.NO_D != 0;
      const RecordName what("displacement record of node ", N, " in case ", name);
      auto read_again = [&](Real& DX, Real& DY, Real& DZ) {
        unit.backspace();
        read_record(unit, NODE_VALUES_RECORD, what, N, DX, DY, DZ);
      };
      if (is_E) read_again(d.DX_E(I), d.DY_E(I), d.DZ_E(I));
      if (is_C) read_again(d.DX_C(I), d.DY_C(I), d.DZ_C(I));
      if (is_CE) read_again(CE.DX, CE.DY, CE.DZ);
      if (is_CD) read_again(CD.DX, CD.DY, CD.DZ);
      if (is_D) read_again(d.DX_D(I), d.DY_D(I), d.DZ_D(I));
    }
    if (c.NO_C == 0) {
      d.DX_C(I) = to_real((double{CE.DX} + double{CD.DX}) / 2.0);
      d.DY_C(I) = to_real((double{CE.DY} + double{CD.DY}) / 2.0);
      d.DZ_C(I) = to_real((double{CE.DZ} + double{CD.DZ}) / 2.0);
    }
  }
}

void LTRER(Store& s, InputUnit& unit, Whole& NNOS, Whole& NBAR, Whole& I, Whole& J) {
  const std::string name = case_label(s.BL5.CASO(I, J));
  block_search(unit, s.BL5.CASO(I, J), term_asker(s, I, J));
  for (Whole r = 1; r <= 10; ++r) skip(unit, RecordName("record ", r, " after the heading of case ", name));
  for (Whole k = 1; k <= NNOS; ++k) skip(unit, RecordName("displacement record ", k, " in case ", name));
  for (Whole r = 1; r <= 9; ++r)
    skip(unit, RecordName("record ", r, " of the nine before the bar groups of case ", name));
  const Real m = s.BL5.MULT(I, J);
  BarForces& f = s.BL9;
  for (Whole K = 1; K <= NBAR; ++K) {
    Whole B = 0, N = 0;
    Real N1 = 0, V1 = 0, M1 = 0, N2 = 0, V2 = 0, M2 = 0;
    read_record(unit, END_FORCE_RECORD, RecordName("force record of end 1 of bar ", K, " in case ", name), B,
                N, N1, V1, M1);
    read_record(unit, END_FORCE_RECORD, RecordName("force record of end 2 of bar ", K, " in case ", name), B,
                N, N2, V2, M2);
    skip(unit, RecordName("third record of the group of bar ", K, " in case ", name));
    const Real ESFN = std::fabs(N2) > std::fabs(N1) ? N2 : N1;
    const long POS = slot(I, NBAR, K);
    add_term(f.R_NORMAL(POS), m, ESFN);
    add_term(f.R_CORTTE(POS, 1), m, V1);
    add_term(f.R_CORTTE(POS, 2), m, V2);
    add_term(f.R_FLETOR(POS, 1), m, M1);
    add_term(f.R_FLETOR(POS, 2), m, M2);
  }
}

void REACOES(Store& s, InputUnit& unit, Whole& NNOS, Whole& I, Whole& NRES) {
  const Nodes& n = s.BL2;
  Reactions& r = s.BL11;
  const std::string name = case_label(s.BL4.CCAR(I));
  block_search(unit, s.BL4.CCAR(I), case_list_asker(s, I));
  section_scan(unit, "     RESULTANTES NODAIS");
  for (Whole k = 1; k <= 4; ++k)
    skip(unit, RecordName("record ", k, " after the nodal resultants heading of case ", name));
  Whole K = 0;
  for (Whole J = 1; J <= NNOS; ++J) {
    const RecordName what("nodal resultant record of node ", J, " in case ", name);
    if (n.R1(J) == 0 && n.R2(J) == 0 && n.R3(J) == 0) {
      skip(unit, what);
      continue;
    }
    check_capacity(unit, K + 1, s.capacities.supports, "supported nodes", unit.next_line());
    K = static_cast<Whole>(K + 1);
    r.NO_RES(K) = J;
    Whole N = 0;
    read_record(unit, NODE_VALUES_RECORD, what, N, r.RES1(I, K), r.RES2(I, K), r.RES3(I, K));
  }
  NRES = K;
}

void run_steps(Store& s, RunFiles& f) {
  prepare_store(s);
  Listing structure(f.unit4);  // the structure sections only
  RunCounts c;
  try {
    LTRCG(s, f.unit3, structure, c.NNOS, c.NBAR, c.NCCAR);
    SIMETRIA(s, f.console, c.NNOS, c.NBAR, c.XS);
    DESLOC(s, f.unit4, c.NNOS, c.XS, c.NCCAR);
    for (Whole I = 1, NCOB = s.BL5.NCOB; I <= NCOB; ++I)
      for (Whole J = 1, NCASO = s.BL5.NCASO(I); J <= NCASO; ++J) LTRER(s, f.unit4, c.NNOS, c.NBAR, I, J);
    MAXESFBC(s, c.NBAR);
    for (Whole I = 1, N = c.NCCAR; I <= N; ++I) REACOES(s, f.unit4, c.NNOS, I, c.NRES);
  } catch (const RunError& e) {
    throw explained(e, structure);
  }
  IMPRESS(s, f.unit5, c.NBAR, c.NCCAR, c.NRES);
}

}  // namespace toval::reference
