// The files of a run: the console and units 3, 4 and 5. The driver owns
// them, opens and closes them, and passes each step the ones it reads or
// writes; the store holds the tables alone.
#pragma once

#include "records/console.h"
#include "records/input_unit.h"
#include "records/report_unit.h"

namespace toval {

struct RunFiles {
  Console console;
  InputUnit unit3;   // combination file
  InputUnit unit4;   // forces file
  ReportUnit unit5;  // report file
};

}  // namespace toval
