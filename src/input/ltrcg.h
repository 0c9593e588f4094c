#pragma once

#include "input/listing.h"
#include "store/store.h"

namespace toval {

// Reads the node and bar sections of the forces file, then the combination
// file: titles, case names and combinations. Sets NNOS, NBAR and NCCAR.
void LTRCG(Store& s, InputUnit& unit3, Listing& listing, Whole& NNOS, Whole& NBAR, Whole& NCCAR);

}  // namespace toval
