// The order of the enumeration where the portal does not show it: actions
// mixed in the list, shared sources, groups apart in the list, repeats.
#include <gtest/gtest.h>

#include "records/run_error.h"
#include "tools/combinations/portal_rules.h"

namespace toval::testing {
namespace {

std::vector<std::string> combinations_of(const std::string& text) {
  const tools::combinations::Rules rules = rules_from(text);
  return described(rules, tools::combinations::enumerate_combinations(rules, "R.toml"));
}

// Positions: Q 1, G1 2, W1 3, G2 4, W2 5, G3 6. G1 and G2 share a source
// (standing at position 2), G3 is its own (position 6).
const char* const MIXED = R"(titles = ["A", "B", "C"]
sets = ["uls"]
[categories.g]
gamma_sup = 2
gamma_inf = 1
[[actions]]
case = "Q"
kind = "variable"
gamma = 3
psi0 = 0.5
[[actions]]
case = "G1"
kind = "permanent"
category = "g"
source = "dead"
[[actions]]
case = "W1"
kind = "variable"
gamma = 5
psi0 = 0.1
group = "w"
[[actions]]
case = "G2"
kind = "permanent"
category = "g"
source = "dead"
[[actions]]
case = "G3"
kind = "permanent"
gamma_sup = 4
gamma_inf = 3
[[actions]]
case = "W2"
kind = "variable"
gamma = 7
psi0 = 0.1
group = "w"
)";

TEST(EnumerationOrder, LeadingThenAccompanyingThenSharedSourceChoices) {
  const std::vector<std::string> all = combinations_of(MIXED);
  // none; Q with {}, {W1} (bit 3), {W2} (bit 6); W1 with {}, {Q}; W2 the
  // same: 8 variable parts, 4 choices each (dead, G3).
  ASSERT_EQ(all.size(), 32u);
  EXPECT_EQ(all[0], "uls: 2.0 G1 + 2.0 G2 + 4.0 G3");
  EXPECT_EQ(all[1], "uls: 1.0 G1 + 1.0 G2 + 4.0 G3");  // the shared source takes gamma_inf
  EXPECT_EQ(all[2], "uls: 2.0 G1 + 2.0 G2 + 3.0 G3");
  EXPECT_EQ(all[3], "uls: 1.0 G1 + 1.0 G2 + 3.0 G3");
  EXPECT_EQ(all[4], "uls: 3.0 Q + 2.0 G1 + 2.0 G2 + 4.0 G3");
  EXPECT_EQ(all[8], "uls: 3.0 Q + 2.0 G1 + 0.5 W1 + 2.0 G2 + 4.0 G3");
  EXPECT_EQ(all[12], "uls: 3.0 Q + 2.0 G1 + 2.0 G2 + 4.0 G3 + 0.7 W2");
  EXPECT_EQ(all[16], "uls: 2.0 G1 + 5.0 W1 + 2.0 G2 + 4.0 G3");
  EXPECT_EQ(all[20], "uls: 1.5 Q + 2.0 G1 + 5.0 W1 + 2.0 G2 + 4.0 G3");
  EXPECT_EQ(all[24], "uls: 2.0 G1 + 2.0 G2 + 4.0 G3 + 7.0 W2");
  EXPECT_EQ(all[31], "uls: 1.5 Q + 1.0 G1 + 1.0 G2 + 3.0 G3 + 7.0 W2");
}

// A group apart in the list and two free actions: the subsets go by the sum
// of their bits, not by the groups' order.
TEST(EnumerationOrder, QuasiPermanentSubsetsBySumOfBits) {
  const std::vector<std::string> all = combinations_of(R"(titles = ["A", "B", "C"]
sets = ["sls_quasi_permanent"]
[[actions]]
case = "A1"
kind = "variable"
psi2 = 0.1
group = "a"
[[actions]]
case = "B1"
kind = "variable"
psi2 = 0.2
[[actions]]
case = "A2"
kind = "variable"
psi2 = 0.3
group = "a"
[[actions]]
case = "C"
kind = "variable"
psi2 = 0.4
)");
  // {} has no term and is not written; {A1,A2} and supersets never form.
  const std::vector<std::string> expected = {
      "sls_quasi_permanent: 0.1 A1",                   // 1
      "sls_quasi_permanent: 0.2 B1",                   // 2
      "sls_quasi_permanent: 0.1 A1 + 0.2 B1",          // 3
      "sls_quasi_permanent: 0.3 A2",                   // 4
      "sls_quasi_permanent: 0.2 B1 + 0.3 A2",          // 6
      "sls_quasi_permanent: 0.4 C",                    // 8
      "sls_quasi_permanent: 0.1 A1 + 0.4 C",           // 9
      "sls_quasi_permanent: 0.2 B1 + 0.4 C",           // 10
      "sls_quasi_permanent: 0.1 A1 + 0.2 B1 + 0.4 C",  // 11
      "sls_quasi_permanent: 0.3 A2 + 0.4 C",           // 12
      "sls_quasi_permanent: 0.2 B1 + 0.3 A2 + 0.4 C",  // 14
  };
  EXPECT_EQ(all, expected);
}

// Equal gammas make the choices repeat; a repeat is dropped within its set
// only, and the same terms in another set are kept.
TEST(EnumerationDuplicates, DroppedPerSetAsSetsOfCaseAndMultiplier) {
  const std::vector<std::string> all = combinations_of(R"(titles = ["A", "B", "C"]
sets = ["sls_characteristic", "uls"]
[[actions]]
case = "G"
kind = "permanent"
gamma_sup = 1.0
gamma_inf = 1
[[actions]]
case = "Q"
kind = "variable"
gamma = 1.0
psi0 = 1.0
[[actions]]
case = "R"
kind = "variable"
gamma = 1.00
psi0 = 1
)");
  const std::vector<std::string> expected = {
      "uls: 1.0 G",
      "uls: 1.0 G + 1.0 Q",
      "uls: 1.0 G + 1.0 Q + 1.0 R",
      "uls: 1.0 G + 1.0 R",
      "sls_characteristic: 1.0 G",
      "sls_characteristic: 1.0 G + 1.0 Q",
      "sls_characteristic: 1.0 G + 1.0 Q + 1.0 R",
      "sls_characteristic: 1.0 G + 1.0 R",
  };
  EXPECT_EQ(all, expected);
}

TEST(EnumerationLimits, RulesGivingTooManyCombinationsAreRefused) {
  std::string text = "titles = [\"A\", \"B\", \"C\"]\nsets = [\"sls_quasi_permanent\"]\n";
  for (int k = 0; k < 17; ++k)
    text += "[[actions]]\ncase = \"Q" + std::to_string(k) + "\"\nkind = \"variable\"\npsi2 = 0.1\n";
  const tools::combinations::Rules rules = rules_from(text);
  try {
    tools::combinations::enumerate_combinations(rules, "R.toml");
    FAIL() << "2^17 combinations accepted";
  } catch (const RunError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("R.toml: error: the rules give 131072 combinations", 0), 0u)
        << e.what();
  }
}

}  // namespace
}  // namespace toval::testing
