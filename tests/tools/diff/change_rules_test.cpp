// The rules of what counts as a change: the tolerance on both sides of
// each of its two conditions, each change weighed against its own member
// over both revisions, combinations matched by what they are, and a
// governing combination changed only when its match no longer reaches the
// extreme.
#include <gtest/gtest.h>

#include <tuple>

#include "tools/diff/changes.h"
#include "tools/diff/member_scales.h"

namespace toval::tools::diff {
namespace {

TEST(DiffTolerance, BothConditionsStrictlyExceeded) {
  // Exact binary values, so that each boundary is met exactly.
  // Relative to the larger of the two: 0.25 x 4 = 1 is the change itself.
  EXPECT_FALSE(beyond_tolerance(3, 4, 0.25, 0));
  EXPECT_TRUE(beyond_tolerance(3, 4.0000005, 0.25, 0));
  EXPECT_FALSE(beyond_tolerance(-4, -3, 0.25, 0));  // magnitudes, whatever the sign
  // Relative to the member's scale: noise beside what the member carries.
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

ExportedCombination combination(std::vector<ExportedTerm> terms, std::string set = "",
                                std::string name = "") {
  ExportedCombination c;
  c.terms = std::move(terms);
  c.set = std::move(set);
  c.name = std::move(name);
  return c;
}

// Two combinations (G alone, G + Q) and two supports: node 1 small, node
// 5 a hundred times larger. FY of node 1 is `g` under the first and `gq`
// under the second.
ExportedRun two_supports(double g, double gq) {
  ExportedRun r;
  r.combinations[1] = combination({{1, "G"}});
  r.combinations[2] = combination({{1, "G"}, {1, "Q"}});
  r.combined_reactions[1].emplace() = {{1, {0, g, 0}}, {5, {0, 800, 0}}};
  r.combined_reactions[2].emplace() = {{1, {0, gq, 0}}, {5, {0, 800, 0}}};
  return r;
}

TEST(DiffResults, ASmallSupportBesideALargeOneOnBothSidesOfItsOwnScale) {
  // Node 1's FY under G moves from 1 to 2, a change of 1 at REL 0.125: by
  // its own value (0.125 x 2) it is a change. Its scale is its largest FY
  // over both revisions' combinations: 8 is exactly reached (0.125 x 8 = 1,
  // not a change), 7.75 is not (0.96875, a change). Node 5's 800 plays no
  // part, although with it the frame's largest FY would hide both.
  const std::vector<ResultChange> at_8 = result_changes(two_supports(1, 7.75), two_supports(2, 8), 0.125);
  EXPECT_TRUE(at_8.empty());
  const std::vector<ResultChange> below = result_changes(two_supports(1, 7.75), two_supports(2, 7.75), 0.125);
  // The reaction envelope's minimum of node 1 (G alone), then the
  // combined reaction itself.
  ASSERT_EQ(below.size(), 2u);
  EXPECT_EQ(below[0].table, ResultTable::reaction_envelope);
  EXPECT_EQ(below[0].bound, 1);
  EXPECT_EQ(below[1].table, ResultTable::combined_reactions);
  EXPECT_EQ(below[1].combination, 1);
  EXPECT_EQ(below[1].node, 1);
  EXPECT_EQ(below[1].quantity, 2);
  EXPECT_EQ(below[1].scale, 7.75);
  EXPECT_EQ(result_changes(two_supports(1, 7.75), two_supports(2, 8), 0.12).size(), 2u);
}

// One bar per member, with its N under combination 1 (the envelope's
// minimum) and 2 (its maximum).
ExportedRun two_columns(double outer, double inner) {
  ExportedRun r;
  r.combinations[1] = combination({{1.4, "G"}, {1.5, "Q"}});
  r.combinations[2] = combination({{1, "G"}});
  long long bar = 1;
  for (double n : {outer, inner}) {
    r.bar_values[{1, bar}] = {n, 0, 0, 0, 0};
    r.bar_values[{2, bar}] = {n / 2, 0, 0, 0, 0};
    r.envelope[bar] = {Extreme{n / 2, n, 2, 1}, Extreme{0, 0, 1, 1}, Extreme{0, 0, 1, 1}, Extreme{0, 0, 1, 1},
                       Extreme{0, 0, 1, 1}};
    ++bar;
  }
  return r;
}

TEST(DiffResults, AnOuterColumnsRiseCountsBesideALargerInnerColumn) {
  // -124.196 to -134.390 is 8.2 % of the outer column's own compression:
  // at REL 0.05 it counts, though it is under 5 % of the inner 291.6.
  const std::vector<ResultChange> changes =
      result_changes(two_columns(-124.196, -291.6), two_columns(-134.390, -291.6), 0.05);
  // Its minimum; its maximum, half of it, moves by 5.097, 7.6 % of
  // itself but under 0.05 x 134.390, the member's scale.
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].bar, 1);
  EXPECT_EQ(changes[0].bound, 1);
  EXPECT_EQ(changes[0].old_value, -124.196);
  EXPECT_EQ(changes[0].scale, 134.390);
  EXPECT_FALSE(changes[0].governing_changed);
  // At 0.09 neither value moved by 9 % of itself.
  EXPECT_TRUE(result_changes(two_columns(-124.196, -291.6), two_columns(-134.390, -291.6), 0.09).empty());
}

TEST(DiffMatch, BySetAndTermsThenNameThenNumberAndTheStructureThatFollows) {
  ExportedRun o, n;
  o.combinations[1] = combination({{1.35, "G"}, {1.5, "Q"}}, "uls", "ELU 1");
  o.combinations[2] = combination({{1.35, "G"}, {1.5, "W"}}, "uls", "ELU 2");
  o.combinations[3] = combination({{1, "G"}, {1, "Q"}}, "sls_characteristic", "ELS 1");
  o.combinations[4] = combination({{1, "G"}}, "uls", "ELU 3");
  o.combinations[5] = combination({{2, "G"}}, "uls", "X");
  o.combinations[6] = combination({{0.9, "G"}}, "uls");
  o.combinations[7] = combination({{1.2, "G"}}, "uls", "ELU 7");
  for (auto& [number, c] : o.combinations) c.entry = number;
  // Terms in another order and renamed: the same; the same terms in
  // another set: not.
  n.combinations[1] = combination({{1, "G"}, {1, "Q"}}, "uls", "ELU 1");
  n.combinations[2] = combination({{1.5, "Q"}, {1.35, "G"}}, "uls", "ELU 9");
  n.combinations[3] = combination({{1.5, "W"}, {1.35, "G"}}, "uls", "ELU 3");
  n.combinations[4] = combination({{1, "Q"}, {1, "G"}}, "sls_characteristic", "ELS 1");
  n.combinations[5] = combination({{3, "G"}}, "uls", "Y");
  n.combinations[6] = combination({{1.1, "G"}}, "uls");
  n.combinations[7] = combination({{5, "G"}}, "uls", "Z");
  n.combinations[8] = combination({{1.3, "G"}}, "uls", "ELU 7");
  for (auto& [number, c] : n.combinations) c.entry = number * 10;
  const CombinationMatch m = match_combinations(o, n);
  // By terms 1, 2 and 3; old 4's name is taken by new 3 and its number is
  // in another set: removed; by name 7 -> 8; by number 5 and 6 (new 7 is
  // taken by no one: added, as is new 1).
  EXPECT_EQ(m.new_of, (std::map<long long, long long>{{1, 2}, {2, 3}, {3, 4}, {5, 5}, {6, 6}, {7, 8}}));
  for (const auto& [old_number, new_number] : m.new_of) EXPECT_EQ(m.old_of.at(new_number), old_number);
  std::vector<std::tuple<long long, int, int>> told;  // key, old entry, new entry (-1: none)
  for (const StructureChange& s : structure_changes(o, n, m))
    told.emplace_back(s.key.get<long long>(), s.old_value.is_null() ? -1 : s.old_value.get<int>(),
                      s.new_value.is_null() ? -1 : s.new_value.get<int>());
  EXPECT_EQ(told, (std::vector<std::tuple<long long, int, int>>{
                      {4, 4, -1}, {5, 5, 50}, {6, 6, 60}, {8, 7, 80}, {1, -1, 10}, {7, -1, 70}}));
}

// Bar 1's N under three old combinations and their three new matches.
ExportedRun renumbered(std::vector<double> n_values, std::vector<std::vector<ExportedTerm>> terms,
                       long long max_combination) {
  ExportedRun r;
  double max = -1e30;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    const long long number = static_cast<long long>(i + 1);
    r.combinations[number] = combination(terms[i]);
    r.bar_values[{number, 1}] = {n_values[i], 0, 0, 0, 0};
    max = std::max(max, n_values[i]);
  }
  r.envelope[1] = {Extreme{max, -100, max_combination, 1}, Extreme{}, Extreme{}, Extreme{}, Extreme{}};
  return r;
}

