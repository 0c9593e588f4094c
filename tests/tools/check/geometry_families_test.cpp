// Mistakes of the node and bar sections, each planted alone in a sound pair
// of files: the exact warning at the record that holds it.
#include <gtest/gtest.h>

#include <cstdio>

#include "tools/check/checked_files.h"
#include "tools/frame_files.h"

namespace toval::testing {
namespace {

// Lines of forces_lines(): the node records from line 10, the end record,
// the bar heading and five titles, then the bar records.
long node_line(long k) {
  return 9 + k;
}
long bar_line(const Frame& f, long k) {
  return 9 + static_cast<long>(f.nodes.size()) + 7 + k;
}

std::string& at(std::vector<std::string>& lines, long line) {
  return lines[static_cast<std::size_t>(line - 1)];
}

// Columns 1-8 of a node record, 1-10 of a bar record.
void renumber_node(std::vector<std::string>& forces, long k, int number) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%8d", number);
  at(forces, node_line(k)).replace(0, 8, buf);
}

void expect_one(const Frame& f, const std::vector<std::string>& forces, long line, long column,
                const std::string& text) {
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(c.listing, c.forces_at(line, column, "warning: " + text) + "1 warning\n");
  EXPECT_EQ(c.status, 1);
}

TEST(PlantedNodeNumbering, TwoRecordsSwapped) {
  const Frame f = multi_storey(2, 1);  // nodes 1-3 at the feet, 4-6 at the top
  auto forces = forces_lines(f);
  std::swap(at(forces, node_line(4)), at(forces, node_line(5)));
  expect_one(f, forces, node_line(4), 1,
             "node record 4 carries node number 5, and node number 4 follows at line 14: nodes are taken "
             "by position, so bars that name node 4 get the coordinates written for node 5, and the "
             "displacement table and the reactions call it node 4; number the nodes 1, 2, 3 ... in the "
             "order of their records");
}

TEST(PlantedNodeNumbering, AGapAndARepeat) {
  const Frame f = multi_storey(1, 2);
  auto gap = forces_lines(f);
  for (long k = 3; k <= 6; ++k) renumber_node(gap, k, static_cast<int>(k + 1));
  expect_one(f, gap, node_line(3), 1,
             "node record 3 carries node number 4, and no record carries node number 3: nodes are taken by "
             "position, so bars that name node 3 get the coordinates written for node 4, and the "
             "displacement table and the reactions call it node 3; number the nodes 1, 2, 3 ... in the "
             "order of their records");
  auto repeat = forces_lines(f);
  renumber_node(repeat, 4, 3);
  expect_one(f, repeat, node_line(4), 1,
             "node record 4 carries node number 3, which node record 3 (line 12) carries already: nodes are "
             "taken by position, so this record is node 4 to the bars, the displacement table and the "
             "reactions (if it is a second record of node 3, every later node is one place off); number "
             "the nodes 1, 2, 3 ... in the order of their records");
}

TEST(PlantedBarNumbering, TwoRecordsSwapped) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  std::swap(at(forces, bar_line(f, 2)), at(forces, bar_line(f, 3)));
  expect_one(f, forces, bar_line(f, 2), 1,
             "bar record 2 carries bar number 3, and bar number 2 follows at line 23: bars are taken by "
             "position, so the report shows the bar of this record as bar 2, with the end forces of bar "
             "group 2 of every case block; number the bars 1, 2, 3 ... in the order of their records");
}

// Gable: 1 (0,0), 2 (0,6), 3 (10,8), 4 (20,6), 5 (20,0); bar 4 runs from
// the ridge to the right eave.
TEST(PlantedBarLength, AWrongNodeNumber) {
  const Frame f = gable();
  auto forces = forces_lines(f);
  at(forces, bar_line(f, 4)).replace(34, 1, "5");  // final node 4 written as 5, the right foot
  expect_one(
      f, forces, bar_line(f, 4), 27,
      "bar 4 lists the length 10.198 and the cosine 0.9806, but its nodes 3 and 5 are 12.806 apart at a "
      "cosine of 0.7809: mirror bars are paired by their listed lengths and cosines and by the midpoints of "
      "their nodes; final node 4 would fit: check the node numbers of this record");
}

