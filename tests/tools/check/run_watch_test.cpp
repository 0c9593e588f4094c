// The watch learns what a record is from its reader, never from the layout
// it was read with: the same records read with layouts written another way
// but equivalent give the same findings and the same places.
#include "tools/check/run_watch.h"

#include <gtest/gtest.h>

#include <string>

#include "input/combination_dialect.h"
#include "records/input_unit.h"
#include "records/record_io.h"

namespace toval::tools::check {
namespace {

struct Watched {
  std::string combination, forces;
  InputUnit unit3, unit4;
  HazardList hazards{"A.CMB", "A.ESF"};
  RunWatch watch{unit3, unit4, hazards};
  Watched(std::string c, std::string f) : combination(std::move(c)), forces(std::move(f)) {
    unit3.open_memory("A.CMB", combination);
    unit4.open_memory("A.ESF", forces);
  }
};

// Term records, one with a decimal comma and one shifted by a column.
const std::string TERMS = "    1,4G1  \n         1. 35Q1  \n";

// Read the way the combination file's reader reads them, with its layout.
void read_terms_as_written(Watched& w) {
  for (int k = 0; k < 2; ++k) {
    Name<4> ROT, CASO;
    Real MULT = 0;
    read_record(w.unit3, combination_dialect::TERM_RECORD,
                RecordName(RecordTag{RecordKind::term, 1}, "term record"), ROT, MULT, CASO);
  }
}

// The same with the marker columns passed over instead of read.
void read_terms_passing_the_marker(Watched& w) {
  constexpr Item PASSING[] = {X(4), F(10, 0), A(4)};
  for (int k = 0; k < 2; ++k) {
    Name<4> CASO;
    Real MULT = 0;
    read_record(w.unit3, PASSING, RecordName(RecordTag{RecordKind::term, 1}, "term record"), MULT, CASO);
  }
}

TEST(RunWatch, ATermLayoutWrittenAnotherWayChangesNothingItFinds) {
  Watched a(TERMS, "");
  Watched b(TERMS, "");
  read_terms_as_written(a);
  read_terms_passing_the_marker(b);
  EXPECT_EQ(a.hazards.listing(tools::cli::Language::en), b.hazards.listing(tools::cli::Language::en));
  EXPECT_NE(a.hazards.listing(tools::cli::Language::en)
                .find("A.CMB:2:12: warning: blanks inside the number \"1. 35\""),
            std::string::npos)
      << a.hazards.listing(tools::cli::Language::en);
  for (long line : {1L, 2L}) {
    const TermCut* x = a.watch.term(line);
    const TermCut* y = b.watch.term(line);
    ASSERT_NE(x, nullptr);
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(x->multiplier_from, y->multiplier_from);
    EXPECT_EQ(x->multiplier_end, y->multiplier_end);
    EXPECT_EQ(x->name_from, y->name_from);
  }
  EXPECT_EQ(a.watch.term(1)->multiplier_end, 5u);  // the comma ends the multiplier
  EXPECT_EQ(a.watch.term(1)->name_from, 6u);
}

TEST(RunWatch, NodeAndBarRecordsAreKnownByWhatTheReaderSaysTheyAre) {
  const std::string forces =
      "       1            0.            0.\n       2            5.            0.\n"
      "         1        1       0        2\n";
  Watched w("", forces);
  constexpr Item NODE[] = {I(8), F(15, 0), F(15, 0)};
  constexpr Item NODE_SPLIT[] = {I(8), X(0), F(15, 0), F(15, 0), X(3)};
  constexpr Item BAR[] = {I(10), I(9), I(7), I(9)};
  Whole N = 0, B = 0, NI = 0, RT = 0, NF = 0;
  Real X1 = 0, Y1 = 0;
  read_record(w.unit4, NODE, RecordName(RecordTag{RecordKind::node, 1}, "node record"), N, X1, Y1);
  read_record(w.unit4, NODE_SPLIT, RecordName(RecordTag{RecordKind::node, 2}, "node record"), N, X1, Y1);
  read_record(w.unit4, BAR, RecordName(RecordTag{RecordKind::bar, 1}, "bar record"), B, NI, RT, NF);
  EXPECT_EQ(w.watch.node_line(1), 1);
  EXPECT_EQ(w.watch.node_line(2), 2);
  EXPECT_EQ(w.watch.node_line(3), 0);
  EXPECT_EQ(w.watch.bar_line(1), 3);
  // A record read again (a second pass) keeps the line it was first read at.
  w.unit4.rewind();
  read_record(w.unit4, NODE, RecordName(RecordTag{RecordKind::node, 2}, "node record"), N, X1, Y1);
  EXPECT_EQ(w.watch.node_line(2), 2);
}

TEST(RunWatch, ASilencedUnitIsHeardAgainAfterwardsAndTheWatchLeavesWithItsOwner) {
  const std::string forces = "       1    1.5 0\n       2    1.5 0\n";
  InputUnit unit3, unit4;
  unit4.open_memory("A.ESF", forces);
  HazardList hazards("A.CMB", "A.ESF");
  constexpr Item TWO[] = {I(8), F(9, 0)};
  Whole N = 0;
  Real V = 0;
  {
    RunWatch watch(unit3, unit4, hazards);
    {
      const InputUnit::Watching quiet(unit4, nullptr);
      read_record(unit4, TWO, RecordName(RecordTag{RecordKind::node, 1}, "node record"), N, V);
      EXPECT_EQ(watch.node_line(1), 0);
    }
    read_record(unit4, TWO, RecordName(RecordTag{RecordKind::node, 2}, "node record"), N, V);
    EXPECT_EQ(watch.node_line(2), 2);
    EXPECT_EQ(hazards.warnings(), 1u);  // "1.5 0": blanks inside a number
  }
  EXPECT_EQ(unit4.watch(), nullptr);
  EXPECT_EQ(unit3.watch(), nullptr);
}

}  // namespace
}  // namespace toval::tools::check
