// What the combination file says of its combinations and cases beyond what
// the run reads: each combination's set and name, from its header record,
// and each case's description, from its entry. toval passes over these
// texts; toval-tools reads them again, at the lines the run noted.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/input_unit.h"
#include "store/store.h"
#include "tools/cli/combination_sets.h"

namespace toval::tools::cli {

struct CombinationLabel {
  std::optional<CombinationSet> set;  // none: a header that names no set, or no header
  std::string name;                   // the header's text, trimmed (UTF-8); empty without a header
};

struct SetMembers {
  CombinationSet set;
  std::vector<Whole> combinations;  // in increasing order, never empty
};

struct RunLabels {
  std::vector<CombinationLabel> combinations;  // combination I at I - 1
  std::vector<std::string> case_descriptions;  // case P at P - 1; empty for none
  std::vector<SetMembers> sets;                // each set that holds a combination, in ALL_SETS order

  const CombinationLabel& combination(Whole I) const { return combinations[static_cast<std::size_t>(I - 1)]; }
  const std::string& description(Whole P) const { return case_descriptions[static_cast<std::size_t>(P - 1)]; }
  // The members of `set`, or none.
  const SetMembers* members(CombinationSet set) const;
};

// The set whose envelope a picture shows unless asked for another: the
// ultimate set where the run has one; none (every combination) otherwise.
std::optional<CombinationSet> design_set(const RunLabels& labels);

// From the top of `unit`, the combination file that the run read into `s`
// (NCCAR cases); a record is read to its 256th column as every record is.
// A case's description is the rest of its name record and the records
// passed over before its "FIMC", each trimmed, those holding text joined
// by " - ".
RunLabels read_run_labels(InputUnit& unit, const Store& s, Whole NCCAR);

}  // namespace toval::tools::cli
