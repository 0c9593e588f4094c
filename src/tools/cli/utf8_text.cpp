#include "tools/cli/utf8_text.h"

namespace toval::tools::cli {

namespace {

// Length of the valid UTF-8 sequence at the start of `s`, or 0 when its
// first byte does not start one (overlong forms, surrogates and values past
// U+10FFFF refused).
std::size_t utf8_length(std::string_view s, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(0);
  std::size_t n = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    code = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    n = 2, code = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3, code = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4, code = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (s.size() < n) return 0;
  for (std::size_t i = 1; i < n; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

char32_t take_character(std::string_view& bytes) {
  char32_t c = 0;
  std::size_t n = utf8_length(bytes, c);
  if (n == 0) {
    c = static_cast<unsigned char>(bytes[0]);  // Latin-1: the byte is the code point
    n = 1;
  }
  bytes.remove_prefix(n);
  return c;
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace toval::tools::cli
