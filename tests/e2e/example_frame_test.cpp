// The example frame of examples/ run from start to finish: the shed portal
// (two columns, two rafters, a tie) with its dead load, roof load and wind,
// four combinations. Report and console must equal, byte for byte, the
// reference worked out from the listing by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace toval::testing {
namespace {

const std::string EXAMPLES = std::string(TOVAL_SOURCE_DIR) + "/examples/";
const std::string REFERENCE = std::string(TOVAL_TEST_DATA) + "/e2e/data/example/";

// A directory holding the example's two input files, as a user has them.
void copy_example_inputs(const TempDir& dir) {
  for (const char* name : {"GALPAO.CMB", "GALPAO.ESF"}) {
    std::string bytes = read_file(EXAMPLES + name);
    ASSERT_FALSE(bytes.empty()) << "missing example input " << name;
    dir.write(name, bytes);
  }
}

std::string reference(const std::string& name) {
  std::string bytes = read_file(REFERENCE + name);
  EXPECT_FALSE(bytes.empty()) << "missing reference file " << name;
  return bytes;
}

TEST(ExampleFrame, RunWithTheAnswersFileWritesTheReferenceReport) {
  TempDir dir;
  copy_example_inputs(dir);
  // A report left from an earlier run, longer than the new one: it must be
  // replaced entirely, not overwritten in part.
  dir.write("GALPAO.TOV", std::string(40000, 'x'));

  RunResult run = run_program(dir.path(), read_file(EXAMPLES + "galpao.answers"));

  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, reference("console.txt"));
  EXPECT_EQ(dir.read("GALPAO.TOV"), reference("GALPAO.TOV"));
  // The inputs are only read.
  EXPECT_EQ(dir.read("GALPAO.CMB"), read_file(EXAMPLES + "GALPAO.CMB"));
  EXPECT_EQ(dir.read("GALPAO.ESF"), read_file(EXAMPLES + "GALPAO.ESF"));
}

TEST(ExampleFrame, BlankNamesTakeTheFilesFromTheArgumentsAndTheReportIsNamedTov) {
  TempDir dir;
  copy_example_inputs(dir);

  RunResult run = run_program(dir.path(), "\n\n", {"GALPAO.CMB", "GALPAO.ESF"});

  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, reference("console_from_arguments.txt"));
  EXPECT_EQ(dir.read("TOV"), reference("GALPAO.TOV"));
  EXPECT_FALSE(dir.exists("GALPAO.TOV"));
}

}  // namespace
}  // namespace toval::testing
