// Numbers written into the picture the same way on every system.
#include "tools/draw/svg_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace toval::tools::draw {
namespace {

TEST(SvgNumber, DropsTrailingZerosAndNegativeZero) {
  EXPECT_EQ(svg_number(530.0), "530");
  EXPECT_EQ(svg_number(4.25), "4.25");
  EXPECT_EQ(svg_number(4.2), "4.2");
  EXPECT_EQ(svg_number(-0.001), "0");
  EXPECT_EQ(svg_number(-12.345678), "-12.35");
  EXPECT_EQ(svg_number(std::numeric_limits<double>::infinity()), "0");
}

TEST(FixedNumber, KeepsItsDecimals) {
  EXPECT_EQ(fixed_number(6.0, 4), "6.0000");
  EXPECT_EQ(fixed_number(-91.48, 3), "-91.480");
  EXPECT_EQ(fixed_number(-0.0001, 3), "0.000");
  EXPECT_EQ(fixed_number(1e20, 1), "100000000000000000000.0");
}

}  // namespace
}  // namespace toval::tools::draw
