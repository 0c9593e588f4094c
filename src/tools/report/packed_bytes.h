// Bytes carried inside the page as text: compressed with raw deflate (the
// format a browser's DecompressionStream("deflate-raw") reads), then in an
// 85-character alphabet that is safe inside a script element (no "<",
// so no "</script" and no "<!--").
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace toval::tools::report {

// The characters' values are their places in this alphabet: printable
// ASCII from "(" to "~" without "<" and "\".
inline constexpr std::string_view PACKED_ALPHABET =
    "()*+,-./0123456789:;=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_`abcdefghijklmnopqrstuvwxyz{|}~";

// The parts compressed one after another in one stream, each part ending a
// block of its own, so that each has its own codes (the parts differ much).
// Then every 4 bytes as 5 characters, most significant first; a last k < 4
// bytes as k + 1 characters.
std::string packed_text(std::span<const std::string> parts);

}  // namespace toval::tools::report