TEST(DiffResults, AGoverningCombinationChangesOnlyWhenItsMatchNoLongerReachesTheExtreme) {
  const std::vector<ExportedTerm> g = {{1, "G"}}, gq = {{1, "G"}, {1, "Q"}}, gw = {{1, "G"}, {1, "W"}};
  // Old: G, G + Q (the maximum, 10). New: G + W first, then G, G + Q.
  const ExportedRun o = renumbered({-100, 10}, {g, gq}, 2);
  const auto changes = [&](std::vector<double> values, long long max_combination) {
    return result_changes(o, renumbered(values, {gw, g, gq}, max_combination), 0.5);
  };
  // G + Q is now 3 and still the maximum: renumbering alone is no change.
  EXPECT_TRUE(changes({0, -100, 10}, 3).empty());
  // G + W ties with it, and the run takes the lower number: no change.
  EXPECT_TRUE(changes({10, -100, 10}, 1).empty());
  // G + W exceeds it by a hair: another governing combination, within the
  // tolerance, and it counts.
  const std::vector<ResultChange> c = changes({10.000001, -100, 10}, 1);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_TRUE(c[0].governing_changed);
  EXPECT_EQ(c[0].old_combination, 2);
  EXPECT_EQ(c[0].new_combination, 1);
  // The old governing combination gone: changed whatever the values.
  const ExportedRun without = renumbered({10, -100}, {gw, g}, 1);
  ASSERT_EQ(result_changes(o, without, 0.5).size(), 1u);
}

