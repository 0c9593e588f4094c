#include "tools/cli/exported_values.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "tools/cli/utf8_text.h"

namespace toval::tools::cli {

// Shortest digits from the scientific form, then laid out as JSON writers
// usually do: plain up to 15 digits before the point and down to 0.000ddd,
// an exponent beyond that ("1.5e-05", "2.5e+20").
RealDigits real_digits(Real value) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  const std::string_view sci(buf, static_cast<std::size_t>(result.ptr - buf));
  const std::size_t e_at = sci.find('e');
  RealDigits d;
  d.negative = sci.front() == '-';
  for (char c : sci.substr(d.negative ? 1 : 0, e_at - (d.negative ? 1 : 0)))
    if (c != '.') {
      d.digits += c;
      d.number = d.number * 10 + static_cast<std::uint32_t>(c - '0');
    }
  int exponent = 0;
  const std::string_view exp_text = sci.substr(e_at + 1);
  std::from_chars(exp_text.data() + (exp_text.front() == '+' ? 1 : 0), exp_text.data() + exp_text.size(),
                  exponent);
  d.n = exponent + 1;
  return d;
}

std::string real_text(Real value) {
  const RealDigits d = real_digits(value);
  const std::string& digits = d.digits;
  if (digits == "0") return d.negative ? "-0" : "0";

  const int k = static_cast<int>(digits.size());
  const int n = d.n;
  std::string text = d.negative ? "-" : "";
  if (k <= n && n <= 15) {
    text += digits + std::string(static_cast<std::size_t>(n - k), '0');
  } else if (0 < n && n <= 15) {
    text += digits.substr(0, static_cast<std::size_t>(n)) + "." + digits.substr(static_cast<std::size_t>(n));
  } else if (-4 < n && n <= 0) {
    text += "0." + std::string(static_cast<std::size_t>(-n), '0') + digits;
  } else {
    text += digits.substr(0, 1);
    if (k > 1) text += "." + digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "e%c%02d", n - 1 < 0 ? '-' : '+', std::abs(n - 1));
    text += exp;
  }
  return text;
}

double real_number(Real value) {
  const std::string text = real_text(value);
  double number = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), number);  // cannot fail on to_chars text
  return number;
}

std::string name_text(std::string_view bytes) {
  const std::size_t end = bytes.find_last_not_of(' ');
  bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(0, end + 1);
  std::string text;
  while (!bytes.empty()) append_utf8(text, take_character(bytes));
  return text;
}

}  // namespace toval::tools::cli
