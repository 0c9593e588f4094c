// A run-ending fault is data first: the readers fill its fields, and its
// text for the error stream is formed from them. Each case here meets a
// fault the way a run meets it and checks both the fields and the text, so
// that a field and the words that show it can never drift apart.
#include "records/run_error.h"

#include <gtest/gtest.h>

#include <string>

#include "records/input_unit.h"
#include "records/layout.h"
#include "records/record_io.h"
#include "store/capacity.h"

namespace toval {
namespace {

constexpr Item NODE[] = {I(8), F(15, 0), F(15, 0)};

template <class Read>
RunError met(Read read) {
  try {
    read();
  } catch (const RunError& e) {
    return e;
  }
  ADD_FAILURE() << "no RunError";
  return read_error(ReadFault::end_of_file, "", "");
}

TEST(RunError, AFieldThatCannotBeReadNamesItsLineColumnsNotationRecordAndText) {
  const std::string text = "first\nsecond\n       1    6.0x0\n";
  InputUnit unit;
  unit.open_memory("A.ESF", text);
  skip_record(unit, "first");
  skip_record(unit, "second");
  Whole N = 0;
  Real X = 0, Y = 0;
  const RunError e = met([&] { read_record(unit, NODE, RecordName("node record"), N, X, Y); });
  const ErrorFields& f = e.fields();
  EXPECT_EQ(f.letter, 'F');
  EXPECT_EQ(f.code, 6504);
  EXPECT_EQ(f.operation, "READ");
  EXPECT_EQ(f.file, "A.ESF");
  EXPECT_EQ(f.line, 3);
  EXPECT_EQ(f.first_column, 9u);
  EXPECT_EQ(f.last_column, 23u);
  EXPECT_EQ(f.notation, "F15.0");
  EXPECT_EQ(f.item, "node record");
  EXPECT_EQ(f.found, "    6.0x0");  // the record ends inside the field
  EXPECT_STREQ(e.what(),
               "\nrun-time error F6504: READ(A.ESF)\n- line 3, columns 9-23 (F15.0) of a node record: found "
               "\"    6.0x0\", which is not a real number\n");
  const std::string message = e.what();
  EXPECT_EQ(message.substr(message.size() - e.description().size() - 1), e.description() + "\n");
}

TEST(RunError, AnIntegerOutOfRangeAndTheEndOfFileCharacterAreFaultsOfTheirOwn) {
  InputUnit unit;
  unit.open_memory("A.ESF", "   40000\n  1\x1a\n");
  Whole N = 0;
  Real X = 0, Y = 0;
  RunError e = met([&] { read_record(unit, NODE, RecordName("node record"), N, X, Y); });
  EXPECT_EQ(e.fields().code, 6503);
  EXPECT_EQ(e.fields().found, "   40000");
  EXPECT_EQ(
      e.description(),
      "line 1, columns 1-8 (I8) of a node record: found \"   40000\", an integer outside -32767..32767");
  e = met([&] { read_record(unit, NODE, RecordName("node record"), N, X, Y); });
  EXPECT_EQ(e.fields().code, 6506);
  EXPECT_EQ(e.fields().line, 2);
  EXPECT_EQ(e.fields().found, "  1\x1a");
  EXPECT_EQ(e.description(),
            "line 2, columns 1-8 (I8) of a node record: found \"  1\\x1A\", which holds the end-of-file "
            "character (code 26)");
}

TEST(RunError, TheEndOfTheFileNamesTheLastLineAndWhoAskedWithItsOwnLine) {
  InputUnit unit;
  unit.open_memory("A.ESF", "one\ntwo\n");
  Asker asker;
  asker.kind = Asker::Kind::term;
  asker.entry = 3;
  asker.term = 2;
  asker.line = 15;
  asker.file = "A.CMB";
  asker.note = "that term has no case name";
  const RunError e = met([&] { section_scan(unit, "     CARREGAMENTO: Q1  ", asker); });
  const ErrorFields& f = e.fields();
  EXPECT_EQ(f.code, 6501);
  EXPECT_EQ(f.shape, ErrorShape::end_of_file);
  EXPECT_EQ(f.line, 2);
  EXPECT_EQ(f.first_column, 0u);
  EXPECT_EQ(f.asker.line, 15);
  EXPECT_EQ(f.asker.file, "A.CMB");
  EXPECT_EQ(e.description(),
            "end of file after line 2: the heading \"     CARREGAMENTO: Q1  \" (columns 1-23) was not found; "
            "it was "
            "asked for by term 2 of combination 3, line 15 of A.CMB; that term has no case name");
  // A case of the case list whose line is not known names no line.
  InputUnit empty;
  empty.open_memory("B.ESF", "");
  Asker entry;
  entry.kind = Asker::Kind::case_entry;
  entry.entry = 4;
  const RunError none = met([&] { section_scan(empty, "     X", entry); });
  EXPECT_EQ(none.fields().line, 0);
  EXPECT_EQ(
      none.description(),
      "end of file in an empty file: the heading \"     X\" (columns 1-6) was not found; it was asked for by "
      "case 4 of the case list");
}

TEST(RunError, CapacityHintsArithmeticAndFreeDescriptions) {
  InputUnit unit;
  unit.open_memory("A.CMB", "a\nb\nc\n");
  skip_record(unit, "a");
  skip_record(unit, "b");
  const RunError full = met([&] { check_capacity(unit, 11, 10, "load cases in the case list"); });
  EXPECT_EQ(full.fields().shape, ErrorShape::capacity);
  EXPECT_EQ(full.fields().line, 2);
  EXPECT_STREQ(
      full.what(),
      "\nrun-time error F6510: READ(A.CMB)\n- capacity exceeded at line 2: more than 10 load cases in "
      "the case list (the program holds at most 10)\n");
  // A hint is added after everything else and changes no other field.
  const RunError hinted = full.with_hint("look at line 1");
  EXPECT_EQ(hinted.fields().line, 2);
  EXPECT_EQ(hinted.fields().hint, "look at line 1");
  EXPECT_EQ(hinted.description(), full.description() + "; look at line 1");

  const RunError math = math_error(MathFault::divide_by_zero);
  EXPECT_EQ(math.fields().letter, 'M');
  EXPECT_EQ(math.fields().operation, "MATH");
  EXPECT_TRUE(math.fields().file.empty());
  EXPECT_STREQ(math.what(), "\nrun-time error M6103: MATH\n- floating-point error: divide by zero\n");

  const RunError opening = file_error(ReadFault::same_file, "R.TOV", "the report file would be an input");
  EXPECT_EQ(opening.fields().operation, "OPEN");
  EXPECT_EQ(opening.fields().shape, ErrorShape::none);
  EXPECT_STREQ(opening.what(), "\nrun-time error F6522: OPEN(R.TOV)\n- the report file would be an input\n");
}

}  // namespace
}  // namespace toval

