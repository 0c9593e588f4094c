#include "tools/cli/markup_text.h"

#include "tools/cli/utf8_text.h"

namespace toval::tools::cli {

namespace {

// Characters that XML forbids, that HTML takes as a parse error, or that
// only control a terminal.
bool dropped(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF;
}

}  // namespace

std::string markup_text(std::string_view bytes, bool keep_line_ends) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    const char32_t c = take_character(bytes);
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
      default:
        append_utf8(out, c);
    }
  }
  return out;
}

}  // namespace toval::tools::cli
