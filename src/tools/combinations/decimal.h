// Factors and multipliers as exact decimals: a multiplier is the product of
// the factors as the rules file writes them, with no binary rounding on the
// way, rounded once to the four decimals of the combination file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace toval::tools::combinations {

// A non-negative decimal: digits times ten to the power -scale.
struct Decimal {
  std::string digits = "0";  // no sign, no point
  int scale = 0;
};

// Decimal text as a number's text may be written: an optional sign, digits
// with at most one point, an optional exponent (E or e and a signed whole
// number), underscores between digits. Nothing when the text is not such a
// number or is negative (a negative zero is zero).
std::optional<Decimal> parse_decimal(std::string_view text);

Decimal multiply(const Decimal& a, const Decimal& b);

// Rounded half away from zero to four decimals and written with a point, at
// least one decimal and no trailing zero beyond it: "1.35", "1.0", "0.0525".
std::string multiplier_text(const Decimal& value);

// Whether the text of multiplier_text() is zero.
bool is_zero_text(std::string_view text);

}  // namespace toval::tools::combinations
