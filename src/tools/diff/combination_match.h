// Which combination of one revision is which of the other. Two
// combinations are the same when they are in the same set and hold the
// same terms (the same cases with the same multipliers, in any order);
// failing that, when they have the same name within the same set; failing
// that, the same number within the same set. Numbers alone say nothing:
// a case added to the rules moves every later combination.
#pragma once

#include <map>
#include <optional>

#include "tools/diff/exported_run.h"

namespace toval::tools::diff {

struct CombinationMatch {
  std::map<long long, long long> new_of;  // old number -> new number
  std::map<long long, long long> old_of;  // new number -> old number

  std::optional<long long> new_number(long long old_number) const;
};

// Each old combination is matched at most once, in the order of the three
// rules, and within a rule in the order of the numbers.
CombinationMatch match_combinations(const ExportedRun& old_run, const ExportedRun& new_run);

// Whether two combinations hold the same terms, in whatever order.
bool same_terms(const ExportedCombination& a, const ExportedCombination& b);

}  // namespace toval::tools::diff
