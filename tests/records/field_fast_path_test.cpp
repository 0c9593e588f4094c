// Plain numeric fields (blanks, sign, digits, one point) are read by a
// shorter path than fields with tabs, inner blanks or exponents; both must
// give the nearest 32-bit value, ties to even, and the same errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "records/fields.h"

namespace toval {
namespace {

std::uint32_t bits_of(float f) {
  std::uint32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}

// The field read as it stands and with a tab in front, which the rules
// ignore but which sends the field down the longer path.
void expect_both_paths(const std::string& text, int decimals, float expected) {
  Real plain = 99.0f, tabbed = 99.0f;
  ASSERT_EQ(parse_real(text, decimals, plain), FieldStatus::ok) << text;
  ASSERT_EQ(parse_real("\t" + text, decimals, tabbed), FieldStatus::ok) << text;
  EXPECT_EQ(bits_of(plain), bits_of(expected)) << text << " F." << decimals;
  EXPECT_EQ(bits_of(tabbed), bits_of(expected)) << text << " F." << decimals;
}

TEST(PlainRealField, IsTheNearestFloatWithTiesToEven) {
  // 2^24 + 1 and 2^24 + 3 lie halfway between two floats.
  expect_both_paths("16777217", 0, 16777216.0f);
  expect_both_paths("16777219", 0, 16777220.0f);
  expect_both_paths("  -1677721.9", 0, -1677721.875f);
  expect_both_paths("1234", 3, 1.234f);
  expect_both_paths("123", 4, 0.0123f);
  expect_both_paths("-0.000", 0, -0.0f);
  expect_both_paths("  +.5  ", 0, 0.5f);
  expect_both_paths("12.", 2, 12.0f);
  expect_both_paths("0.1000000000000000055511151231257827", 0, 0.1f);  // beyond 19 digits

  // Random decimal texts against the C library's correctly rounded reading.
  std::uint64_t state = 7;
  char text[64];
  for (int k = 0; k < 200000; ++k) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const int digits = 1 + static_cast<int>((state >> 33) % 18);
    const int point = static_cast<int>((state >> 40) % (digits + 1));
    int n = 0;
    if ((state >> 50) & 1) text[n++] = '-';
    std::uint64_t d = state;
    for (int i = 0; i < digits; ++i) {
      if (i == point && point != 0) text[n++] = '.';
      text[n++] = static_cast<char>('0' + (d % 10));
      d = d / 10 ^ (state >> 7);
    }
    text[n] = '\0';
    expect_both_paths(text, 0, std::strtof(text, nullptr));
    if (::testing::Test::HasFailure()) break;
  }
}

TEST(PlainIntegerField, GivesTheSameValuesAndErrorsAsTheLongerPath) {
  for (const char* text : {"0", "  12", "-32767", "+32767", "32768", "-32768", "  -0007  ",
                           "99999999999999999999", "-", "1 2", "1.5"}) {
    Whole plain = 1, tabbed = 1;
    FieldStatus a = parse_integer(text, plain);
    FieldStatus b = parse_integer(std::string("\t") + text, tabbed);
    EXPECT_EQ(a, b) << text;
    EXPECT_EQ(plain, tabbed) << text;
  }
  Whole v = 0;
  EXPECT_EQ(parse_integer("  -0007  ", v), FieldStatus::ok);
  EXPECT_EQ(v, -7);
  EXPECT_EQ(parse_integer("32768", v), FieldStatus::out_of_range);
  EXPECT_EQ(parse_integer("1.5", v), FieldStatus::not_a_number);
}

}  // namespace
}  // namespace toval
