// Record layouts written as in the field notation of the listings:
//   constexpr Item NODE_RECORD[] = {I(8), F(15, 0), F(15, 0), I(13), I(13), I(13)};
// A layout is an ordered list of items; I, F and A take a value each.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace toval {

struct Item {
  enum class Kind { integer, real, chars, skip, slash, text, no_end };
  Kind kind;
  int width = 0;     // w of Iw, Fw.d, Aw; n of nX
  int decimals = 0;  // d of Fw.d
  std::string_view literal{};

  constexpr bool takes_value() const {
    return kind == Kind::integer || kind == Kind::real || kind == Kind::chars;
  }
};

using Layout = std::span<const Item>;

constexpr Item I(int w) {
  return {Item::Kind::integer, w, 0, {}};
}
constexpr Item F(int w, int d) {
  return {Item::Kind::real, w, d, {}};
}
constexpr Item A(int w) {
  return {Item::Kind::chars, w, 0, {}};
}
constexpr Item X(int n) {
  return {Item::Kind::skip, n, 0, {}};
}
constexpr Item Text(std::string_view s) {
  return {Item::Kind::text, 0, 0, s};
}
inline constexpr Item SLASH{Item::Kind::slash, 0, 0, {}};
inline constexpr Item NO_END{Item::Kind::no_end, 0, 0, {}};

// "I8", "F15.0", "A4", "3X": the item as the notation writes it, for messages.
std::string_view item_notation(const Item& item, char (&buf)[16]);

// Where the value-th I, F or A item of a layout (from 0) stands when no
// comma cuts a field short: its first and last columns (from 1) and the item.
struct ValueColumns {
  std::size_t first = 0, last = 0;
  Item item{Item::Kind::skip};
};
ValueColumns value_columns(Layout layout, std::size_t value);

}  // namespace toval
