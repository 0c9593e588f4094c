// The sets of combinations that design rules give (one per limit state the
// engineer checks), their keys in rules files and exports, and the labels
// that begin a combination's header record in either language.
#pragma once

#include <optional>
#include <string_view>

#include "tools/cli/catalogue.h"
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

// The words that begin a header record of the set, keyed in the order of
// CombinationSet.
enum class SetLabel { uls, sls_characteristic, sls_frequent, sls_quasi_permanent, count };
inline constexpr TextRow<SetLabel> SET_LABELS[] = {
    {SetLabel::uls, "ELU", "ULS"},
    {SetLabel::sls_characteristic, "ELS CARACTERISTICA", "SLS CHARACTERISTIC"},
    {SetLabel::sls_frequent, "ELS FREQUENTE", "SLS FREQUENT"},
    {SetLabel::sls_quasi_permanent, "ELS QUASE PERMANENTE", "SLS QUASI-PERMANENT"},
};
static_assert(covers_every_key(SET_LABELS));

// "ELU", "ELS FREQUENTE"; "ULS", "SLS FREQUENT".
inline std::string_view set_label(CombinationSet set, Language language) {
  return Catalogue<SetLabel>(SET_LABELS, language)(static_cast<SetLabel>(set));
}

// The set that a header's text names: after any leading blanks, a set's
// label in either language, one or more blanks, and a number, followed by
// nothing, a blank or a hyphen. Any other text names none.
std::optional<CombinationSet> set_of_header(std::string_view header);

}  // namespace toval::tools::cli
