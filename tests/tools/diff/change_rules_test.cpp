// The tolerance rule on both sides of each of its two conditions, the
// largest magnitude taken per quantity over the whole old revision, and a
// change of governing combination counted whatever the values.
#include <gtest/gtest.h>

#include "tools/diff/changes.h"

namespace toval::tools::diff {
namespace {

TEST(DiffTolerance, BothConditionsStrictlyExceeded) {
  // Exact binary values, so that each boundary is met exactly.
  // Relative to the larger of the two: 0.25 x 4 = 1 is the change itself.
  EXPECT_FALSE(beyond_tolerance(3, 4, 0.25, 0));
  EXPECT_TRUE(beyond_tolerance(3, 4.0000005, 0.25, 0));
  EXPECT_FALSE(beyond_tolerance(-4, -3, 0.25, 0));  // magnitudes, whatever the sign
  // Relative to the largest magnitude in the old revision: noise near zero.
  EXPECT_TRUE(beyond_tolerance(1, 2, 0.25, 3.875));
  EXPECT_FALSE(beyond_tolerance(1, 2, 0.25, 4));
  EXPECT_FALSE(beyond_tolerance(1, 2, 0.25, 100));
  // A sign change across zero is a whole change.
  EXPECT_TRUE(beyond_tolerance(-1, 1, 0.25, 1));
}

TEST(DiffTolerance, ZeroShowsEveryChangeAndNothingElse) {
  EXPECT_TRUE(beyond_tolerance(1, 1.0000001, 0, 1e30));
  EXPECT_TRUE(beyond_tolerance(0, 1e-30, 0, 0));
  EXPECT_FALSE(beyond_tolerance(2.5, 2.5, 0, 0));
  EXPECT_FALSE(beyond_tolerance(0, 0, 0, 0));
}

ExportedRun two_supports(double fx_1, double fx_5, double fy_1) {
  ExportedRun r;
  auto& supports = r.combined_reactions[1].emplace();
  supports[1] = {fx_1, fy_1, 0};
  supports[5] = {fx_5, 0, 0};
  return r;
}

TEST(DiffResults, LargestMagnitudeIsPerComponentOverTheWholeOldRevision) {
  // FX at node 1 moves by 0.05: 5 % of itself, but under 0.1 x the 100 of
  // node 5's FX. FY moves by as much, and FY is never larger than 1.
  const ExportedRun o = two_supports(1.0, 100.0, 1.0);
  const ExportedRun n = two_supports(1.05, 100.0, 1.05);
  const std::vector<ResultChange> changes = result_changes(o, n, 0.001);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].table, ResultTable::combined_reactions);
  EXPECT_EQ(changes[0].node, 1);
  EXPECT_EQ(changes[0].quantity, 2);
  EXPECT_EQ(result_changes(o, n, 0).size(), 2u);
}

TEST(DiffResults, ASupportOrCombinationOnOneSideOnlyIsNotAResultChange) {
  ExportedRun o = two_supports(1, 2, 3);
  ExportedRun n = two_supports(1, 2, 3);
  n.combined_reactions[1]->erase(5);
  n.combined_reactions[1]->emplace(4, ValueTriple{7, 7, 7});
  n.combined_reactions[2].emplace()[1] = {9, 9, 9};
  o.combined_reactions[3];  // missing cases: no values
  n.combined_reactions[3].emplace()[1] = {9, 9, 9};
  EXPECT_TRUE(result_changes(o, n, 0).empty());
}

ExportedRun one_bar(double n_max, long long max_combination) {
  ExportedRun r;
  BarEnvelope& e = r.envelope[1];
  e[0] = {n_max, -10, max_combination, 2};
  for (std::size_t q = 1; q < 5; ++q) e[q] = {1, -1, 1, 1};
  return r;
}

TEST(DiffResults, AnotherGoverningCombinationAlwaysCounts) {
  const std::vector<ResultChange> changes = result_changes(one_bar(10, 1), one_bar(10, 3), 0.5);
  ASSERT_EQ(changes.size(), 1u);
  const ResultChange& c = changes[0];
  EXPECT_EQ(c.table, ResultTable::envelope);
  EXPECT_EQ(c.quantity, 0);
  EXPECT_EQ(c.bound, 0);
  EXPECT_EQ(c.old_combination, 1);
  EXPECT_EQ(c.new_combination, 3);
  EXPECT_EQ(c.old_value, 10);
  EXPECT_EQ(c.new_value, 10);
  // Within the tolerance and the same combination: nothing.
  EXPECT_TRUE(result_changes(one_bar(10, 1), one_bar(14, 1), 0.5).empty());
  EXPECT_EQ(result_changes(one_bar(10, 1), one_bar(14, 1), 0.25).size(), 1u);
}

TEST(DiffResults, EnvelopeLargestIsOverBothBoundsOfTheQuantity) {
  // N max of bar 1 moves from 1 to 1.5; the largest N in the old revision
  // is the -10 of its minimum, so 0.1 lets it pass and 0.04 does not.
  EXPECT_TRUE(result_changes(one_bar(1, 1), one_bar(1.5, 1), 0.1).empty());
  EXPECT_EQ(result_changes(one_bar(1, 1), one_bar(1.5, 1), 0.04).size(), 1u);
}

TEST(DiffResults, DisplacementsByPlaceAndBendingFlagsBySlot) {
  ExportedRun o, n;
  o.combined_displacements[2] = {ValueTriple{0, 0, 0}, ValueTriple{0.001, -0.004, 0}, std::nullopt};
  n.combined_displacements[2] = {ValueTriple{0, 0, 0}, ValueTriple{0.001, -0.005, 0}, ValueTriple{1, 1, 1}};
  o.bending[{2, 3}] = true;
  n.bending[{2, 3}] = false;
  o.bending[{1, 3}] = n.bending[{1, 3}] = true;
  const std::vector<ResultChange> changes = result_changes(o, n, 0.001);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].table, ResultTable::combined_displacements);
  EXPECT_EQ(changes[0].combination, 2);
  EXPECT_EQ(changes[0].place, 1);
  EXPECT_EQ(changes[0].quantity, 2);
  EXPECT_EQ(changes[1].table, ResultTable::bending);
  EXPECT_EQ(changes[1].bar, 3);
  EXPECT_TRUE(changes[1].old_flag);
  EXPECT_FALSE(changes[1].new_flag);
}

}  // namespace
}  // namespace toval::tools::diff
