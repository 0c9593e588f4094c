// The sets of combinations that design rules give (one per limit state the
// engineer checks), their keys in rules files and exports, and the labels
// that begin a combination's header record in either language.
#pragma once

#include <optional>
#include <string_view>

#include "tools/cli/language.h"

namespace toval::tools::cli {

// In the order in which files, exports and pages give them.
enum class CombinationSet { uls, sls_characteristic, sls_frequent, sls_quasi_permanent };
inline constexpr CombinationSet ALL_SETS[] = {CombinationSet::uls, CombinationSet::sls_characteristic,
                                              CombinationSet::sls_frequent,
                                              CombinationSet::sls_quasi_permanent};

// The set's key: "uls", "sls_frequent".
constexpr std::string_view set_key(CombinationSet set) {
  constexpr std::string_view KEYS[] = {"uls", "sls_characteristic", "sls_frequent", "sls_quasi_permanent"};
  return KEYS[static_cast<int>(set)];
}

// The words that begin a header record of the set: "ELU", "ELS FREQUENTE";
// "ULS", "SLS FREQUENT".
constexpr std::string_view set_label(CombinationSet set, Language language) {
  constexpr std::string_view PT[] = {"ELU", "ELS CARACTERISTICA", "ELS FREQUENTE", "ELS QUASE PERMANENTE"};
  constexpr std::string_view EN[] = {"ULS", "SLS CHARACTERISTIC", "SLS FREQUENT", "SLS QUASI-PERMANENT"};
  return (language == Language::pt ? PT : EN)[static_cast<int>(set)];
}

// The set that a header's text names: after any leading blanks, a set's
// label in either language, one or more blanks, and a number, followed by
// nothing, a blank or a hyphen. Any other text names none.
std::optional<CombinationSet> set_of_header(std::string_view header);

}  // namespace toval::tools::cli
