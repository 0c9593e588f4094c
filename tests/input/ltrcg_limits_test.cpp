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
