// Reals and names as an export writes them.
#include "tools/cli/exported_values.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>

namespace toval::tools::cli {
namespace {

TEST(ExportedValues, RealsAreTheShortestDecimalThatReadsBack) {
  EXPECT_EQ(real_text(0.1f), "0.1");
  EXPECT_EQ(real_text(-2.5f), "-2.5");
  EXPECT_EQ(real_text(6.0f), "6");
  EXPECT_EQ(real_text(1.4f), "1.4");
  EXPECT_EQ(real_text(0.0015f), "0.0015");
  EXPECT_EQ(real_text(16777217.0f), "16777216");
  EXPECT_EQ(real_text(std::nextafter(1.0f, 2.0f)), "1.0000001");
  // Plain from 0.000ddd to 15 digits before the point, an exponent beyond.
  EXPECT_EQ(real_text(-0.0004f), "-0.0004");
  EXPECT_EQ(real_text(0.00014999999f), "0.00014999999");
  EXPECT_EQ(real_text(6.867e-05f), "6.867e-05");
  EXPECT_EQ(real_text(1e-05f), "1e-05");
  EXPECT_EQ(real_text(123456789012345.0f), "123456790000000");
  EXPECT_EQ(real_text(2.5e20f), "2.5e+20");
  EXPECT_EQ(real_text(-3.4028235e38f), "-3.4028235e+38");
  EXPECT_EQ(real_text(0.0f), "0");
  EXPECT_EQ(real_text(-0.0f), "-0");
  // The double written to JSON has the same digits as the 32-bit text.
  EXPECT_EQ(real_number(0.1f), 0.1);
  EXPECT_EQ(real_number(1.4f), 1.4);
  EXPECT_NE(real_number(0.1f), double{0.1f});

  std::mt19937 random(12345);
  std::uniform_int_distribution<std::uint32_t> bits;
  for (int i = 0; i < 20000; ++i) {
    std::uint32_t b = bits(random);
    float f;
    std::memcpy(&f, &b, sizeof f);
    if (!std::isfinite(f)) continue;
    const std::string text = real_text(f);
    float back = 0.0f;
    std::from_chars(text.data(), text.data() + text.size(), back);
    ASSERT_EQ(back, f) << text;
    ASSERT_EQ(static_cast<float>(real_number(f)), f) << text;
    // No shorter text reads back as the same value.
    if (text.find('e') == std::string::npos && text.find('.') != std::string::npos && text.size() > 3) {
      std::string shorter = text.substr(0, text.size() - 1);
      float near = 0.0f;
      std::from_chars(shorter.data(), shorter.data() + shorter.size(), near);
      ASSERT_NE(near, f) << text;
    }
  }
}

TEST(ExportedValues, NamesLoseTrailingBlanksAndStrayBytesAreLatin1) {
  EXPECT_EQ(name_text("G1  "), "G1");
  EXPECT_EQ(name_text("  A B  "), "  A B");
  EXPECT_EQ(name_text("    "), "");
  EXPECT_EQ(name_text(""), "");
  // Valid UTF-8 is kept as it is.
  EXPECT_EQ(name_text("GALP\xC3\x83O "), "GALP\xC3\x83O");
  EXPECT_EQ(name_text("\xE2\x82\xAC\xF0\x9F\x8F\x97"), "\xE2\x82\xAC\xF0\x9F\x8F\x97");
  // Latin-1 bytes become their own code points.
  EXPECT_EQ(name_text("GALP\xC3O"), "GALP\xC3\x83O");
  EXPECT_EQ(name_text("A\xE7\xE3o"), "A\xC3\xA7\xC3\xA3o");
  // A sequence cut at the end of a field, overlong forms and surrogates are
  // not UTF-8: each of their bytes is taken alone.
  EXPECT_EQ(name_text("AB\xC3"), "AB\xC3\x83");
  EXPECT_EQ(name_text("\xC0\x80"), "\xC3\x80\xC2\x80");
  EXPECT_EQ(name_text("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");
  EXPECT_EQ(name_text("\xF4\x90\x80\x80"), "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80");
}

}  // namespace
}  // namespace toval::tools::cli
