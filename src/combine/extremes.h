// The largest and smallest of a value over combinations 1..NCOB, with the
// combination that gives each: seeded with combination 1 whatever NCOB is,
// strict comparisons, so a tie keeps the lowest-numbered combination.
#pragma once

#include "store/types.h"

namespace toval {

struct Extremes {
  Real max = 0.0f, min = 0.0f;
  Whole max_combination = 1, min_combination = 1;
};

// Extremes seeded by combination I's value.
inline Extremes seeded(Whole I, Real v) {
  return {v, v, I, I};
}

// Combination I, later than those taken so far, replaces an extreme only
// when strictly beyond it.
inline void take_later(Extremes& e, Whole I, Real v) {
  if (v > e.max) {
    e.max = v;
    e.max_combination = I;
  }
  if (v < e.min) {
    e.min = v;
    e.min_combination = I;
  }
}

// `value(I)` is the value of combination I.
template <class ValueOf>
Extremes extremes(Whole NCOB, ValueOf value) {
  Extremes e = seeded(Whole{1}, value(Whole{1}));
  for (Whole I = 2; I <= NCOB; ++I) take_later(e, I, value(I));
  return e;
}

}  // namespace toval
