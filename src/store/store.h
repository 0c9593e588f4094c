// The shared store: every step of a run reads and writes these groups.
// Capacities are fixed; counts in use travel as step arguments.
#pragma once

#include "records/console.h"
#include "records/input_unit.h"
#include "records/report_unit.h"
#include "store/types.h"

namespace toval {

constexpr Whole MAX_NODES = 500;
constexpr Whole MAX_BARS = 500;
constexpr Whole MAX_CASES = 10;
constexpr Whole MAX_COMBINATIONS = 10;
constexpr Whole MAX_TERMS = 10;
constexpr Whole MAX_SLOTS = 2500;
constexpr Whole MAX_SUPPORTS = 50;

// BL1: report titles.
struct Titles {
  Name<40> PRJT, CLIT, PORT;
};

// BL2: nodes, by position in the node section.
struct Nodes {
  Table<Real, MAX_NODES> X, Y;
  Table<Whole, MAX_NODES> R1, R2, R3;
};

// BL3: bars, by position in the bar section.
struct Bars {
  Table<Whole, MAX_BARS> NI, NF, PROP;
  Table<Real, MAX_BARS> L, CD;
};

// BL4: elementary load case names.
struct Cases {
  Table<Name<4>, MAX_CASES> CCAR;
};

// BL5: combinations; first index the combination, second the term.
struct Combinations {
  Whole NCOB = 0;
  Table<Whole, MAX_COMBINATIONS> NCASO;
  Table2<Real, MAX_COMBINATIONS, MAX_TERMS> MULT;
  Table2<Name<4>, MAX_COMBINATIONS, MAX_TERMS> CASO;
};

// BL6: mirror bar of each bar, 0 when it has none.
struct Symmetry {
  Table<Whole, MAX_BARS> BAR_SIM;
};

// BL7: characteristic nodes (0 = none).
struct DisplacementNodes {
  Whole NO_E = 0, NO_C = 0, NO_D = 0, NO_CE = 0, NO_CD = 0;
};

// BL8: displacements of the characteristic nodes, by case.
struct Displacements {
  Table<Real, MAX_CASES> DX_E, DY_E, DZ_E;
  Table<Real, MAX_CASES> DX_C, DY_C, DZ_C;
  Table<Real, MAX_CASES> DX_D, DY_D, DZ_D;
};

// BL9: combined bar forces by slot, (combination - 1) * NBAR + bar; second
// index 1 and 2 for the bar's two ends.
struct BarForces {
  Table<Real, MAX_SLOTS> R_NORMAL;
  Table2<Real, MAX_SLOTS, 2> R_CORTTE, R_FLETOR;
  Table<Whole, MAX_SLOTS> BESF_VM;
  Whole ESF_VM = 0;
};

// BL10: normal-force envelope by bar; column 1 the largest, 2 the smallest.
struct Envelope {
  Table2<Real, MAX_BARS, 2> R_NORMAL_MAX;
  Table2<Whole, MAX_BARS, 2> NCOBMAX;
};

// BL11: supports and their reactions; first index the case, second the support.
struct Reactions {
  Table<Whole, MAX_SUPPORTS> NO_RES;
  Table2<Real, MAX_CASES, MAX_SUPPORTS> RES1, RES2, RES3;
};

// Where the combination file gave each case and term, so that a message
// about a case can name the line that asked for it (not a group of the
// run's tables: nothing is computed from it).
struct EntryLines {
  Table<long, MAX_CASES> case_line;  // name record of each case entry
  Table<long, MAX_CASES> case_end_line;  // the "FIMC" that ends each case entry
  Table<long, MAX_COMBINATIONS> header_line;
  Table2<long, MAX_COMBINATIONS, MAX_TERMS> term_line;
  // The term's multiplier was ended by a comma that a digit follows: a
  // decimal comma, most likely ("1,4" reads as 1 and the case "4").
  Table2<bool, MAX_COMBINATIONS, MAX_TERMS> decimal_comma;
};

// Slot of bar K in combination I: (I - 1) * NBAR + K.
inline long slot(long I, long NBAR, long K) { return (I - 1) * NBAR + K; }

struct Store {
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

  // The units of the run, opened and closed by the driver.
  Console console;
  InputUnit unit3;   // combination file
  InputUnit unit4;   // forces file
  ReportUnit unit5;  // report file
};

}  // namespace toval
