// The abscissa tolerance of the geometry: two abscissae, midpoints, heights,
// lengths or cosines closer than this are taken as equal.
#pragma once

#include <cmath>

#include "store/types.h"

namespace toval {

constexpr Real DT = 0.0015f;

// A node of abscissa x lies on the vertical line of abscissa a when their
// distance, formed in double precision and not rounded, is at most DT.
inline bool on_vertical_line(Real a, Real x) {
  return std::fabs(double{a} - double{x}) <= double{DT};
}

}  // namespace toval
