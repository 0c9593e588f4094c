#pragma once

#include "store/types.h"

namespace toval {

// The report file's name: the combination file's name up to and including
// its first ".", then "TOV", cut or padded to 20 characters.
Name<20> report_name(const Name<20>& AENT1);

}  // namespace toval
