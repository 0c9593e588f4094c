#pragma once

#include "store/capacities.h"

namespace toval::tools::cli {

// Every count as far as a 16-bit whole number goes, less one so that a step's
// loop up to a count never passes the largest such number; the slots are as
// many as the combinations times the bars. The tables grow with the inputs.
constexpr long TOOLS_LIMIT = 32766;
constexpr Capacities TOOLS_CAPACITIES{.nodes = TOOLS_LIMIT,
                                      .bars = TOOLS_LIMIT,
                                      .cases = TOOLS_LIMIT,
                                      .combinations = TOOLS_LIMIT,
                                      .terms = TOOLS_LIMIT,
                                      .slots = TOOLS_LIMIT * TOOLS_LIMIT,
                                      .supports = TOOLS_LIMIT};

}  // namespace toval::tools::cli
