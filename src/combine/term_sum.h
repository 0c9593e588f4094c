// How a term is added into a combined value: the product and the sum are
// formed in double precision from the 32-bit values and the result is
// stored as 32 bits. Every combined value of the system is summed this way,
// term by term in term order.
#pragma once

#include "store/arithmetic.h"
#include "store/types.h"

namespace toval {

inline void add_term(Real& sum, Real m, Real value) {
  sum = to_real(double{sum} + double{m} * double{value});
}

}  // namespace toval