TEST(DiffResults, CombinedValuesComparedBetweenMatchesAndBendingBySlot) {
  ExportedRun o, n;
  o.combinations[1] = combination({{1, "G"}, {1, "Q"}});
  n.combinations[1] = combination({{1, "W"}});
  n.combinations[2] = combination({{1, "Q"}, {1, "G"}});
  o.combined_displacements[1] = {ValueTriple{0, 0, 0}, ValueTriple{0.001, -0.004, 0}, std::nullopt};
  n.combined_displacements[2] = {ValueTriple{0, 0, 0}, ValueTriple{0.001, -0.005, 0}, ValueTriple{1, 1, 1}};
  // The added combination's values widen the scale, not beyond 0.005.
  n.combined_displacements[1] = {ValueTriple{0, 0, 0}, ValueTriple{0, 0.002, 0}, std::nullopt};
  o.bending[{1, 3}] = true;
  n.bending[{2, 3}] = false;
  n.bending[{1, 3}] = true;
  std::vector<ResultChange> changes = result_changes(o, n, 0.001);
  // With no sets the characteristic nodes' envelope is formed from the
  // combined values: at the axis, W (new 1) now governs dx min and dy max,
  // and dy min moves under the match of old 1.
  ASSERT_EQ(changes.size(), 5u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(changes[0].table, ResultTable::displacement_envelope);
    EXPECT_EQ(changes[0].place, 1);
    EXPECT_EQ(changes[0].governing_changed, i < 2) << i;
    changes.erase(changes.begin());
  }
  EXPECT_EQ(changes[0].table, ResultTable::combined_displacements);
  EXPECT_EQ(changes[0].combination, 2);
  EXPECT_EQ(changes[0].old_combination, 1);
  EXPECT_EQ(changes[0].place, 1);
  EXPECT_EQ(changes[0].quantity, 2);
  EXPECT_EQ(changes[1].table, ResultTable::bending);
  EXPECT_EQ(changes[1].combination, 2);
  EXPECT_EQ(changes[1].bar, 3);
  EXPECT_TRUE(changes[1].old_flag);
  EXPECT_FALSE(changes[1].new_flag);
}

