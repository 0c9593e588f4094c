// The hand-worked portal: every combination of every set, listed by hand
// from the rules (G1 = bit 1, G2 = 2, Q = 4, W1 = 8, W2 = 16).
#include <gtest/gtest.h>

#include "tools/combinations/combination_words.h"
#include "tools/combinations/portal_rules.h"

namespace toval::testing {
namespace {

using tools::combinations::Combination;

TEST(PortalEnumeration, EveryCombinationOfEverySetInOrder) {
  const tools::combinations::Rules rules = rules_from(PORTAL_RULES);
  const std::vector<std::string> expected = {
      // uls, no leading action: the four choices of gamma (G2's gamma_inf 0
      // leaves G2 out).
      "uls: 1.35 G1 + 1.5 G2",
      "uls: 1.0 G1 + 1.5 G2",
      "uls: 1.35 G1",
      "uls: 1.0 G1",
      // Q leading; accompanying none, {W1} (8), {W2} (16), W1 taking 1.5 x 0.6.
      "uls: 1.35 G1 + 1.5 G2 + 1.5 Q",
      "uls: 1.0 G1 + 1.5 G2 + 1.5 Q",
      "uls: 1.35 G1 + 1.5 Q",
      "uls: 1.0 G1 + 1.5 Q",
      "uls: 1.35 G1 + 1.5 G2 + 1.5 Q + 0.9 W1",
      "uls: 1.0 G1 + 1.5 G2 + 1.5 Q + 0.9 W1",
      "uls: 1.35 G1 + 1.5 Q + 0.9 W1",
      "uls: 1.0 G1 + 1.5 Q + 0.9 W1",
      "uls: 1.35 G1 + 1.5 G2 + 1.5 Q + 0.9 W2",
      "uls: 1.0 G1 + 1.5 G2 + 1.5 Q + 0.9 W2",
      "uls: 1.35 G1 + 1.5 Q + 0.9 W2",
      "uls: 1.0 G1 + 1.5 Q + 0.9 W2",
      // W1 leading: W2 is of its group, so Q alone may accompany (1.5 x 0.7).
      "uls: 1.35 G1 + 1.5 G2 + 1.5 W1",
      "uls: 1.0 G1 + 1.5 G2 + 1.5 W1",
      "uls: 1.35 G1 + 1.5 W1",
      "uls: 1.0 G1 + 1.5 W1",
      "uls: 1.35 G1 + 1.5 G2 + 1.05 Q + 1.5 W1",
      "uls: 1.0 G1 + 1.5 G2 + 1.05 Q + 1.5 W1",
      "uls: 1.35 G1 + 1.05 Q + 1.5 W1",
      "uls: 1.0 G1 + 1.05 Q + 1.5 W1",
      "uls: 1.35 G1 + 1.5 G2 + 1.5 W2",
      "uls: 1.0 G1 + 1.5 G2 + 1.5 W2",
      "uls: 1.35 G1 + 1.5 W2",
      "uls: 1.0 G1 + 1.5 W2",
      "uls: 1.35 G1 + 1.5 G2 + 1.05 Q + 1.5 W2",
      "uls: 1.0 G1 + 1.5 G2 + 1.05 Q + 1.5 W2",
      "uls: 1.35 G1 + 1.05 Q + 1.5 W2",
      "uls: 1.0 G1 + 1.05 Q + 1.5 W2",
      // characteristic: leading 1.0, accompanying psi0.
      "sls_characteristic: 1.0 G1 + 1.0 G2",
      "sls_characteristic: 1.0 G1 + 1.0 G2 + 1.0 Q",
      "sls_characteristic: 1.0 G1 + 1.0 G2 + 1.0 Q + 0.6 W1",
      "sls_characteristic: 1.0 G1 + 1.0 G2 + 1.0 Q + 0.6 W2",
      "sls_characteristic: 1.0 G1 + 1.0 G2 + 1.0 W1",
      "sls_characteristic: 1.0 G1 + 1.0 G2 + 0.7 Q + 1.0 W1",
      "sls_characteristic: 1.0 G1 + 1.0 G2 + 1.0 W2",
      "sls_characteristic: 1.0 G1 + 1.0 G2 + 0.7 Q + 1.0 W2",
      // frequent: wind's psi2 of 0 leaves it out as accompanying, and Q
      // leading with wind repeats Q leading alone.
      "sls_frequent: 1.0 G1 + 1.0 G2",
      "sls_frequent: 1.0 G1 + 1.0 G2 + 0.5 Q",
      "sls_frequent: 1.0 G1 + 1.0 G2 + 0.2 W1",
      "sls_frequent: 1.0 G1 + 1.0 G2 + 0.3 Q + 0.2 W1",
      "sls_frequent: 1.0 G1 + 1.0 G2 + 0.2 W2",
      "sls_frequent: 1.0 G1 + 1.0 G2 + 0.3 Q + 0.2 W2",
      // quasi-permanent: {}, {Q}; every subset with wind repeats one of them.
      "sls_quasi_permanent: 1.0 G1 + 1.0 G2",
      "sls_quasi_permanent: 1.0 G1 + 1.0 G2 + 0.3 Q",
  };
  EXPECT_EQ(described(rules, tools::combinations::enumerate_combinations(rules, "R.toml")), expected);
}

TEST(PortalEnumeration, HeadersNameTheSetTheLeadingActionAndTheChoices) {
  const tools::combinations::Rules rules = rules_from(PORTAL_RULES);
  const std::vector<Combination> all = tools::combinations::enumerate_combinations(rules, "R.toml");
  ASSERT_EQ(all.size(), 48u);
  EXPECT_EQ(tools::combinations::header_text(rules, all[0], tools::cli::Language::pt),
            "ELU 1 - PRINCIPAL: NENHUMA - DESFAVORAVEIS: G1 G2");
  EXPECT_EQ(tools::combinations::header_text(rules, all[11], tools::cli::Language::pt),
            "ELU 12 - PRINCIPAL: Q - ACOMPANHANTES: W1 - FAVORAVEIS: G1 G2");
  EXPECT_EQ(tools::combinations::header_text(rules, all[21], tools::cli::Language::en),
            "ULS 22 - LEADING: W1 - ACCOMPANYING: Q - UNFAVOURABLE: G2 - FAVOURABLE: G1");
  // Numbered within the set, after the dropped repeats.
  EXPECT_EQ(tools::combinations::header_text(rules, all[43], tools::cli::Language::pt),
            "ELS FREQUENTE 4 - PRINCIPAL: W1 - ACOMPANHANTES: Q");
  EXPECT_EQ(tools::combinations::header_text(rules, all[47], tools::cli::Language::en),
            "SLS QUASI-PERMANENT 2 - VARIABLE: Q");
  for (const Combination& c : all)
    for (tools::cli::Language l : {tools::cli::Language::pt, tools::cli::Language::en})
      EXPECT_NE(tools::combinations::header_text(rules, c, l).substr(0, 3), "FIM");
}

}  // namespace
}  // namespace toval::testing
