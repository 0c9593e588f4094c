// Sound inputs give no warning: the example frame, the frames of the
// end-to-end runs, and generated frames of several shapes.
#include <gtest/gtest.h>

#include <filesystem>

#include "checked_files.h"
#include "frame_files.h"
#include "tools/input_check.h"

namespace toval::testing {
namespace {

const std::string SOURCE = TOVAL_SOURCE_DIR;

// A typed answer as toval takes it: without its line end and outer blanks.
std::string trimmed(const std::string& answer) {
  const auto first = answer.find_first_not_of(" \r");
  if (first == std::string::npos) return {};
  return answer.substr(first, answer.find_last_not_of(" \r") - first + 1);
}

void expect_clean(const std::string& dir, const std::string& combination, const std::string& forces) {
  const tools::CheckOutcome outcome = tools::check_inputs(dir + "/" + combination, dir + "/" + forces);
  EXPECT_EQ(outcome.listing, "0 warnings\n") << dir;
  EXPECT_EQ(outcome.status, 0) << dir;
}

TEST(NoFalseAlarm, ExampleFrame) { expect_clean(SOURCE + "/examples", "GALPAO.CMB", "GALPAO.ESF"); }

// Every end-to-end frame that runs to its end, under the names its answers give.
TEST(NoFalseAlarm, FramesOfTheEndToEndRuns) {
  int checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(SOURCE + "/tests/e2e/data")) {
    const std::string dir = entry.path().string();
    if (read_file(dir + "/status") != "0\n" || !std::filesystem::exists(dir + "/in")) continue;
    const std::string answers = read_file(dir + "/stdin");
    const std::size_t end = answers.find('\n');
    const std::string combination = trimmed(answers.substr(0, end));
    const std::string forces = trimmed(answers.substr(end + 1, answers.find('\n', end + 1) - end - 1));
    // Names from the command line, or cut by the dialogue.
    if (!std::filesystem::exists(dir + "/in/" + combination) || !std::filesystem::exists(dir + "/in/" + forces))
      continue;
    SCOPED_TRACE(dir);
    expect_clean(dir + "/in", combination, forces);
    ++checked;
  }
  EXPECT_GE(checked, 10);
}

void expect_clean(const Frame& f) {
  CheckedFiles c(combination_lines(f), forces_lines(f));
  EXPECT_EQ(c.listing, "0 warnings\n");
  EXPECT_EQ(c.status, 0);
}

TEST(NoFalseAlarm, GeneratedPortal) { expect_clean(portal()); }

// Two bays: the centre node is the foot of the middle column, a support the
// choice of nodes always takes there.
TEST(NoFalseAlarm, GeneratedMultiStoreyFrames) {
  for (int bays : {1, 2, 3})
    for (int storeys : {1, 3}) {
      SCOPED_TRACE(std::to_string(bays) + " bays, " + std::to_string(storeys) + " storeys");
      expect_clean(multi_storey(bays, storeys));
    }
}

// Without end posts the leftmost and rightmost nodes are the supports alone.
TEST(NoFalseAlarm, GeneratedTrusses) {
  for (int panels : {2, 4, 6}) {
    SCOPED_TRACE(std::to_string(panels) + " panels");
    expect_clean(truss(panels));
  }
}

TEST(NoFalseAlarm, GeneratedGable) {
  expect_clean(gable());
  Frame three_cases = gable();
  three_cases.cases = {"G1", "Q1", "W1"};
  expect_clean(three_cases);
}

}  // namespace
}  // namespace toval::testing
