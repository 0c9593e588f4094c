// Text of any bytes made into character data that HTML and XML both read
// as the same characters; numbers for people in the same bytes everywhere.
#include "tools/cli/markup_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "tools/cli/number_text.h"

namespace toval::tools::cli {
namespace {

TEST(MarkupText, EscapesMarkupAndDoubleQuotes) {
  // Attributes are always written in double quotes: a single quote stands.
  EXPECT_EQ(markup_text("a&b <c> \"d\" 'e'"), "a&amp;b &lt;c&gt; &quot;d&quot; 'e'");
  EXPECT_EQ(markup_text("&amp;"), "&amp;amp;");
}

TEST(MarkupText, KeepsValidUtf8AndTakesOtherBytesAsLatin1) {
  EXPECT_EQ(markup_text("S\xc3\xa3o \xe2\x82\xac \xf0\x9d\x84\x9e"),
            "S\xc3\xa3o \xe2\x82\xac \xf0\x9d\x84\x9e");
  // A lone Latin-1 byte, a sequence cut short at the end, a lead byte
  // followed by a non-continuation.
  EXPECT_EQ(markup_text("S\xe3o"), "S\xc3\xa3o");
  EXPECT_EQ(markup_text("a\xc3"), "a\xc3\x83");
  // (Latin-1 bytes 0x80 to 0x9F are control characters, and dropped.)
  EXPECT_EQ(markup_text("\xe2\xa2z"), "\xc3\xa2\xc2\xa2z");
  EXPECT_EQ(markup_text("\xe2\x82z"), "\xc3\xa2z");
  // Overlong forms, surrogates and values beyond U+10FFFF are no UTF-8.
  EXPECT_EQ(markup_text("\xc0\xaf"), "\xc3\x80\xc2\xaf");
  EXPECT_EQ(markup_text("\xed\xa0\xa0"), "\xc3\xad\xc2\xa0\xc2\xa0");
  EXPECT_EQ(markup_text("\xf4\x90\xa0\xa0"), "\xc3\xb4\xc2\xa0\xc2\xa0");
  EXPECT_EQ(markup_text("\xff"), "\xc3\xbf");
}

TEST(MarkupText, DropsControlCharacters) {
  EXPECT_EQ(markup_text(std::string_view("a\0b\tc\nd\re\x1b[0m\x7f", 15)), "abcde[0m");
  // C1 controls, whether written in UTF-8 or as Latin-1 bytes, and the
  // two code points that XML forbids.
  EXPECT_EQ(markup_text("x\xc2\x85y\x85z"), "xyz");
  EXPECT_EQ(markup_text("x\xef\xbf\xbey\xef\xbf\xbf"), "xy");
  // Hover texts keep their lines, and only those.
  EXPECT_EQ(markup_text("a\nb\r\n\tc", true), "a\nb\nc");
}

TEST(TrimmedDecimal, RoundsDropsTrailingZerosAndNegativeZero) {
  EXPECT_EQ(trimmed_decimal(530.0, 2), "530");
  EXPECT_EQ(trimmed_decimal(0.10004, 4), "0.1");
  EXPECT_EQ(trimmed_decimal(-12.345678, 4), "-12.3457");
  EXPECT_EQ(trimmed_decimal(-0.00001, 4), "0");
  EXPECT_EQ(trimmed_decimal(1e6, 0), "1000000");
  EXPECT_EQ(trimmed_decimal(-std::numeric_limits<double>::infinity(), 4), "-inf");
}

}  // namespace
}  // namespace toval::tools::cli
