// Capacities of the store: inputs exactly at a limit are read in full, one
// more ends the run with the capacity error before anything is stored.
#include <gtest/gtest.h>

#include "input_files.h"

namespace toval::testing {
namespace {

std::vector<std::string> case_names(int count) {
  std::vector<std::string> names;
  for (int k = 1; k <= count; ++k) names.push_back("C" + std::to_string(k));
  return names;
}

// `combinations` combinations of one term each.
std::string combinations(int count) {
  std::vector<std::string> tail;
  for (int k = 1; k <= count; ++k) tail.insert(tail.end(), {"HEAD", "    1,G1", "FIMC"});
  tail.push_back("FIME");
  return combination_file({"G1"}, tail);
}

// One combination of `count` terms, term k with multiplier k.
std::string terms(int count) {
  std::vector<std::string> tail = {"HEAD"};
  for (int k = 1; k <= count; ++k) tail.push_back("    " + std::to_string(k) + ",G1");
  tail.insert(tail.end(), {"FIMC      99.0Q1", "FIME"});
  return combination_file({"G1"}, tail);
}

struct Limit {
  const char* name;
  std::string forces, combination;
  Whole NNOS, NBAR, NCCAR, NCOB;
};

TEST(Capacities, InputsAtEveryLimitAreReadInFull) {
  const Limit limits[] = {
      {"500 nodes", chain_forces_file(500, 1), ONE_CASE_COMBINATION, 500, 1, 1, 1},
      {"500 bars", chain_forces_file(2, 500), ONE_CASE_COMBINATION, 2, 500, 1, 1},
      {"10 cases", ONE_NODE_FORCES, combination_file(case_names(10), {"FIME"}), 1, 0, 10, 10},
      {"10 combinations", ONE_NODE_FORCES, combinations(10), 1, 0, 1, 10},
      {"10 terms", ONE_NODE_FORCES, terms(10), 1, 0, 1, 1},
      {"2500 slots", chain_forces_file(2, 250), combination_file(case_names(10), {"FIME"}), 2, 250, 10, 10},
  };
  for (const Limit& c : limits) {
    SCOPED_TRACE(c.name);
    Loaded l;
    load(l, c.forces, c.combination);
    EXPECT_EQ(l.NNOS, c.NNOS);
    EXPECT_EQ(l.NBAR, c.NBAR);
    EXPECT_EQ(l.NCCAR, c.NCCAR);
    EXPECT_EQ(l.s->BL5.NCOB, c.NCOB);
  }
}

TEST(Capacities, TenTermsKeepTheirValuesPastTheClosingRecord) {
  Loaded l;
  load(l, ONE_NODE_FORCES, terms(10));
  ASSERT_EQ(l.s->BL5.NCASO(1), 10);
  EXPECT_EQ(l.s->BL5.MULT(1, 10), 10.0f);
  EXPECT_EQ(l.s->BL5.CASO(1, 10), "G1  ");
}

TEST(Capacities, OneMoreEndsTheRunWithTheCapacityError) {
  struct Case {
    const char* name;
    std::string forces, combination;
    std::string expected;
  };
  const Case cases[] = {
      {"501 nodes", chain_forces_file(501, 1), ONE_CASE_COMBINATION,
       "READ(FORCES.DAT)\n- capacity exceeded at line 508: more than 500 node records"},
      {"501 bars", chain_forces_file(2, 501), ONE_CASE_COMBINATION,
       "READ(FORCES.DAT)\n- capacity exceeded at line 518: more than 500 bar records"},
      {"11 cases", ONE_NODE_FORCES, combination_file(case_names(11), {"FIME"}),
       "READ(COMB.DAT)\n- capacity exceeded at line 26: more than 10 load cases"},
      {"11 combinations", ONE_NODE_FORCES, combinations(11),
       "READ(COMB.DAT)\n- capacity exceeded at line 39: more than 10 combinations"},
      {"11 terms", ONE_NODE_FORCES, terms(11),
       "READ(COMB.DAT)\n- capacity exceeded at line 20: more than 10 terms in combination 1"},
      {"2510 slots", chain_forces_file(2, 251), combination_file(case_names(10), {"FIME"}),
       "READ(COMB.DAT)\n- capacity exceeded at line 27: more than 2500 slots of combined bar forces: 10 "
       "combinations x 251 bars need 2510"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string message = error_of(c.forces, c.combination);
    EXPECT_NE(message.find("run-time error F6510: " + c.expected), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace toval::testing

namespace toval::testing {
namespace {

// The readers hold to what the store was given, not to toval's numbers.
constexpr Capacities SMALL{
    .nodes = 3, .bars = 2, .cases = 2, .combinations = 2, .terms = 2, .slots = 3, .supports = 1};
constexpr Capacities LARGE{.nodes = 2000,
                           .bars = 2000,
                           .cases = 40,
                           .combinations = 40,
                           .terms = 40,
                           .slots = 80000,
                           .supports = 100};

TEST(Capacities, AStoreOfOtherCapacitiesEndsTheRunAtItsOwnLimits) {
  struct Case {
    const char* name;
    std::string forces, combination;
    std::string expected;
  };
  const Case cases[] = {
      {"4 nodes", chain_forces_file(4, 1), ONE_CASE_COMBINATION,
       "capacity exceeded at line 11: more than 3 node records in the node section (the program holds at "
       "most 3)"},
      {"3 bars", chain_forces_file(3, 3), ONE_CASE_COMBINATION, "more than 2 bar records"},
      {"3 cases", ONE_NODE_FORCES, combination_file(case_names(3), {"FIME"}), "more than 2 load cases"},
      {"3 combinations", ONE_NODE_FORCES, combinations(3), "more than 2 combinations"},
      {"3 terms", ONE_NODE_FORCES, terms(3), "more than 2 terms in combination 1"},
      {"4 slots", chain_forces_file(3, 2), combination_file(case_names(2), {"FIME"}),
       "more than 3 slots of combined bar forces: 2 combinations x 2 bars need 4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string message = error_of(c.forces, c.combination, SMALL);
    EXPECT_NE(message.find("run-time error F6510: "), std::string::npos) << message;
    EXPECT_NE(message.find(c.expected), std::string::npos) << message;
  }
}

TEST(Capacities, ALargerStoreReadsWhatTovalWouldRefuse) {
  Loaded l(LARGE);
  load(l, chain_forces_file(1500, 1499), combination_file(case_names(40), {"FIME"}));
  EXPECT_EQ(l.NNOS, 1500);
  EXPECT_EQ(l.NBAR, 1499);
  EXPECT_EQ(l.NCCAR, 40);
  EXPECT_EQ(l.s->BL5.NCOB, 40);
  EXPECT_EQ(l.s->BL5.CASO(40, 1), "C40 ");
  EXPECT_EQ(l.s->BL3.NF(1499), 2);
  EXPECT_EQ(l.s->BL2.X(1500), 1500.0f);

  Loaded t(LARGE);
  load(t, ONE_NODE_FORCES, terms(40));
  ASSERT_EQ(t.s->BL5.NCASO(1), 40);
  EXPECT_EQ(t.s->BL5.MULT(1, 40), 40.0f);
  EXPECT_EQ(t.s->BL5.MULT(1, 1), 1.0f);  // kept when the table widened for later terms
}

// A bar may name a node above the node count: within the capacity it reads
// as a node never written (at 0, 0, without restraint); above, it ends the run.
TEST(Capacities, ABarNodeIsCheckedAgainstTheCapacityNotTheCount) {
  Loaded l(SMALL);
  load(l, forces_file({node_record(1, 5, 6, 1, 1, 1)}, {bar_record(1, 1, 3)}), ONE_CASE_COMBINATION);
  EXPECT_EQ(l.NNOS, 1);
  EXPECT_EQ(l.s->BL3.NF(1), 3);
  const Store& s = *l.s;
  EXPECT_EQ(s.BL2.X(3), 0.0f);
  EXPECT_EQ(s.BL2.Y(3), 0.0f);
  EXPECT_EQ(s.BL2.R1(3) + s.BL2.R2(3) + s.BL2.R3(3), 0);

  const std::string message =
      error_of(forces_file({node_record(1, 0, 0)}, {bar_record(1, 1, 4)}), ONE_CASE_COMBINATION, SMALL);
  EXPECT_NE(message.find("its final node 4 lies outside the node numbers 1..3 that the program can hold"),
            std::string::npos)
      << message;
}

}  // namespace
}  // namespace toval::testing
