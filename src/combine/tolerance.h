// The abscissa tolerance of the geometry: two abscissae, midpoints, heights,
// lengths or cosines closer than this are taken as equal.
#pragma once

#include "store/types.h"

namespace toval {

constexpr Real DT = 0.0015f;

}  // namespace toval
