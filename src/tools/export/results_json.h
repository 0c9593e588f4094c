// The whole export of a run as one JSON document, keys in a fixed order,
// written as it is formed.
#pragma once

#include <iosfwd>

#include "tools/cli/loaded_run.h"

namespace toval::tools::export_ {

void write_results_json(const cli::LoadedRun& run, std::ostream& out);

}  // namespace toval::tools::export_
