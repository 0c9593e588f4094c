// The shared store: every step of a run reads and writes these groups.
// Capacities are the program's choice, given when the store is made; counts
// in use travel as step arguments.
#pragma once

#include <string>

#include "store/capacities.h"
#include "store/types.h"

namespace toval {

// BL1: report titles.
struct Titles {
  Name<40> PRJT, CLIT, PORT;
};

// BL2: nodes, by position in the node section.
struct Nodes {
  explicit Nodes(const Capacities& c) : X(c.nodes), Y(c.nodes), R1(c.nodes), R2(c.nodes), R3(c.nodes) {}
  Table<Real> X, Y;
  Table<Whole> R1, R2, R3;
};

// BL3: bars, by position in the bar section.
struct Bars {
  explicit Bars(const Capacities& c) : NI(c.bars), NF(c.bars), PROP(c.bars), L(c.bars), CD(c.bars) {}
  Table<Whole> NI, NF, PROP;
  Table<Real> L, CD;
};

// BL4: elementary load case names.
struct Cases {
  explicit Cases(const Capacities& c) : CCAR(c.cases) {}
  Table<Name<4>> CCAR;
};

// BL5: combinations; first index the combination, second the term.
struct Combinations {
  explicit Combinations(const Capacities& c)
      : NCASO(c.combinations), MULT(c.combinations, c.terms), CASO(c.combinations, c.terms) {}
  Whole NCOB = 0;
  Table<Whole> NCASO;
  Table2<Real> MULT;
  Table2<Name<4>> CASO;
};

// BL6: mirror bar of each bar, 0 when it has none.
struct Symmetry {
  explicit Symmetry(const Capacities& c) : BAR_SIM(c.bars) {}
  Table<Whole> BAR_SIM;
};

// BL7: characteristic nodes (0 = none).
struct DisplacementNodes {
  Whole NO_E = 0, NO_C = 0, NO_D = 0, NO_CE = 0, NO_CD = 0;
};

// BL8: displacements of the characteristic nodes, by case.
struct Displacements {
  explicit Displacements(const Capacities& c)
      : DX_E(c.cases),
        DY_E(c.cases),
        DZ_E(c.cases),
        DX_C(c.cases),
        DY_C(c.cases),
        DZ_C(c.cases),
        DX_D(c.cases),
        DY_D(c.cases),
        DZ_D(c.cases) {}
  Table<Real> DX_E, DY_E, DZ_E;
  Table<Real> DX_C, DY_C, DZ_C;
  Table<Real> DX_D, DY_D, DZ_D;
};

// BL9: combined bar forces by slot, (combination - 1) * NBAR + bar; second
// index 1 and 2 for the bar's two ends.
struct BarForces {
  explicit BarForces(const Capacities& c)
      : R_NORMAL(c.slots), R_CORTTE(c.slots, 2), R_FLETOR(c.slots, 2), BESF_VM(c.slots) {}
  Table<Real> R_NORMAL;
  Table2<Real> R_CORTTE, R_FLETOR;
  Table<Whole> BESF_VM;
  Whole ESF_VM = 0;
};

// BL10: normal-force envelope by bar; column 1 the largest, 2 the smallest.
struct Envelope {
  explicit Envelope(const Capacities& c) : R_NORMAL_MAX(c.bars, 2), NCOBMAX(c.bars, 2) {}
  Table2<Real> R_NORMAL_MAX;
  Table2<Whole> NCOBMAX;
};

// BL11: supports and their reactions; first index the case, second the support.
struct Reactions {
  explicit Reactions(const Capacities& c)
      : NO_RES(c.supports), RES1(c.cases, c.supports), RES2(c.cases, c.supports), RES3(c.cases, c.supports) {}
  Table<Whole> NO_RES;
  Table2<Real> RES1, RES2, RES3;
};

// Where the combination file gave each case and term, so that a message
// about a case can name the line that asked for it (not a group of the
// run's tables: nothing is computed from it).
struct EntryLines {
  explicit EntryLines(const Capacities& c)
      : case_line(c.cases),
        case_end_line(c.cases),
        header_line(c.combinations),
        term_line(c.combinations, c.terms),
        decimal_comma(c.combinations, c.terms) {}
  std::string file;           // the combination file, as messages name it
  Table<long> case_line;      // name record of each case entry
  Table<long> case_end_line;  // the "FIMC" that ends each case entry
  Table<long> header_line;
  Table2<long> term_line;
  // The term's multiplier was ended by a comma that a digit follows: a
  // decimal comma, most likely ("1,4" reads as 1 and the case "4").
  Table2<unsigned char> decimal_comma;
};

// Slot of bar K in combination I: (I - 1) * NBAR + K.
inline long slot(long I, long NBAR, long K) {
  return (I - 1) * NBAR + K;
}

struct Store {
  explicit Store(const Capacities& c)
      : capacities(c), BL2(c), BL3(c), BL4(c), BL5(c), BL6(c), BL8(c), BL9(c), BL10(c), BL11(c), lines(c) {}

  Capacities capacities;  // what every table may hold, as the program chose
  Titles BL1;
  Nodes BL2;
  Bars BL3;
  Cases BL4;
  Combinations BL5;
  Symmetry BL6;
  DisplacementNodes BL7;
  Displacements BL8;
  BarForces BL9;
  Envelope BL10;
  Reactions BL11;
  EntryLines lines;
};

}  // namespace toval
