// How much a run's tables may hold. The program chooses: toval keeps the
// capacities its report's columns rest on; toval-tools takes far larger
// frames. The tables grow with what is stored, so a capacity costs nothing
// until an input uses it.
#pragma once

#include "records/values.h"

namespace toval {

struct Capacities {
  long nodes = 0;
  long bars = 0;
  long cases = 0;
  long combinations = 0;
  long terms = 0;  // in one combination
  long slots = 0;  // (combination, bar) pairs of combined forces
  long supports = 0;
};

}  // namespace toval
