// Runs that end at an input they cannot use: the console output up to that
// point, the error message, exit status 1, and the report file as it was.
#include "e2e/e2e_support.h"

namespace {

using toval::e2e::runs_as_expected;

// A combination term names a case that the forces file has no block for: the
// search for its heading runs to the end of the forces file. The earlier steps
// have shown the symmetry axis; an old report is left unchanged.
TEST(FailedRuns, TermWithoutCaseBlock) {
  EXPECT_TRUE(runs_as_expected("missing_case_block"));
}

// The description of a missing case names who asked for it and what looks
// wrong with the name: a multiplier ended by a decimal comma ("1,5" reads as
// 1 and case "5"), a blank line in a term list (a term without a name), and
// a case of the case list without a block.
TEST(FailedRuns, MissingCaseNamesWhoAskedForIt) {
  EXPECT_TRUE(runs_as_expected("decimal_comma_multiplier"));
  EXPECT_TRUE(runs_as_expected("blank_term_name"));
  EXPECT_TRUE(runs_as_expected("missing_listed_case"));
}

// A letter in a node coordinate. No report file existed: it has been created
// empty by the open and receives nothing.
TEST(FailedRuns, BadNumberInNodeRecord) {
  EXPECT_TRUE(runs_as_expected("bad_node_number"));
}

// A record of another kind where a case block's count puts an end force:
// the description points above it, to the block's heading. Two lines gone
// from the top of block G bring its resultants heading into bar 5's group;
// a line too many above its end-force titles brings a rule line into bar 1's.
TEST(FailedRuns, ABlockMiscountedAboveTheFailingRecordNamesItsHeading) {
  EXPECT_TRUE(runs_as_expected("block_lacks_records"));
  EXPECT_TRUE(runs_as_expected("block_with_a_line_too_many"));
}

// The combination file lacks the "FIME" after its last combination.
TEST(FailedRuns, MissingMarkerRunsToEndOfFile) {
  EXPECT_TRUE(runs_as_expected("missing_marker"));
}

// The "FIMC" closing the only combination is written in lower case: the
// terms run on to the end of the file, and the error says why.
TEST(FailedRuns, LowerCaseMarkerGetsAHint) {
  EXPECT_TRUE(runs_as_expected("lower_case_marker"));
}

// Node record 3 is numbered 0: the node list ends there, the case blocks
// are counted with two nodes, and the error that follows names that record.
TEST(FailedRuns, NodeListEndedEarlyIsNamedInTheErrorThatFollows) {
  EXPECT_TRUE(runs_as_expected("node_list_ends_early"));
}

// A node section with no nodes: the symmetry axis is 0 divided by 0.
TEST(FailedRuns, ForcesFileWithoutNodes) {
  EXPECT_TRUE(runs_as_expected("no_nodes"));
}

// 51 supported nodes, one more than the reactions table holds.
TEST(FailedRuns, MoreSupportsThanTheTableHolds) {
  EXPECT_TRUE(runs_as_expected("too_many_supports"));
}

}  // namespace
