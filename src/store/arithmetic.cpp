#include "store/arithmetic.h"

#include <cmath>

#include "store/run_error.h"

namespace toval {

Real to_real(double result) {
  if (std::isnan(result)) throw math_error(MathFault::invalid);
  auto stored = static_cast<Real>(result);
  if (std::isinf(stored)) throw math_error(MathFault::overflow);
  return stored;
}

double divide(double a, double b) {
  if (b == 0.0) throw math_error(a == 0.0 || std::isnan(a) ? MathFault::invalid : MathFault::divide_by_zero);
  return a / b;
}

}  // namespace toval
