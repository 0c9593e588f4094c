#include "tools/combinations/rules_error.h"

namespace toval::tools::combinations {

RunError rules_error(const std::string& place, const std::string& text) {
  return RunError(place + ": error: " + text + "\n");
}

}  // namespace toval::tools::combinations
