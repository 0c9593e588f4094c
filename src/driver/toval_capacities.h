#pragma once

#include "store/capacities.h"

namespace toval {

// What toval's tables hold: the report's columns and its behaviour rest on
// these (500 nodes and bars, 10 cases, 10 combinations of 10 terms, 2500
// slots, 50 supports).
constexpr Capacities TOVAL_CAPACITIES{
    .nodes = 500, .bars = 500, .cases = 10, .combinations = 10, .terms = 10, .slots = 2500, .supports = 50};

}  // namespace toval
