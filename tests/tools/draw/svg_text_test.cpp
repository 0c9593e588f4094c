// Text of any bytes made into XML character data; numbers written the same
// way on every system.
#include "tools/draw/svg_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace toval::tools::draw {
namespace {

TEST(XmlText, EscapesMarkupAndQuotes) {
  EXPECT_EQ(xml_text("a&b <c> \"d\" 'e'"), "a&amp;b &lt;c&gt; &quot;d&quot; &apos;e&apos;");
  EXPECT_EQ(xml_text("&amp;"), "&amp;amp;");
}

TEST(XmlText, KeepsValidUtf8AndTakesOtherBytesAsLatin1) {
  EXPECT_EQ(xml_text("S\xc3\xa3o \xe2\x82\xac \xf0\x9d\x84\x9e"), "S\xc3\xa3o \xe2\x82\xac \xf0\x9d\x84\x9e");
  // A lone Latin-1 byte, a sequence cut short at the end, a lead byte
  // followed by a non-continuation.
  EXPECT_EQ(xml_text("S\xe3o"), "S\xc3\xa3o");
  EXPECT_EQ(xml_text("a\xc3"), "a\xc3\x83");
  // (Latin-1 bytes 0x80 to 0x9F are control characters, and dropped.)
  EXPECT_EQ(xml_text("\xe2\xa2z"), "\xc3\xa2\xc2\xa2z");
  EXPECT_EQ(xml_text("\xe2\x82z"), "\xc3\xa2z");
  // Overlong forms, surrogates and values beyond U+10FFFF are no UTF-8.
  EXPECT_EQ(xml_text("\xc0\xaf"), "\xc3\x80\xc2\xaf");
  EXPECT_EQ(xml_text("\xed\xa0\xa0"), "\xc3\xad\xc2\xa0\xc2\xa0");
  EXPECT_EQ(xml_text("\xf4\x90\xa0\xa0"), "\xc3\xb4\xc2\xa0\xc2\xa0");
  EXPECT_EQ(xml_text("\xff"), "\xc3\xbf");
}

TEST(XmlText, DropsControlCharacters) {
  EXPECT_EQ(xml_text(std::string_view("a\0b\tc\nd\re\x1b[0m\x7f", 15)), "abcde[0m");
  // C1 controls, whether written in UTF-8 or as Latin-1 bytes, and the
  // two code points that XML forbids.
  EXPECT_EQ(xml_text("x\xc2\x85y\x85z"), "xyz");
  EXPECT_EQ(xml_text("x\xef\xbf\xbey\xef\xbf\xbf"), "xy");
  // Hover texts keep their lines, and only those.
  EXPECT_EQ(xml_text("a\nb\r\n\tc", true), "a\nb\nc");
}

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
