#include "tools/cli/number_text.h"

#include <charconv>

namespace toval::tools::cli {

std::string trimmed_decimal(double value, int decimals) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  std::string t(buf, r.ec == std::errc{} ? r.ptr : buf);
  if (t.find('.') != std::string::npos) {
    while (t.back() == '0') t.pop_back();
    if (t.back() == '.') t.pop_back();
  }
  if (t == "-0") t = "0";
  return t;
}

}  // namespace toval::tools::cli
