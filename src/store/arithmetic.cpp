#include "store/arithmetic.h"

#include <cmath>

#include "records/run_error.h"

namespace toval {

void arithmetic_fault(double result) {
  if (std::isnan(result)) throw math_error(MathFault::invalid);
  throw math_error(MathFault::overflow);
}

double divide(double a, double b) {
  if (b == 0.0) throw math_error(a == 0.0 || std::isnan(a) ? MathFault::invalid : MathFault::divide_by_zero);
  return a / b;
}

}  // namespace toval