// Every node's dy in the characteristic set: node 1 stiff, node 7 soft,
// under G and G + Q (dy7 at node 7). Renumbered, a G + W giving `dy7_w`
// comes first. The set's envelope is formed as the run forms it.
ExportedRun sagging(double dy1, double dy7, bool renumbered = false, double dy7_w = -0.015) {
  ExportedRun r;
  std::vector<std::pair<std::vector<ExportedTerm>, std::array<double, 2>>> rows = {
      {{{1, "G"}}, {-0.001, -0.010}}, {{{1, "G"}, {1, "Q"}}, {dy1, dy7}}};
  if (renumbered) rows.insert(rows.begin(), {{{1, "G"}, {1, "W"}}, {-0.0015, dy7_w}});
  long long number = 0;
  for (const auto& [terms, dy] : rows) {
    r.combinations[++number] = combination(terms, "sls_characteristic");
    r.combined_node_displacements[number].emplace() = {{1, {0, dy[0], 0}}, {7, {0, dy[1], 0}}};
  }
  SetEnvelopes set = envelopes_by_set(r).front();
  set.set = "sls_characteristic";
  r.set_envelopes = {set};
  return r;
}

TEST(DiffResults, EveryNodesDisplacementEnvelopeAtItsNodeComponentAndBound) {
  // Renumbering alone, W within the extremes: nothing.
  EXPECT_TRUE(result_changes(sagging(-0.002, -0.020), sagging(-0.002, -0.020, true), 0).empty());
  // Node 7's dy min under G + Q (old 2, new 3): -0.020 to -0.024, at REL 0.1.
  std::vector<ResultChange> c = result_changes(sagging(-0.002, -0.020), sagging(-0.002, -0.024, true), 0.1);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_EQ(c[0].table, ResultTable::node_displacement_envelope);
  EXPECT_EQ(std::tie(c[0].set, c[0].node, c[0].quantity, c[0].bound),
            std::make_tuple(std::string("sls_characteristic"), 7, 2, 1));
  EXPECT_EQ(std::tie(c[0].old_value, c[0].new_value, c[0].old_combination, c[0].new_combination),
            std::make_tuple(-0.020, -0.024, 2, 3));
  EXPECT_FALSE(c[0].governing_changed);
  EXPECT_EQ(c[0].scale, 0.024);
  // Within the tolerance: 0.0015 is under 0.1 x 0.0215.
  EXPECT_TRUE(result_changes(sagging(-0.002, -0.020), sagging(-0.002, -0.0215, true), 0.1).empty());
  // Node 1's 25 % counts against its own 0.0025, not node 7's 0.020.
  c = result_changes(sagging(-0.002, -0.020), sagging(-0.0025, -0.020), 0.1);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_EQ(std::tie(c[0].node, c[0].bound, c[0].scale), std::make_tuple(1, 1, 0.0025));
  // W beyond G + Q by a hair: another governing combination, told at REL 0.5.
  c = result_changes(sagging(-0.002, -0.020), sagging(-0.002, -0.020, true, -0.0200001), 0.5);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_EQ(std::tie(c[0].node, c[0].old_combination, c[0].new_combination), std::make_tuple(7, 2, 1));
  EXPECT_TRUE(c[0].governing_changed);
  // A revision that does not hold them (an older export): nothing told.
  ExportedRun without = sagging(-0.002, -0.024);
  without.combined_node_displacements.clear();
  without.set_envelopes[0].node_displacement_envelope.clear();
  EXPECT_TRUE(result_changes(sagging(-0.002, -0.020), without, 0).empty());
  EXPECT_TRUE(result_changes(without, sagging(-0.002, -0.020), 0).empty());
}

}  // namespace
}  // namespace toval::tools::diff
