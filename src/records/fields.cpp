#include "records/fields.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace toval {

namespace {

constexpr char END_OF_FILE_CHAR = 26;

// Walks the characters of a field, passing over blanks and tabs wherever
// they stand; a field of any width is read without copying it.
class FieldCursor {
 public:
  explicit FieldCursor(std::string_view field) : p_(field.data()), end_(field.data() + field.size()) {
    settle();
  }
  bool done() const { return p_ == end_; }
  char peek() const { return *p_; }
  void advance() {
    ++p_;
    settle();
  }

 private:
  void settle() {
    while (p_ < end_ && (*p_ == ' ' || *p_ == '\t')) ++p_;
  }
  const char* p_;
  const char* end_;
};

bool holds_end_of_file_char(std::string_view field) {
  return field.find(END_OF_FILE_CHAR) != std::string_view::npos;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

namespace {

// The common shape of a numeric field, read without copying: blanks, an
// optional sign, digits (for a real: with at most one point), blanks. Any
// other text (a tab, a blank between digits, an exponent, a stray character)
// is left to the full reading below, which gives the same value for this
// shape.
struct Plain {
  bool ok = false;
  bool negative = false;
  bool point = false;
  std::uint64_t digits = 0;  // the digits as one whole number
  int decimals = 0;          // digits after the point
};

const char* skip_blanks(const char* p, const char* end) {
  constexpr std::uint64_t EIGHT_BLANKS = 0x2020202020202020ULL;
  for (std::uint64_t word; end - p >= 8; p += 8) {
    std::memcpy(&word, p, 8);
    if (word != EIGHT_BLANKS) break;
  }
  while (p < end && *p == ' ') ++p;
  return p;
}

const char* read_digits(const char* p, const char* end, std::uint64_t& digits) {
  for (; p < end; ++p) {
    const unsigned d = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (d > 9) break;
    digits = digits * 10 + d;
  }
  return p;
}

Plain plain_number(std::string_view field, bool allow_point) {
  Plain n;
  const char* end = field.data() + field.size();
  const char* p = skip_blanks(field.data(), end);
  if (p < end && (*p == '+' || *p == '-')) n.negative = *p++ == '-';
  const char* first = p;
  p = read_digits(p, end, n.digits);
  std::ptrdiff_t count = p - first;
  if (allow_point && p < end && *p == '.') {
    n.point = true;
    const char* fraction = ++p;
    p = read_digits(p, end, n.digits);
    n.decimals = static_cast<int>(p - fraction);
    count += n.decimals;
  }
  p = skip_blanks(p, end);
  // Beyond 19 digits the whole number may have overflowed: full reading.
  n.ok = p == end && count > 0 && count <= 19;
  return n;
}

constexpr double POWERS_OF_TEN[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// digits / 10^scale rounded to the nearest 32-bit value, when that can be had
// from one double division: both operands are exact in double (digits below
// 2^53, scale at most 22), so the quotient is the exact value rounded once to
// 53 bits. Rounding it again to 24 bits gives the nearest float unless the
// quotient lies exactly halfway between two floats, where the first rounding
// may have made the tie; that case is left to the full reading.
bool quotient_to_float(std::uint64_t digits, int scale, float& value) {
  if (digits >= (std::uint64_t{1} << 53) || scale < 0 || scale > 22) return false;
  const double quotient = static_cast<double>(digits) / POWERS_OF_TEN[scale];
  std::uint64_t bits;
  std::memcpy(&bits, &quotient, sizeof bits);
  // The 29 fraction bits that a float drops: exactly one half of its last place.
  if ((bits & ((std::uint64_t{1} << 29) - 1)) == (std::uint64_t{1} << 28)) return false;
  value = static_cast<float>(quotient);
  return true;
}

}  // namespace

FieldStatus parse_integer(std::string_view field, Whole& value) {
  if (const Plain n = plain_number(field, false); n.ok) {
    if (n.digits > 32767) return FieldStatus::out_of_range;
    value = static_cast<Whole>(n.negative ? -static_cast<long>(n.digits) : static_cast<long>(n.digits));
    return FieldStatus::ok;
  }
  if (holds_end_of_file_char(field)) return FieldStatus::end_of_file_char;
  FieldCursor c(field);
  if (c.done()) {
    value = 0;
    return FieldStatus::ok;
  }
  bool negative = false;
  if (c.peek() == '+' || c.peek() == '-') {
    negative = c.peek() == '-';
    c.advance();
  }
  if (c.done()) return FieldStatus::not_a_number;
  long magnitude = 0;
  for (; !c.done(); c.advance()) {
    if (!is_digit(c.peek())) return FieldStatus::not_a_number;
    magnitude = std::min(magnitude * 10 + (c.peek() - '0'), 100000L);
  }
  if (magnitude > 32767) return FieldStatus::out_of_range;
  value = static_cast<Whole>(negative ? -magnitude : magnitude);
  return FieldStatus::ok;
}

namespace {

// The significant digits of a mantissa as text, sign first, the mantissa
// being those digits x 10^scale.
struct Mantissa {
  // More digits than any halfway point between two 32-bit values needs; a
  // dropped non-zero digit is kept as a trailing 1 so that no tie is made.
  static constexpr std::size_t KEPT = 200;
  char text[KEPT + 40];
  std::size_t kept = 0, first_digit = 0;
  long scale = 0;
  bool negative = false, point = false, digit = false, dropped_nonzero = false;

  std::size_t digits() const { return kept - first_digit; }
};

// [sign] digits [. digits], up to the first other character.
void read_mantissa(FieldCursor& c, Mantissa& m) {
  if (c.peek() == '+' || c.peek() == '-') {
    m.negative = c.peek() == '-';
    c.advance();
  }
  if (m.negative) m.text[m.kept++] = '-';
  m.first_digit = m.kept;
  for (; !c.done(); c.advance()) {
    char ch = c.peek();
    if (is_digit(ch)) {
      m.digit = true;
      if (m.kept == m.first_digit && ch == '0') {
        if (m.point) --m.scale;  // a leading zero after the point
      } else if (m.digits() < Mantissa::KEPT) {
        m.text[m.kept++] = ch;
        if (m.point) --m.scale;
      } else {
        m.dropped_nonzero = m.dropped_nonzero || ch != '0';
        if (!m.point) ++m.scale;
      }
    } else if (ch == '.' && !m.point) {
      m.point = true;
    } else {
      break;
    }
  }
}

// The rest of the field after a mantissa: nothing, or (E|D) [sign] digits.
// False when it is anything else.
bool read_exponent(FieldCursor& c, long& exponent) {
  exponent = 0;
  if (c.done()) return true;
  char e = c.peek();
  if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return false;
  c.advance();
  bool negative = false;
  if (!c.done() && (c.peek() == '+' || c.peek() == '-')) {
    negative = c.peek() == '-';
    c.advance();
  }
  if (c.done()) return false;
  for (; !c.done(); c.advance()) {
    if (!is_digit(c.peek())) return false;
    exponent = std::min(exponent * 10 + (c.peek() - '0'), 1000000L);
  }
  if (negative) exponent = -exponent;
  return true;
}

// The mantissa's digits x 10^exponent rounded once to the nearest 32-bit
// value; too small a value is zero, without error.
FieldStatus round_to_real(Mantissa& m, long exponent, Real& value) {
  // The decimal magnitude of the leading digit tells an overflow from an
  // underflow when the conversion is out of range.
  const long magnitude = static_cast<long>(m.digits()) - 1 + exponent;
  m.text[m.kept] = 'e';
  auto [end, ec] = std::to_chars(m.text + m.kept + 1, m.text + sizeof m.text, exponent);
  (void)ec;
  float parsed = 0.0f;
  auto result = std::from_chars(m.text, end, parsed, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (magnitude > 0) return FieldStatus::out_of_range;
    value = m.negative ? -0.0f : 0.0f;
    return FieldStatus::ok;
  }
  if (result.ec != std::errc() || result.ptr != end) return FieldStatus::not_a_number;
  if (std::isinf(parsed)) return FieldStatus::out_of_range;
  value = parsed;
  return FieldStatus::ok;
}

// Any field, by the grammar [sign] digits [. digits] [(E|D) [sign] digits],
// one digit at least in the mantissa and in an exponent that is written.
FieldStatus parse_real_fully(std::string_view field, int decimals, Real& value) {
  if (holds_end_of_file_char(field)) return FieldStatus::end_of_file_char;
  FieldCursor c(field);
  if (c.done()) {
    value = 0.0f;
    return FieldStatus::ok;
  }
  Mantissa m;
  read_mantissa(c, m);
  if (!m.digit) return FieldStatus::not_a_number;
  long exponent = 0;
  if (!read_exponent(c, exponent)) return FieldStatus::not_a_number;
  if (m.digits() == 0) {
    value = m.negative ? -0.0f : 0.0f;
    return FieldStatus::ok;
  }
  if (m.dropped_nonzero) {
    m.text[m.kept++] = '1';
    --m.scale;
  }
  // Implied decimals apply to the exact decimal value, by the exponent.
  exponent += m.scale - (m.point ? 0 : decimals);
  return round_to_real(m, exponent, value);
}

}  // namespace

FieldStatus parse_real(std::string_view field, int decimals, Real& value) {
  if (const Plain n = plain_number(field, true); n.ok) {
    if (n.digits == 0) {
      value = n.negative ? -0.0f : 0.0f;
      return FieldStatus::ok;
    }
    float magnitude;
    if (quotient_to_float(n.digits, n.point ? n.decimals : decimals, magnitude)) {
      value = n.negative ? -magnitude : magnitude;
      return FieldStatus::ok;
    }
  }
  return parse_real_fully(field, decimals, value);
}

void chars_from_field(std::string_view field, char* name, std::size_t length) {
  // The reader has padded the field with blanks to its full width.
  if (field.size() >= length) {
    std::memcpy(name, field.data() + (field.size() - length), length);
  } else {
    std::memcpy(name, field.data(), field.size());
    std::memset(name + field.size(), ' ', length - field.size());
  }
}

namespace {

void right_aligned(std::string_view text, int width, std::string& record) {
  auto w = static_cast<std::size_t>(width);
  if (text.size() > w) {
    record.append(w, '*');
  } else {
    record.append(w - text.size(), ' ');
    record.append(text);
  }
}

}  // namespace

void format_integer(long value, int width, std::string& record) {
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  (void)ec;
  right_aligned({buf, static_cast<std::size_t>(end - buf)}, width, record);
}

namespace {

constexpr std::uint64_t POWERS_OF_TEN_INT[] = {1ULL,
                                               10ULL,
                                               100ULL,
                                               1000ULL,
                                               10000ULL,
                                               100000ULL,
                                               1000000ULL,
                                               10000000ULL,
                                               100000000ULL,
                                               1000000000ULL,
                                               10000000000ULL,
                                               100000000000ULL,
                                               1000000000000ULL,
                                               10000000000000ULL,
                                               100000000000000ULL,
                                               1000000000000000ULL,
                                               10000000000000000ULL,
                                               100000000000000000ULL,
                                               1000000000000000000ULL,
                                               10000000000000000000ULL};

int digit_count(std::uint64_t n) {
  int count = 1;
  while (count < 20 && n >= POWERS_OF_TEN_INT[count]) ++count;
  return count;
}

// The common case in whole numbers: N = floor(|value| x 10^(d+1)) is exact
// in 64 bits when d is small and |value| is not huge; N's last digit is the
// first dropped digit of a cut by decimals. False when the value is outside
// that range (the general path then works on the full decimal expansion).
bool format_real_small(Real value, int width, int decimals, std::string& record) {
  if (decimals < 0 || decimals > 7) return false;
  // |value| = m x 2^e exactly, read off the value's bits.
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const std::uint32_t biased = (bits >> 23) & 0xFF, fraction = bits & 0x7FFFFF;
  const std::uint64_t m = biased == 0 ? fraction : (fraction | 0x800000);
  const int e = biased == 0 ? -149 : static_cast<int>(biased) - 150;
  const std::uint64_t scaled = m * POWERS_OF_TEN_INT[decimals + 1];  // below 2^51
  std::uint64_t N = 0;
  if (e >= 0) {
    if (e > 12) return false;
    N = scaled << e;
  } else if (e > -64) {
    N = scaled >> -e;
  }
  // Keep at most 7 significant digits and d decimals; round half up on the
  // first dropped digit; R is the result in units of 10^-d.
  std::uint64_t R = 0;
  if (N > 0) {
    const int L = digit_count(N);
    const int keep = std::min(L - 1, 7);
    const std::uint64_t unit = POWERS_OF_TEN_INT[L - keep];
    std::uint64_t K = N / unit;
    if ((N / POWERS_OF_TEN_INT[L - keep - 1]) % 10 >= 5) ++K;
    R = K * POWERS_OF_TEN_INT[L - keep - 1];
  }
  char text[48];
  int n = 0;
  if (value < 0 && R != 0) text[n++] = '-';
  const std::uint64_t integer = R / POWERS_OF_TEN_INT[decimals];
  const std::uint64_t decimal = R % POWERS_OF_TEN_INT[decimals];
  if (integer > 0) n = static_cast<int>(std::to_chars(text + n, text + sizeof text, integer).ptr - text);
  text[n++] = '.';
  std::uint64_t rest = decimal;
  for (int k = decimals - 1; k >= 0; --k, rest /= 10) text[n + k] = static_cast<char>('0' + rest % 10);
  n += decimals;
  right_aligned({text, static_cast<std::size_t>(n)}, width, record);
  return true;
}

}  // namespace

void format_real(Real value, int width, int decimals, std::string& record) {
  if (!std::isfinite(value)) {
    record.append(static_cast<std::size_t>(width), '*');
    return;
  }
  if (format_real_small(value, width, decimals, record)) return;
  // The exact decimal expansion of the stored value: a 32-bit real has at
  // most 39 integer digits and 149 decimals.
  char exact[256];
  // A value m x 2^e (m of 24 bits) has exactly -e decimals, so asking for
  // that many (at most 150) gives the exact text with nothing rounded.
  int binary_exponent = 0;
  std::frexp(value, &binary_exponent);
  const int exact_decimals = std::clamp(24 - binary_exponent, 0, 150);
  auto [end, ec] = std::to_chars(exact, exact + sizeof exact, std::fabs(static_cast<double>(value)),
                                 std::chars_format::fixed, exact_decimals);
  (void)ec;
  const char* point = std::find(exact, end, '.');

  // All digits in one row; `units` counts the digits before the point.
  char digits[256];
  int count = 0;
  for (const char* p = exact; p < end; ++p)
    if (*p != '.') digits[count++] = *p;
  int units = static_cast<int>(point - exact);

  int first = 0;
  while (first < count && digits[first] == '0') ++first;
  // Keep at most 7 significant digits and at most d decimals.
  int keep = std::min(first + 7, units + decimals);
  if (first == count) keep = units + decimals;  // zero: nothing to round
  bool round_up = keep < count && keep >= 0 && digits[keep] >= '5';
  // Digits from `keep` on become 0 (beyond 7 significant digits or dropped).
  for (int k = std::max(keep, 0); k < count; ++k) digits[k] = '0';
  if (round_up) {
    int k = keep - 1;
    while (k >= 0 && digits[k] == '9') digits[k--] = '0';
    if (k >= 0) {
      ++digits[k];
    } else {
      // Carry past the leading digit: one more integer digit.
      std::memmove(digits + 1, digits, static_cast<std::size_t>(count));
      digits[0] = '1';
      ++count;
      ++units;
    }
  }

  std::string text;
  bool zero = true;
  for (int k = 0; k < units + decimals && k < count; ++k)
    if (digits[k] != '0') zero = false;
  if (value < 0 && !zero) text += '-';
  int lead = 0;
  while (lead < units && digits[lead] == '0') ++lead;
  text.append(digits + lead, digits + units);
  text += '.';
  for (int k = units; k < units + decimals; ++k) text += k < count ? digits[k] : '0';
  right_aligned(text, width, record);
}

void format_chars(std::string_view value, int width, std::string& record) {
  auto w = static_cast<std::size_t>(width);
  if (w >= value.size()) {
    record.append(w - value.size(), ' ');
    record.append(value);
  } else {
    record.append(value.substr(0, w));
  }
}

}  // namespace toval
