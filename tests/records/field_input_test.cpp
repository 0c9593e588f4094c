// Reading single fields and whole records: the rules every reader relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "records/fields.h"
#include "records/record_io.h"
#include "records/run_error.h"

namespace toval {
namespace {

struct IntegerCase {
  const char* field;
  FieldStatus status;
  Whole value;
};

TEST(IntegerField, BlanksTabsSignsAndLimits) {
  const IntegerCase cases[] = {
      {"", FieldStatus::ok, 0},
      {"        ", FieldStatus::ok, 0},
      {"1 2", FieldStatus::ok, 12},
      {" - 1 2 ", FieldStatus::ok, -12},
      {"\t7\t", FieldStatus::ok, 7},
      {"+5", FieldStatus::ok, 5},
      {"32767", FieldStatus::ok, 32767},
      {"-32767", FieldStatus::ok, -32767},
      {"-0", FieldStatus::ok, 0},
      {"32768", FieldStatus::out_of_range, 0},
      {"-32768", FieldStatus::out_of_range, 0},
      {"99999999999999999999", FieldStatus::out_of_range, 0},
      {"1.5", FieldStatus::not_a_number, 0},
      {"-", FieldStatus::not_a_number, 0},
      {"+", FieldStatus::not_a_number, 0},
      {"1-", FieldStatus::not_a_number, 0},
      {"12a", FieldStatus::not_a_number, 0},
      {"1E2", FieldStatus::not_a_number, 0},
      {"1\x1A", FieldStatus::end_of_file_char, 0},
  };
  for (const auto& c : cases) {
    Whole v = -99;
    EXPECT_EQ(parse_integer(c.field, v), c.status) << '"' << c.field << '"';
    if (c.status == FieldStatus::ok) {
      EXPECT_EQ(v, c.value) << '"' << c.field << '"';
    }
  }
}

struct RealCase {
  const char* field;
  int decimals;
  FieldStatus status;
  float value;
};

TEST(RealField, ImpliedDecimalsExponentsAndErrors) {
  const RealCase cases[] = {
      {"", 3, FieldStatus::ok, 0.0f},
      {"1234", 3, FieldStatus::ok, 1.234f},
      {"1234.", 3, FieldStatus::ok, 1234.0f},
      {"123", 4, FieldStatus::ok, 0.0123f},
      {"1", 4, FieldStatus::ok, 0.0001f},
      {"12.5", 0, FieldStatus::ok, 12.5f},
      {"7", 0, FieldStatus::ok, 7.0f},
      {"- 1 . 5", 0, FieldStatus::ok, -1.5f},
      {"1.5E3", 0, FieldStatus::ok, 1500.0f},
      {"1.5d-1", 0, FieldStatus::ok, 0.15f},
      {"15E2", 1, FieldStatus::ok, 150.0f},  // implied decimals apply with an exponent too
      {".5", 0, FieldStatus::ok, 0.5f},
      {"5.", 0, FieldStatus::ok, 5.0f},
      {"1e-50", 0, FieldStatus::ok, 0.0f},  // too small: zero without error
      {"1e39", 0, FieldStatus::out_of_range, 0.0f},
      {"4e38", 0, FieldStatus::out_of_range, 0.0f},
      {"1e99999999999", 0, FieldStatus::out_of_range, 0.0f},
      {"-", 0, FieldStatus::not_a_number, 0.0f},
      {".", 0, FieldStatus::not_a_number, 0.0f},
      {"E5", 0, FieldStatus::not_a_number, 0.0f},
      {"1E", 0, FieldStatus::not_a_number, 0.0f},
      {"1E+", 0, FieldStatus::not_a_number, 0.0f},
      {"1.5+3", 0, FieldStatus::not_a_number, 0.0f},
      {"1.2.3", 0, FieldStatus::not_a_number, 0.0f},
      {"abc", 0, FieldStatus::not_a_number, 0.0f},
      {"1\x1A", 0, FieldStatus::end_of_file_char, 0.0f},
  };
  for (const auto& c : cases) {
    Real v = -99.0f;
    EXPECT_EQ(parse_real(c.field, c.decimals, v), c.status) << '"' << c.field << '"';
    if (c.status == FieldStatus::ok) {
      EXPECT_EQ(v, c.value) << '"' << c.field << '"';
    }
  }
}

TEST(RealField, NearestThirtyTwoBitValueWithTiesToEven) {
  Real v = 0;
  // 16777217 lies halfway between 16777216 and 16777218: ties go to even.
  ASSERT_EQ(parse_real("16777217", 0, v), FieldStatus::ok);
  EXPECT_EQ(v, 16777216.0f);
  ASSERT_EQ(parse_real("16777219", 0, v), FieldStatus::ok);
  EXPECT_EQ(v, 16777220.0f);
  // The decimal text itself is rounded, not a double first.
  ASSERT_EQ(parse_real("0.1", 0, v), FieldStatus::ok);
  EXPECT_EQ(v, 0.1f);
  // A tiny value becomes a subnormal, not an error.
  ASSERT_EQ(parse_real("1e-40", 0, v), FieldStatus::ok);
  EXPECT_GT(v, 0.0f);
  EXPECT_LT(v, 1.2e-38f);
  // The largest 32-bit value reads; "-0" reads as zero.
  ASSERT_EQ(parse_real("3.4028234e38", 0, v), FieldStatus::ok);
  EXPECT_EQ(v, 3.4028234e38f);
  ASSERT_EQ(parse_real("-0", 0, v), FieldStatus::ok);
  EXPECT_EQ(v, 0.0f);
}

TEST(CharField, WidthAgainstLength) {
  char name[4];
  chars_from_field("G1, ", name, 4);
  EXPECT_EQ(std::string(name, 4), "G1, ");
  chars_from_field("G1", name, 4);
  EXPECT_EQ(std::string(name, 4), "G1  ");
  chars_from_field("ABCDEFG", name, 4);
  EXPECT_EQ(std::string(name, 4), "DEFG");
}

// Reads one record of `text` with a layout into the given targets.
template <class... T>
void read_text(const std::string& text, Layout layout, T&... targets) {
  InputUnit unit;
  unit.open_memory("TEST.DAT", text);
  read_record(unit, layout, "test record", targets...);
}

TEST(ReadRecord, ShortEmptyAndLongRecords) {
  constexpr Item NODE[] = {I(8), F(15, 0), F(15, 0), I(13), I(13), I(13)};
  Whole n = 9, r1 = 9, r2 = 9, r3 = 9;
  Real x = 9, y = 9;
  read_text("\n", NODE, n, x, y, r1, r2, r3);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(x, 0.0f);
  EXPECT_EQ(y, 0.0f);
  EXPECT_EQ(r1 + r2 + r3, 0);

  constexpr Item NAME16[] = {A(16)};
  Name<16> label;
  read_text("0123456789\r\n", NAME16, label);
  EXPECT_EQ(label, "0123456789      ");
  read_text(std::string(30, 'x') + "\n", NAME16, label);
  EXPECT_EQ(label, std::string(16, 'x'));
  // A CR ends the data even with text after it.
  read_text("ab\rcd\n", NAME16, label);
  EXPECT_EQ(label, "ab              ");
  // A last line without LF is a record.
  read_text("tail", NAME16, label);
  EXPECT_EQ(label, "tail            ");
}

TEST(ReadRecord, CommaEndsANumericFieldEarly) {
  constexpr Item TERM[] = {A(4), F(10, 0), A(4)};
  Name<4> rot, caso;
  Real mult = 0;
  read_text("    1.4,G1\n", TERM, rot, mult, caso);
  EXPECT_EQ(rot, "    ");
  EXPECT_EQ(mult, 1.4f);
  EXPECT_EQ(caso, "G1  ");
  // A comma is an ordinary character in a character field.
  read_text("    1.5       ,Q,X\n", TERM, rot, mult, caso);
  EXPECT_EQ(mult, 1.5f);
  EXPECT_EQ(caso, ",Q,X");
  // A comma inside the multiplier's columns moves the name left.
  read_text("    1.5      ,Q,X\n", TERM, rot, mult, caso);
  EXPECT_EQ(caso, "Q,X ");
  constexpr Item TWO[] = {I(5), I(5)};
  Whole a = 0, b = 0;
  read_text("1,2,\n", TWO, a, b);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
}

TEST(ReadRecord, ColumnsBeyondTheCaptureAreNotNeeded) {
  // A very long line passes; its first columns are read.
  constexpr Item ONE[] = {I(5)};
  Whole v = 0;
  read_text("   42" + std::string(1 << 20, 'z') + "\nnext\n", ONE, v);
  EXPECT_EQ(v, 42);
}

std::string error_of(const std::string& text, Layout layout) {
  InputUnit unit;
  unit.open_memory("BAD.DAT", text);
  Whole a = 0;
  Real b = 0;
  try {
    read_record(unit, layout, "sample record", a, b);
  } catch (const RunError& e) {
    return e.what();
  }
  return "no error";
}

TEST(ReadRecord, ErrorsNameTheLineColumnsItemAndText) {
  constexpr Item LAYOUT[] = {I(8), F(15, 0)};
  EXPECT_EQ(error_of("     1.5\n", LAYOUT),
            "\nrun-time error F6502: READ(BAD.DAT)\n- line 1, columns 1-8 (I8) of a sample record: found "
            "\"     1.5\", which is not an integer\n");
  EXPECT_EQ(error_of("       1    abc\n", LAYOUT),
            "\nrun-time error F6504: READ(BAD.DAT)\n- line 1, columns 9-23 (F15.0) of a sample record: found "
            "\"    abc\", which is not a real number\n");
  EXPECT_EQ(error_of("   40000\n", LAYOUT),
            "\nrun-time error F6503: READ(BAD.DAT)\n- line 1, columns 1-8 (I8) of a sample record: found "
            "\"   40000\", an integer outside -32767..32767\n");
  EXPECT_EQ(error_of("", LAYOUT),
            "\nrun-time error F6501: READ(BAD.DAT)\n- end of file in an empty file: a sample record was "
            "expected\n");
  EXPECT_NE(error_of("       1  1\x1A\n", LAYOUT).find("end-of-file character (code 26)"), std::string::npos);
}

TEST(Units, SkipRewindBackspaceAndSectionScan) {
  InputUnit unit;
  unit.open_memory("F.DAT", "one\n\nthree\r\n  HEAD extra\nlast");
  constexpr Item WORD[] = {A(5)};
  Name<5> w;
  skip_record(unit, "record");
  skip_record(unit, "record");  // an empty line is a record
  read_record(unit, WORD, "word", w);
  EXPECT_EQ(w, "three");
  unit.backspace();
  read_record(unit, WORD, "word", w);
  EXPECT_EQ(w, "three");
  section_scan(unit, "  HEAD");
  read_record(unit, WORD, "word", w);
  EXPECT_EQ(w, "last ");
  EXPECT_THROW(skip_record(unit, "record"), RunError);
  unit.rewind();
  read_record(unit, WORD, "word", w);
  EXPECT_EQ(w, "one  ");
  // A heading differing by a blank is not found; the message names it.
  unit.rewind();
  try {
    section_scan(unit, " HEAD");
    FAIL();
  } catch (const RunError& e) {
    EXPECT_EQ(
        std::string(e.what()),
        "\nrun-time error F6501: READ(F.DAT)\n- end of file after line 5: the heading \" HEAD\" (columns "
        "1-5) was not found\n");
  }
}

TEST(Units, BackspaceAcrossABufferBoundary) {
  // Records straddling the read buffer are read again whole after backspace.
  std::string text;
  for (int i = 0; i < 20000; ++i) text += std::to_string(i) + "\n";
  InputUnit unit;
  unit.open_memory("BIG.DAT", text);
  constexpr Item ONE[] = {I(8)};
  Whole v = 0;
  for (int i = 0; i < 20000; ++i) {
    read_record(unit, ONE, "n", v);
    ASSERT_EQ(v, i);
    unit.backspace();
    read_record(unit, ONE, "n", v);
    ASSERT_EQ(v, i);
  }
}

}  // namespace
}  // namespace toval
