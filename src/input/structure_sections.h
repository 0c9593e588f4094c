// The node and bar sections of the forces file: the first half of LTRCG.
#pragma once

#include "store/store.h"

namespace toval {

// From the top of the forces file: the node section, then the bar section
// after it. Node K and bar K are the K-th records of their sections; the
// numbers printed in the first column only end each list. Sets NNOS, NBAR.
void read_structure_sections(Store& s, Whole& NNOS, Whole& NBAR);

}  // namespace toval
