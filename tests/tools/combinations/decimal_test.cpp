// Multipliers as exact decimal products of the factors as written, rounded
// half away from zero to four decimals.
#include "tools/combinations/decimal.h"

#include <gtest/gtest.h>

namespace toval::testing {
namespace {

using tools::combinations::multiplier_text;
using tools::combinations::multiply;
using tools::combinations::parse_decimal;

std::string product(std::string_view a, std::string_view b) {
  return multiplier_text(multiply(*parse_decimal(a), *parse_decimal(b)));
}

TEST(Decimal, TextsAsTomlWritesNumbers) {
  EXPECT_EQ(multiplier_text(*parse_decimal("1.35")), "1.35");
  EXPECT_EQ(multiplier_text(*parse_decimal("1")), "1.0");
  EXPECT_EQ(multiplier_text(*parse_decimal("+0.50")), "0.5");
  EXPECT_EQ(multiplier_text(*parse_decimal("15e-1")), "1.5");
  EXPECT_EQ(multiplier_text(*parse_decimal("1.5E+2")), "150.0");
  EXPECT_EQ(multiplier_text(*parse_decimal("1_000.2_5")), "1000.25");
  EXPECT_EQ(multiplier_text(*parse_decimal("-0.0")), "0.0");
  for (const char* bad :
       {"", "-1.5", "1.", ".5", "1__0", "_1", "1_", "1e", "1.2.3", "inf", "nan", "1e9999", "0x10"})
    EXPECT_FALSE(parse_decimal(bad).has_value()) << bad;
}

TEST(Decimal, ProductsAreExactWhereBinaryFractionsAreNot) {
  EXPECT_EQ(product("1.4", "0.6"), "0.84");
  EXPECT_EQ(product("1.5", "0.7"), "1.05");
  // 1.35 x 0.7 = 0.945 exactly; in binary it lies below and a float
  // product would round it to 0.9449999...
  EXPECT_EQ(product("1.35", "0.7"), "0.945");
  // 0.33333333333333333333 x 3 = 0.99999999999999999999: one rounding, at the end.
  EXPECT_EQ(product("0.33333333333333333333", "3"), "1.0");
}

TEST(Decimal, RoundsHalfAwayFromZeroToFourDecimals) {
  EXPECT_EQ(product("1.15", "0.00005"), "0.0001");  // 0.0000575
  EXPECT_EQ(product("1", "0.00005"), "0.0001");     // exactly half
  EXPECT_EQ(product("1", "0.000049999"), "0.0");    // below half
  EXPECT_EQ(product("1", "0.0000005"), "0.0");      // far below the last place
  EXPECT_EQ(product("1.4", "0.12345"), "0.1728");   // 0.17283
  EXPECT_EQ(product("1.5", "0.12345"), "0.1852");   // 0.185175
  EXPECT_EQ(product("9.99995", "1"), "10.0");       // carried through the nines
  EXPECT_EQ(product("0.99995", "1"), "1.0");
  EXPECT_TRUE(tools::combinations::is_zero_text(product("0", "1.5")));
  EXPECT_FALSE(tools::combinations::is_zero_text("0.0001"));
}

}  // namespace
}  // namespace toval::testing
