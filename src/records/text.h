// The three ways the system cuts the blanks off a text, each for its own
// kind of text.
#pragma once

#include <string_view>

namespace toval {

// A file name as typed or given: without leading and trailing blanks.
constexpr std::string_view without_blanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A name field as shown: without its padding, trailing blanks and the zero
// bytes of a name that was never set.
constexpr std::string_view name_field_text(std::string_view field) {
  const auto end = field.find_last_not_of(std::string_view(" \0", 2));
  return end == std::string_view::npos ? std::string_view{} : field.substr(0, end + 1);
}

// A numeric field's text without the blanks and tabs around it, which the
// field rules ignore.
constexpr std::string_view number_text(std::string_view field) {
  const auto first = field.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

// A decimal digit, whatever the locale.
constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace toval
