// The whole export of a run as one JSON document, keys in a fixed order.
#pragma once

#include <nlohmann/json.hpp>

#include "tools/cli/loaded_run.h"

namespace toval::tools {

nlohmann::ordered_json results_document(const LoadedRun& run);

}  // namespace toval::tools