TEST(PlantedBarLength, AMistypedLength) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  at(forces, bar_line(f, 2)).replace(50, 16, "          12.000");
  expect_one(
      f, forces, bar_line(f, 2), 51,
      "bar 2 lists the length 12.000 and the cosine 1.0000, but its nodes 2 and 3 are 10.000 apart at a "
      "cosine of 1.0000: mirror bars are paired by their listed lengths and cosines and by the midpoints of "
      "their nodes; no other node number fits: check the length, the cosine and the node numbers of this "
      "record");
}

// A coordinate edited in the listing: the bars that meet there still list
// the lengths of the frame as it was solved.
TEST(PlantedBarLength, ACoordinateThatItsBarsDisagreeWith) {
  const Frame f = multi_storey(2, 1);  // node 6 at (12, 3): bar 3 below it, bar 5 to its left
  auto forces = forces_lines(f);
  at(forces, node_line(6)).replace(8, 15, "         13.000");
  expect_one(
      f, forces, node_line(6), 9,
      "node 6 lies at x = 13, but the lengths and cosines that bars 3 and 5 list put it at x = 12: the "
      "symmetry axis, the mirror pairs and the characteristic nodes are found from the coordinates; a "
      "mistyped coordinate, probably: check this node's record");
}

// The analysis ran on the mistyped coordinate, so lengths agree with it;
// only the symmetry of the rest of the frame tells where the node belongs.
TEST(PlantedNearSymmetry, ANodeOnTheAxisShiftedByAHundredth) {
  Frame f = gable();
  f.nodes[2].x = 10.01;
  expect_one(
      f, forces_lines(f), node_line(3), 9,
      "node 3 lies at x = 10.01, where no node mirrors it about the axis x = 10 that every other node keeps: "
      "at x = 10 it would lie on the axis, and the run would pair 4 of the 5 bars instead of 0 (its axis, "
      "the mean abscissa of the nodes, is x = 10.002); a mistyped or rounded coordinate, probably: check "
      "this node's record");
}

// Edited in the listing: the rafters still list the lengths to x = 15.
TEST(PlantedBarLength, SixteenForFifteen) {
  Frame f = gable();
  for (FrameNode& node : f.nodes) node.x *= 1.5;  // 30 wide, the ridge at 15
  auto forces = forces_lines(f);
  at(forces, node_line(3)).replace(8, 15, "         16.000");
  expect_one(
      f, forces, node_line(3), 9,
      "node 3 lies at x = 16, but the lengths and cosines that bars 3 and 4 list put it at x = 15: the "
      "symmetry axis, the mirror pairs and the characteristic nodes are found from the coordinates; a "
      "mistyped coordinate, probably: check this node's record");
}

// Solved as mistyped, a unit off is a design as far as the listing tells.
TEST(NearSymmetry, AUnitOffInAListingThatFitsItIsLeftAlone) {
  Frame f = gable();
  for (FrameNode& node : f.nodes) node.x *= 1.5;
  f.nodes[2].x = 16;
  CheckedFiles c(combination_lines(f), forces_lines(f));
  EXPECT_EQ(c.listing, "0 warnings\n");
}

// Of the two nodes without a mirror node, the one whose value is rounder
// after the move is the slip.
TEST(PlantedNearSymmetry, AnEaveRaisedByAFewMillimetres) {
  Frame f = multi_storey(3, 1);  // feet 1-4, tops 5-8
  f.nodes[7].y = 3.008;
  expect_one(
      f, forces_lines(f), node_line(8), 24,
      "node 8 lies at y = 3.008, where no node mirrors it about the axis x = 9 that every other node keeps: "
      "at y = 3 it would mirror node 5, and the run would pair 6 of the 7 bars instead of 2 (its axis, the "
      "mean abscissa of the nodes, is x = 9); a mistyped or rounded coordinate, probably: check this node's "
      "record");
}

}  // namespace
}  // namespace toval::testing
