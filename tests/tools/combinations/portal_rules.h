// The hand-worked portal of the combination tests, and combinations as
// short texts that a test can list by hand.
#pragma once

#include <string>
#include <vector>

#include "tools/combinations/enumeration.h"
#include "tools/combinations/rules.h"

namespace toval::testing {

// Permanent G1 (1.35 / 1.0) and G2 (1.5 / 0.0); roof live load Q (1.5; 0.7,
// 0.5, 0.3); wind W1, W2 in one group (1.5; 0.6, 0.2, 0.0); every set.
extern const char* const PORTAL_RULES;

// The rules from a text, for tests that expect no fault.
tools::combinations::Rules rules_from(const std::string& text);

// "uls: 1.35 G1 + 1.5 G2 + 0.9 W1", one per combination, in order.
std::vector<std::string> described(const tools::combinations::Rules& rules,
                                   const std::vector<tools::combinations::Combination>& all);

}  // namespace toval::testing