namespace toval {
namespace {

// The block's count as the likely cause comes after the fault's own words
// and before a hint from elsewhere; the fields that place it stay.
TEST(RunError, ARecordOfAnotherKindPointsAboveItToTheCountedBlock) {
  ErrorFields f = file_fault(ReadFault::bad_real, "A.ESF");
  f.shape = ErrorShape::field;
  f.line = 120;
  f.first_column = 9;
  f.last_column = 30;
  f.notation = "F22.0";
  f.item = "nodal resultant record of node 2 in case Q";
  f.found = "    FX                ";
  f.cause = "which is not a real number";
  f.miscount = {Miscount::Holds::title, "Q", 101, 114};
  const RunError e = RunError(f).with_hint("the node section ended at line 7");
  EXPECT_EQ(
      e.description(),
      "line 120, columns 9-30 (F22.0) of a nodal resultant record of node 2 in case Q: found \"    FX    "
      "            \", which is not a real number; line 120 holds a title or rule line where the "
      "block's count puts a data record: the block of case Q (heading at line 101) seems to hold a "
      "record too few or too many above it (its nodal resultants are counted from their heading at "
      "line 114); the node section ended at line 7");
  EXPECT_EQ(e.fields().line, 120);
  EXPECT_EQ(e.fields().first_column, 9u);
  f.miscount = {Miscount::Holds::other_record, "G", 60, 0};
  EXPECT_NE(
      RunError(f).description().find("; line 120 holds a record of another layout where the block's count "
                                     "puts a data record: the block of case G (heading at line 60) seems "
                                     "to hold a record too few or too many above it (its records are "
                                     "counted from its heading)"),
      std::string::npos);
}

}  // namespace
}  // namespace toval

namespace toval {
namespace {

constexpr Item END_FORCE[] = {I(9), I(13), F(18, 0), F(21, 0), F(19, 0)};

// A comma between digits ends a field: the error met in the field after it
// names the number as written and the point it wants.
TEST(RunError, AFieldAfterADecimalCommaNamesTheComma) {
  InputUnit unit;
  unit.open_memory("A.ESF",
                   "        1            1            -19,20                -5.34              10.92\n");
  Whole B = 0, N = 0;
  Real ESFN = 0, ESFV = 0, ESFM = 0;
  const RunError e =
      met([&] { read_record(unit, END_FORCE, RecordName("force record"), B, N, ESFN, ESFV, ESFM); });
  EXPECT_EQ(e.fields().first_column, 39u);
  EXPECT_EQ(e.fields().decimal_comma, "-19,20");
  EXPECT_EQ(
      e.description(),
      "line 1, columns 39-59 (F21.0) of a force record: found \"20                -5.\", which is not a "
      "real number; a decimal comma ended the field before it: \"-19,20\" reads as far as the comma, and "
      "the digits after it begin this field (write the number with a point, as -19.20)");
  // A comma after a complete number parts two values: no decimal comma.
  InputUnit parted;
  parted.open_memory("A.ESF", "  1.5,2x\n");
  Real X = 0, Y = 0;
  constexpr Item TWO[] = {F(10, 0), F(10, 0)};
  const RunError p = met([&] { read_record(parted, TWO, RecordName("record"), X, Y); });
  EXPECT_EQ(p.fields().decimal_comma, "");
}

}  // namespace
}  // namespace toval
