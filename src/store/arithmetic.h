// Results are formed in double precision from stored 32-bit values and
// rounded to 32 bits when stored. Faults are not masked: an invalid result
// or one too large for 32 bits ends the run with the arithmetic error.
#pragma once

#include "store/types.h"

namespace toval {

[[noreturn]] void arithmetic_fault(double result);

// The stored 32-bit value of a result formed in double precision. Called
// for every sum of every slot, so the test of the usual case is inline.
inline Real to_real(double result) {
  const auto stored = static_cast<Real>(result);
  if (stored - stored != 0.0f) arithmetic_fault(result);  // NaN or infinite
  return stored;
}

// a / b, with the faults of a division by zero.
double divide(double a, double b);

}  // namespace toval
