#include "store/capacity.h"

#include <string>

#include "store/run_error.h"

namespace toval {

void check_capacity(const InputUnit& unit, long count, long capacity, std::string_view what) {
  if (count <= capacity) return;
  throw read_error(ReadFault::capacity, unit.name(),
                   "capacity exceeded near line " + std::to_string(unit.next_line() - 1) + ": more than " +
                       std::to_string(capacity) + " " + std::string(what) + " (the program holds at most " +
                       std::to_string(capacity) + ")");
}

}  // namespace toval
