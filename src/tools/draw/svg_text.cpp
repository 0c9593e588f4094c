#include "tools/draw/svg_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "tools/cli/number_text.h"

namespace toval::tools::draw {

namespace {

std::string to_text(double value, int decimals) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return std::string(buf, r.ec == std::errc{} ? r.ptr : buf);
}

}  // namespace

std::string svg_number(double value, int decimals) {
  return std::isfinite(value) ? cli::trimmed_decimal(value, decimals) : "0";
}

std::string fixed_number(double value, int decimals) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  std::string t = to_text(value, decimals);
  if (t.find_first_not_of("-0.") == std::string::npos && t.front() == '-') t.erase(0, 1);
  return t;
}

}  // namespace toval::tools::draw
