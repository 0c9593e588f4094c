#include "tools/draw/svg_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "tools/cli/utf8_text.h"

namespace toval::tools::draw {

namespace {

// Characters that XML forbids or that only control a terminal.
bool dropped(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF;
}

std::string to_text(double value, int decimals) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return std::string(buf, r.ec == std::errc{} ? r.ptr : buf);
}

}  // namespace

std::string xml_text(std::string_view bytes, bool keep_line_ends) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    const char32_t c = cli::take_character(bytes);
    if (dropped(c) && !(keep_line_ends && c == U'\n')) continue;
    switch (c) {
      case U'&':
        out += "&amp;";
        break;
      case U'<':
        out += "&lt;";
        break;
      case U'>':
        out += "&gt;";
        break;
      case U'"':
        out += "&quot;";
        break;
      case U'\'':
        out += "&apos;";
        break;
      default:
        cli::append_utf8(out, c);
    }
  }
  return out;
}

std::string svg_number(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  std::string t = to_text(value, decimals);
  if (t.find('.') != std::string::npos) {
    while (t.back() == '0') t.pop_back();
    if (t.back() == '.') t.pop_back();
  }
  if (t == "-0") t = "0";
  return t;
}

std::string fixed_number(double value, int decimals) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  std::string t = to_text(value, decimals);
  if (t.find_first_not_of("-0.") == std::string::npos && t.front() == '-') t.erase(0, 1);
  return t;
}

}  // namespace toval::tools::draw
