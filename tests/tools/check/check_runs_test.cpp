// The built toval-tools check over small inputs with one mistake each: the
// whole output compared byte for byte with the list expected, and the exit
// statuses, usage errors included.
#include <gtest/gtest.h>

#include "tools/tools_process.h"

namespace toval::testing {
namespace {

const std::string DATA = std::string(TOVAL_TEST_DATA) + "/tools/data/";

void expect_check(const std::string& name) {
  SCOPED_TRACE(name);
  const RunResult r = run_tools(DATA + name + "/in", {"check", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(r.out, read_file(DATA + name + "/expected"));
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(std::to_string(r.status) + "\n", read_file(DATA + name + "/status"));
}

TEST(CheckRuns, TheExampleGivesNothingAndStatusZero) {
  expect_check("check_clean_example");
}

// A reaction written one column to the right: 19.20 reads as 419.2.
TEST(CheckRuns, ShiftedReaction) {
  expect_check("check_shifted_reaction");
}

// "1,4": a warning at the comma, then the run's error at the term that asked
// for case "4".
TEST(CheckRuns, DecimalCommaAndTheErrorItLeadsTo) {
  expect_check("check_decimal_comma");
}

// The "FIMC" of case G left out: case Q is passed over.
TEST(CheckRuns, MissingFimc) {
  expect_check("check_missing_fimc");
}

TEST(CheckRuns, ListWrittenToAFile) {
  TempDir dir;
  const RunResult r = run_tools(DATA + "check_missing_fimc/in",
                                {"check", "-o", dir.file("list.txt"), "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(dir.read("list.txt"), read_file(DATA + "check_missing_fimc/expected"));
}

TEST(CheckRuns, UsageErrorsExitTwo) {
  const std::string usage = "usage: toval-tools check [-o FILE] COMBINATION_FILE FORCES_FILE\n";
  const std::string dir = DATA + "check_clean_example/in";
  RunResult r = run_tools(dir, {"check", "GALPAO.CMB"});
  EXPECT_EQ(r.err, "toval-tools: missing argument FORCES_FILE\n" + usage);
  EXPECT_EQ(r.status, 2);
  r = run_tools(dir, {"check", "--strict", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(r.err, "toval-tools: unknown option '--strict'\n" + usage);
  EXPECT_EQ(r.status, 2);
  r = run_tools(dir, {"check", "GALPAO.CMB", "GALPAO.ESF", "EXTRA"});
  EXPECT_EQ(r.err, "toval-tools: unexpected argument 'EXTRA'\n" + usage);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 2);
}

TEST(CheckRuns, AMissingInputIsTheOneErrorLine) {
  const RunResult r = run_tools(DATA + "check_clean_example/in", {"check", "GALPAO.CMB", "NONE.ESF"});
  EXPECT_EQ(
      r.out,
      "NONE.ESF:1:1: error: the forces file cannot be opened for reading (toval stops here with run-time "
      "error F6520)\n0 warnings, 1 error\n");
  EXPECT_EQ(r.status, 1);
}

TEST(CheckRuns, HelpNamesEveryHazardAndTheStatuses) {
  const RunResult r = run_tools(DATA + "check_clean_example/in", {"help", "check"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("usage: toval-tools check [-o FILE] COMBINATION_FILE FORCES_FILE\n", 0), 0u);
  for (const char* part :
       {"shifted by a column", "missing FIMC", "decimal comma", "second case block", "ten times wider",
        "is a support", "0  nothing found", "2  the command line is wrong"})
    EXPECT_NE(r.out.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace toval::testing
