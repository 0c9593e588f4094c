// The whole export of a run as one JSON document, keys in a fixed order,
// written as it is formed.
#pragma once

#include <iosfwd>
#include <optional>

#include "tools/cli/loaded_run.h"
#include "tools/cli/units.h"

namespace toval::tools::export_ {

// Reads every node's displacements and each case's bar end forces from the
// run's listing as it goes; `units` names the units the values are in.
void write_results_json(cli::LoadedRun& run, std::ostream& out,
                        const std::optional<cli::Units>& units = std::nullopt);

}  // namespace toval::tools::export_
