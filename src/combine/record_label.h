// Names a record of the forces file in read-error messages, so that a user
// can find it ("force record of end 1 of bar 3 in case Q1").
#pragma once

#include <string>

#include "store/record_name.h"
#include "store/types.h"

namespace toval {

// Put together only when a read fails.
using RecordLabel = RecordName;

// A case name as messages show it: without its trailing blanks, or quoted
// when that would leave it empty or unreadable.
std::string case_label(const Name<4>& name);

}  // namespace toval
