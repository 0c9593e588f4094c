// The list's order, its count, and the place of a run-ending fault.
#include "tools/check/hazard_list.h"

#include <gtest/gtest.h>

#include "tools/check/run_error_place.h"

namespace toval::tools::check {
namespace {

TEST(HazardList, CombinationFileFirstThenLinesThenTheErrorAndTheCount) {
  HazardList list("A.CMB", "A.ESF");
  list.warn(Source::forces_file, 30, 2, Kind::shifted_value, "late");
  list.warn(Source::forces_file, 4, 9, Kind::shifted_value, "early");
  list.warn(Source::combination_file, 12, 1, Kind::term_case, "combination");
  list.warn(Source::forces_file, 30, 2, Kind::shifted_value, "late");  // met again in another pass
  list.fail(Source::forces_file, 2, 1, {{Text::as_written, {"stops"}}});
  EXPECT_EQ(list.listing(tools::cli::Language::en),
            "A.CMB:12:1: warning: combination\n"
            "A.ESF:4:9: warning: early\n"
            "A.ESF:30:2: warning: late\n"
            "A.ESF:2:1: error: stops\n"
            "3 warnings, 1 error\n");
}

TEST(HazardList, Counts) {
  using cli::Language;
  EXPECT_EQ(hazard_count(0, false, Language::en), "0 warnings");
  EXPECT_EQ(hazard_count(1, false, Language::en), "1 warning");
  EXPECT_EQ(hazard_count(0, true, Language::en), "0 warnings, 1 error");
  EXPECT_EQ(hazard_count(2, true, Language::en), "2 warnings, 1 error");
  EXPECT_EQ(hazard_count(1, false, Language::pt), "1 aviso");
  EXPECT_EQ(hazard_count(2, true, Language::pt), "2 avisos, 1 erro");
}

RunError field_fault() {
  ErrorFields f = file_fault(ReadFault::bad_real, "A.ESF");
  f.shape = ErrorShape::field;
  f.line = 21;
  f.first_column = 9;
  f.last_column = 23;
  f.notation = "F15.0";
  f.item = "node record";
  f.found = "6.0x0";
  f.cause = "which is not a real number";
  return RunError(f);
}

TEST(ErrorPlace, LineAndFirstColumnOfAFieldThatCannotBeRead) {
  const ErrorPlace p = error_place(field_fault(), "A.CMB");
  EXPECT_EQ(p.source, Source::forces_file);
  EXPECT_EQ(p.line, 21);
  EXPECT_EQ(p.column, 9);
  EXPECT_EQ(
      text_of(p.text, cli::Language::en),
      "line 21, columns 9-23 (F15.0) of a node record: found \"6.0x0\", which is not a real number (toval "
      "stops here with run-time error F6504)");
  // The place comes from the fields: a hint that names other lines moves nothing.
  const ErrorPlace hinted = error_place(field_fault().with_hint("the node list ended at line 7"), "A.CMB");
  EXPECT_EQ(hinted.line, 21);
  EXPECT_EQ(hinted.column, 9);
}

TEST(ErrorPlace, TheCombinationFileLineThatAskedForAMissingCase) {
  ErrorFields f = file_fault(ReadFault::end_of_file, "A.ESF");
  f.shape = ErrorShape::end_of_file;
  f.line = 69;
  f.cause = "the heading was not found";
  f.asker = {Asker::Kind::term, 1, 2, 15, "A.CMB", {}};
  ErrorPlace p = error_place(RunError(f), "A.CMB");
  EXPECT_EQ(p.source, Source::combination_file);
  EXPECT_EQ(p.line, 15);
  EXPECT_EQ(p.column, 1);
  // An asker whose line is not known leaves the place in the forces file.
  f.asker.line = 0;
  p = error_place(RunError(f), "A.CMB");
  EXPECT_EQ(p.source, Source::forces_file);
  EXPECT_EQ(p.line, 69);
}

TEST(ErrorPlace, EndOfFileCapacityArithmeticAndAnEmptyFile) {
  ErrorFields eof = file_fault(ReadFault::end_of_file, "A.CMB");
  eof.shape = ErrorShape::end_of_file;
  eof.line = 11;
  eof.cause = "a record was expected";
  ErrorPlace p = error_place(RunError(eof), "A.CMB");
  EXPECT_EQ(p.source, Source::combination_file);
  EXPECT_EQ(p.line, 11);
  ErrorFields full = file_fault(ReadFault::capacity, "A.ESF");
  full.shape = ErrorShape::capacity;
  full.line = 198;
  full.cause = "more than 50 supported nodes";
  p = error_place(RunError(full), "A.CMB");
  EXPECT_EQ(p.line, 198);
  p = error_place(math_error(MathFault::invalid), "A.CMB");
  EXPECT_EQ(p.source, Source::forces_file);
  EXPECT_EQ(p.line, 1);
  EXPECT_EQ(text_of(p.text, cli::Language::en),
            "floating-point error: invalid (toval stops here with run-time error M6101)");
  eof.line = 0;
  eof.file = "A.ESF";
  p = error_place(RunError(eof), "A.CMB");
  EXPECT_EQ(p.line, 1);
  EXPECT_EQ(p.column, 1);
}

}  // namespace
}  // namespace toval::tools::check
