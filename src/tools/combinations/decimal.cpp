#include "tools/combinations/decimal.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace toval::tools::combinations {

namespace {

constexpr int DECIMALS = 4;
// Beyond this an exponent only makes digits that no multiplier can show.
constexpr int EXPONENT_LIMIT = 400;

bool is_digit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Digits with single underscores between them (TOML's way of grouping);
// returns the digits, or nothing when the text is not of that form.
std::optional<std::string> digit_run(std::string_view text) {
  std::string digits;
  bool after_digit = false;
  for (char c : text) {
    if (is_digit(c)) {
      digits += c;
      after_digit = true;
    } else if (c == '_' && after_digit) {
      after_digit = false;
    } else {
      return std::nullopt;
    }
  }
  if (digits.empty() || !after_digit) return std::nullopt;
  return digits;
}

std::string without_leading_zeros(std::string digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

}  // namespace

std::optional<Decimal> parse_decimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  long exponent = 0;
  if (const std::size_t e = text.find_first_of("eE"); e != std::string_view::npos) {
    std::string_view power = text.substr(e + 1);
    text = text.substr(0, e);
    bool negative_power = false;
    if (!power.empty() && (power[0] == '+' || power[0] == '-')) {
      negative_power = power[0] == '-';
      power.remove_prefix(1);
    }
    const std::optional<std::string> digits = digit_run(power);
    if (!digits) return std::nullopt;
    const std::string magnitude = without_leading_zeros(*digits);
    if (magnitude.size() > 4 || std::stol(magnitude) > EXPONENT_LIMIT) return std::nullopt;
    exponent = negative_power ? -std::stol(magnitude) : std::stol(magnitude);
  }
  const std::size_t point = text.find('.');
  const std::optional<std::string> whole = digit_run(text.substr(0, point));
  if (!whole) return std::nullopt;
  std::string fraction;
  if (point != std::string_view::npos) {
    const std::optional<std::string> f = digit_run(text.substr(point + 1));
    if (!f) return std::nullopt;
    fraction = *f;
  }
  Decimal d;
  d.digits = without_leading_zeros(*whole + fraction);
  long scale = static_cast<long>(fraction.size()) - exponent;
  if (scale < 0) {
    if (d.digits != "0") d.digits.append(static_cast<std::size_t>(-scale), '0');
    scale = 0;
  }
  d.scale = static_cast<int>(scale);
  if (negative && d.digits != "0") return std::nullopt;
  return d;
}

Decimal multiply(const Decimal& a, const Decimal& b) {
  // Long multiplication, least significant digit first.
  std::vector<int> product(a.digits.size() + b.digits.size(), 0);
  for (std::size_t i = 0; i < a.digits.size(); ++i)
    for (std::size_t j = 0; j < b.digits.size(); ++j)
      product[i + j] += (a.digits[a.digits.size() - 1 - i] - '0') * (b.digits[b.digits.size() - 1 - j] - '0');
  for (std::size_t k = 0; k + 1 < product.size(); ++k) {
    product[k + 1] += product[k] / 10;
    product[k] %= 10;
  }
  std::string digits;
  for (auto it = product.rbegin(); it != product.rend(); ++it) digits += static_cast<char>('0' + *it);
  return {without_leading_zeros(digits), a.scale + b.scale};
}

std::string multiplier_text(const Decimal& value) {
  std::string digits = value.digits;
  int scale = value.scale;
  if (scale > DECIMALS) {
    const std::size_t dropped = static_cast<std::size_t>(scale - DECIMALS);
    if (digits.size() < dropped) {
      digits = "0";  // below half of the last place kept
    } else {
      const std::size_t kept = digits.size() - dropped;
      const bool up = digits[kept] >= '5';
      digits = kept == 0 ? "0" : digits.substr(0, kept);
      if (up) {
        // One more in the last place kept, carried through nines.
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
        if (k == 0)
          digits.insert(digits.begin(), '1');
        else
          ++digits[k - 1];
      }
    }
    scale = DECIMALS;
  }
  if (digits.size() <= static_cast<std::size_t>(scale))
    digits.insert(0, static_cast<std::size_t>(scale) + 1 - digits.size(), '0');
  std::string whole =
      without_leading_zeros(digits.substr(0, digits.size() - static_cast<std::size_t>(scale)));
  std::string fraction = digits.substr(digits.size() - static_cast<std::size_t>(scale));
  while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
  if (fraction.empty()) fraction = "0";
  return whole + "." + fraction;
}

bool is_zero_text(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == '0' || c == '.'; });
}

}  // namespace toval::tools::combinations
