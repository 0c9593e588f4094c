#include "tools/cli/exported_values.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace toval::tools {

namespace {

// Length of the valid UTF-8 sequence that starts the text, 0 when it does
// not start with one (overlong forms, surrogates and values past U+10FFFF
// are not valid).
std::size_t utf8_sequence(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(0);
  if (b0 < 0x80) return 1;
  std::size_t n = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) n = 2;
  else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    if (b0 == 0xE0) low = 0xA0;
    if (b0 == 0xED) high = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < n) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < n; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return n;
}

}  // namespace

// Shortest digits from the scientific form, then laid out as JSON writers
// usually do: plain up to 15 digits before the point and down to 0.000ddd,
// an exponent beyond that ("1.5e-05", "2.5e+20").
std::string real_text(Real value) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  const std::string_view sci(buf, static_cast<std::size_t>(result.ptr - buf));
  const std::size_t e_at = sci.find('e');
  const bool negative = sci.front() == '-';
  std::string digits;
  for (char c : sci.substr(negative ? 1 : 0, e_at - (negative ? 1 : 0)))
    if (c != '.') digits += c;
  int exponent = 0;
  const std::string_view exp_text = sci.substr(e_at + 1);
  std::from_chars(exp_text.data() + (exp_text.front() == '+' ? 1 : 0), exp_text.data() + exp_text.size(), exponent);
  if (digits == "0") return negative ? "-0" : "0";

  const int k = static_cast<int>(digits.size());
  const int n = exponent + 1;  // value = 0.digits x 10^n
  std::string text = negative ? "-" : "";
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
  while (!bytes.empty()) {
    const std::size_t n = utf8_sequence(bytes);
    if (n > 0) {
      text.append(bytes.substr(0, n));
      bytes.remove_prefix(n);
      continue;
    }
    const auto b = static_cast<unsigned char>(bytes[0]);  // Latin-1: the byte is the code point
    text += static_cast<char>(0xC0 | (b >> 6));
    text += static_cast<char>(0x80 | (b & 0x3F));
    bytes.remove_prefix(1);
  }
  return text;
}

}  // namespace toval::tools
