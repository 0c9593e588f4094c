#include "store/capacity.h"

#include <string>

#include "records/run_error.h"

namespace toval {

void check_capacity(const InputUnit& unit, long count, long capacity, std::string_view what, long line) {
  if (count <= capacity) return;
  if (line == 0) line = unit.next_line() - 1;
  throw read_error(ReadFault::capacity, unit.name(),
                   "capacity exceeded at line " + std::to_string(line) + ": more than " +
                       std::to_string(capacity) + " " + std::string(what) + " (the program holds at most " +
                       std::to_string(capacity) + ")");
}

}  // namespace toval
