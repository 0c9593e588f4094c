#include "store/capacity.h"

#include <string>

#include "records/run_error.h"

namespace toval {

void check_capacity(const InputUnit& unit, long count, long capacity, std::string_view what, long line) {
  if (count <= capacity) return;
  if (line == 0) line = unit.next_line() - 1;
  ErrorFields f = file_fault(ReadFault::capacity, unit.name());
  f.shape = ErrorShape::capacity;
  f.line = line;
  f.cause = "more than " + std::to_string(capacity) + " " + std::string(what) +
            " (the program holds at most " + std::to_string(capacity) + ")";
  throw RunError(std::move(f));
}

}  // namespace toval
