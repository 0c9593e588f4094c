// The list's order, its count, and the place of a run-ending fault.
#include <gtest/gtest.h>

#include "tools/check/hazard_list.h"
#include "tools/check/run_error_place.h"

namespace toval::tools {
namespace {

TEST(HazardList, CombinationFileFirstThenLinesThenTheErrorAndTheCount) {
  HazardList list("A.CMB", "A.ESF");
  list.warn(Source::forces_file, 30, 2, "late");
  list.warn(Source::forces_file, 4, 9, "early");
  list.warn(Source::combination_file, 12, 1, "combination");
  list.warn(Source::forces_file, 30, 2, "late");  // met again in another pass
  list.fail(Source::forces_file, 2, 1, "stops");
  EXPECT_EQ(list.listing(),
            "A.CMB:12:1: warning: combination\n"
            "A.ESF:4:9: warning: early\n"
            "A.ESF:30:2: warning: late\n"
            "A.ESF:2:1: error: stops\n"
            "3 warnings, 1 error\n");
}

TEST(HazardList, Counts) {
  EXPECT_EQ(hazard_count(0, false), "0 warnings");
  EXPECT_EQ(hazard_count(1, false), "1 warning");
  EXPECT_EQ(hazard_count(0, true), "0 warnings, 1 error");
  EXPECT_EQ(hazard_count(2, true), "2 warnings, 1 error");
}

TEST(ErrorPlace, LineAndFirstColumnOfAFieldThatCannotBeRead) {
  const ErrorPlace p = error_place(
      "\nrun-time error F6504: READ(A.ESF)\n- line 21, columns 9-23 (F15.0) of a node record: found \"6.0x0\", "
      "which is not a real number\n",
      "A.CMB", "A.ESF");
  EXPECT_EQ(p.source, Source::forces_file);
  EXPECT_EQ(p.line, 21);
  EXPECT_EQ(p.column, 9);
  EXPECT_EQ(p.text,
            "line 21, columns 9-23 (F15.0) of a node record: found \"6.0x0\", which is not a real number (toval "
            "stops here with run-time error F6504)");
}

TEST(ErrorPlace, TheCombinationFileLineThatAskedForAMissingCase) {
  const ErrorPlace p = error_place(
      "\nrun-time error F6501: READ(A.ESF)\n- end of file after line 69: the heading \"     CARREGAMENTO: Q2  \" "
      "(columns 1-23) was not found; it was asked for by term 2 of combination 1, line 15 of A.CMB\n",
      "A.CMB", "A.ESF");
  EXPECT_EQ(p.source, Source::combination_file);
  EXPECT_EQ(p.line, 15);
  EXPECT_EQ(p.column, 1);
}

TEST(ErrorPlace, EndOfFileCapacityArithmeticAndOpening) {
  ErrorPlace p = error_place("\nrun-time error F6501: READ(A.CMB)\n- end of file after line 11: a record was expected\n",
                             "A.CMB", "A.ESF");
  EXPECT_EQ(p.source, Source::combination_file);
  EXPECT_EQ(p.line, 11);
  p = error_place("\nrun-time error F6510: READ(A.ESF)\n- capacity exceeded at line 198: more than 50 supported "
                  "nodes\n",
                  "A.CMB", "A.ESF");
  EXPECT_EQ(p.line, 198);
  p = error_place("\nrun-time error M6101: MATH\n- floating-point error: invalid\n", "A.CMB", "A.ESF");
  EXPECT_EQ(p.source, Source::forces_file);
  EXPECT_EQ(p.line, 1);
  EXPECT_EQ(p.text, "floating-point error: invalid (toval stops here with run-time error M6101)");
  p = error_place("\nrun-time error F6501: READ(A.ESF)\n- end of file in an empty file: a heading was expected\n",
                  "A.CMB", "A.ESF");
  EXPECT_EQ(p.line, 1);
  EXPECT_EQ(p.column, 1);
}

}  // namespace
}  // namespace toval::tools
