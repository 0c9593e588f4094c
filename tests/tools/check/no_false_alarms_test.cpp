// Sound inputs give no warning: the example frame, the frames of the
// end-to-end runs, and generated frames of several shapes.
#include <gtest/gtest.h>

#include <filesystem>

#include "tools/check/checked_files.h"
#include "tools/check/input_check.h"
#include "tools/frame_files.h"

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
  const tools::check::CheckOutcome outcome =
      tools::check::check_inputs(dir + "/" + combination, dir + "/" + forces);
  EXPECT_EQ(outcome.findings.listing(tools::cli::Language::en), "0 warnings\n") << dir;
  EXPECT_EQ(outcome.status, 0) << dir;
}

TEST(NoFalseAlarm, ExampleFrame) {
  expect_clean(SOURCE + "/examples", "GALPAO.CMB", "GALPAO.ESF");
}

// Two end-to-end frames plant hazards on purpose: a second block named G1,
// and case blocks whose records are numbered out of order.
std::string planted_in(const std::string& frame, const std::string& in) {
  if (frame == "gable_cross")
    return in +
           "/GAB2.ESF:127:20: warning: a second case block named \"G1\" (the first is at line 77): every "
           "step "
           "reads the first, so this one is never read; give it its own name or remove it\n1 warning\n";
  if (frame == "shared_mirror_and_odd_records")
    return in +
           "/ODD.ESF:94:1: warning: displacement record 2 of case block \"W1\" carries node number 7: the "
           "characteristic nodes are found by the number written, so a chosen node whose number is missing "
           "keeps zero or the previous case's values; number the records 1, 2, 3 ... in the order of the "
           "node "
           "section (and 1 more records of this list)\n" +
           in +
           "/ODD.ESF:131:1: warning: resultant record 2 of case block \"W1\" carries node number 7: "
           "resultants are taken by position, so the reactions of node 2 come from this record; list the "
           "records in the order of the node section (and 1 more records of this list)\n2 warnings\n";
  return "0 warnings\n";
}

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
    if (!std::filesystem::exists(dir + "/in/" + combination) ||
        !std::filesystem::exists(dir + "/in/" + forces))
      continue;
    SCOPED_TRACE(dir);
    const std::string expected = planted_in(entry.path().filename().string(), dir + "/in");
    const tools::check::CheckOutcome outcome =
        tools::check::check_inputs(dir + "/in/" + combination, dir + "/in/" + forces);
    EXPECT_EQ(outcome.findings.listing(tools::cli::Language::en), expected);
    EXPECT_EQ(outcome.status, expected == "0 warnings\n" ? 0 : 1);
    ++checked;
  }
  EXPECT_GE(checked, 10);
}

void expect_clean(const Frame& f) {
  CheckedFiles c(combination_lines(f), forces_lines(f));
  EXPECT_EQ(c.listing, "0 warnings\n");
  EXPECT_EQ(c.status, 0);
}

TEST(NoFalseAlarm, GeneratedPortal) {
  expect_clean(portal());
}

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

// The middle support of an even number of spans is the centre node.
TEST(NoFalseAlarm, GeneratedContinuousBeams) {
  for (int spans = 1; spans <= 6; ++spans) {
    SCOPED_TRACE(std::to_string(spans) + " spans");
    expect_clean(continuous_beam(spans));
    expect_clean(continuous_beam(spans, 7.35));
  }
}

// Asymmetric by design: no node moved by a slip would make them symmetric,
// so no mirror warning, whatever the bars that happen to mirror.
TEST(NoFalseAlarm, FramesAsymmetricByDesign) {
  for (const std::vector<double>& widths :
       std::vector<std::vector<double>>{{6, 8}, {6, 6.2}, {6, 6, 6.5}, {5, 5.004}, {4, 6, 4.01}}) {
    SCOPED_TRACE(std::to_string(widths.size()) + " bays, the last " + std::to_string(widths.back()));
    expect_clean(bays(widths));
  }
  Frame beam = continuous_beam(3);
  beam.nodes[3].x = 15.3;  // spans 5, 5, 5.3
  expect_clean(beam);
  Frame lean_to = portal();
  lean_to.nodes[2].y = 5;  // a mono-pitch roof
  expect_clean(lean_to);
  Frame off_ridge = gable();
  off_ridge.nodes[2].x = 13;
  expect_clean(off_ridge);
}

}  // namespace
}  // namespace toval::testing
