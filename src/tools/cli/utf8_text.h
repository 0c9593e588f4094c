// The bytes of an input file as characters: a valid UTF-8 sequence is one
// character, any other byte is a Latin-1 character of its own (listings and
// combination files come from editors of either kind).
#pragma once

#include <string>
#include <string_view>

namespace toval::tools::cli {

// The character that starts `bytes` (not empty), which it then drops.
char32_t take_character(std::string_view& bytes);

// The character written as UTF-8.
void append_utf8(std::string& out, char32_t c);

}  // namespace toval::tools::cli
