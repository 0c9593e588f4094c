#include "tools/cli/source_date.h"

#include <string>

namespace toval::tools::cli {

std::optional<std::int64_t> source_date_epoch(const char* value) {
  if (value == nullptr) return std::nullopt;
  const std::string text(value);
  if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoll(text);
}

}  // namespace toval::tools::cli
