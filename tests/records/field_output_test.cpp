// Writing fields and records: the rounding, signs, blanks and overflow rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/console.h"
#include "records/fields.h"
#include "records/record_io.h"
#include "records/report_unit.h"

namespace toval {
namespace {

std::string real_text(float v, int w, int d) {
  std::string s;
  format_real(v, w, d, s);
  return s;
}

std::string integer_text(long v, int w) {
  std::string s;
  format_integer(v, w, s);
  return s;
}

struct RealOut {
  float value;
  int w, d;
  const char* text;
};

TEST(RealOutput, SevenSignificantDigitsRoundHalfUpNoLeadingZero) {
  const RealOut cases[] = {
      {0.5f, 10, 3, "      .500"},
      {0.0f, 10, 3, "      .000"},
      {-0.25f, 7, 3, "  -.250"},
      {0.005f, 10, 3, "      .005"},  // 0.005f is 0.004999999888: rounds down
      {0.125f, 5, 2, "  .13"},        // an exact half rounds up, not to even
      {-0.125f, 6, 2, "  -.13"},
      {-0.0004f, 12, 3, "        .000"},
      {-0.0f, 10, 3, "      .000"},
      {9.9996f, 8, 3, "  10.000"},
      {1234.5678f, 20, 7, "        1234.5680000"},
      {123456789.0f, 12, 3, "************"},
      {1000.0f, 8, 4, "********"},
      {999.99994f, 8, 4, "999.9999"},
      {-1.5f, 10, 2, "     -1.50"},
      {5.0f, 8, 4, "  5.0000"},
      {12345678.0f, 20, 3, "        12345680.000"},
      {-999.9996f, 9, 3, "-1000.000"},  // the carry adds an integer digit
      {-999.9996f, 8, 3, "********"},
      {0.0006f, 10, 3, "      .001"},
      {1.0e-30f, 8, 3, "    .000"},
      {3.4028235e38f, 50, 3, "       340282300000000000000000000000000000000.000"},
  };
  for (const auto& c : cases) EXPECT_EQ(real_text(c.value, c.w, c.d), c.text) << c.value;
}

TEST(IntegerOutput, RightAlignedWithOverflow) {
  EXPECT_EQ(integer_text(-5, 2), "-5");
  EXPECT_EQ(integer_text(-10, 2), "**");
  EXPECT_EQ(integer_text(100, 2), "**");
  EXPECT_EQ(integer_text(0, 3), "  0");
  EXPECT_EQ(integer_text(32767, 7), "  32767");
}

TEST(CharOutput, PaddingAndCutting) {
  std::string s;
  format_chars("AB", 4, s);
  format_chars("ABCDEF", 3, s);
  format_chars("XYZ", 3, s);
  EXPECT_EQ(s, "  ABABCXYZ");
}

TEST(WriteRecord, FileRecordsEndInCrLf) {
  std::string out;
  ReportUnit unit;
  unit.open_memory(&out);
  constexpr Item ROW[] = {X(3), A(4), I(11), F(20, 7)};
  write_record(unit, ROW, Name<4>::of("G1"), 2, 0.5f);
  empty_record(unit);
  constexpr Item AXIS[] = {SLASH, Text(" EIXO DE SIMETRIA       : "), F(8, 4), SLASH, SLASH};
  write_record(unit, AXIS, 5.0f);
  constexpr Item PAGE[] = {A(1)};
  write_record(unit, PAGE, "\f");
  unit.close();
  EXPECT_EQ(out,
            "   G1            2            .5000000\r\n"
            " \r\n"
            "\r\n EIXO DE SIMETRIA       :   5.0000\r\n\r\n\r\n"
            "\f\r\n");
}

TEST(WriteRecord, TrailingBlanksDroppedOnlyAtTheEnd) {
  std::string out;
  ReportUnit unit;
  unit.open_memory(&out);
  // Values used up: the layout stops at its next field; X at the very end writes nothing.
  constexpr Item TAIL[] = {I(2), X(5)};
  write_record(unit, TAIL, 7);
  constexpr Item GAP[] = {X(41), I(8), I(6), F(12, 3)};
  write_record(unit, GAP, 1, 2, 3.0f);
  constexpr Item STOP[] = {I(2), Text(" after"), I(3), Text(" never")};
  write_record(unit, STOP, 1);
  EXPECT_EQ(out, " 7\r\n" + std::string(41, ' ') + "       1     2       3.000\r\n 1 after\r\n");
}

std::string console_bytes(const std::vector<std::pair<std::vector<Item>, bool>>& writes) {
  std::FILE* out = std::tmpfile();
  Console console;
  console.attach(stdin, out);
  for (const auto& [layout, with_value] : writes) {
    if (with_value)
      write_record(console, layout, 5.0f);
    else
      write_record(console, layout);
  }
  console.stop_message();
  std::rewind(out);
  std::string bytes;
  for (int c; (c = std::fgetc(out)) != EOF;) bytes.push_back(static_cast<char>(c));
  std::fclose(out);
  return bytes;
}

TEST(Console, RecordsLoseTheirFirstCharacterAndPromptsStayOpen) {
  EXPECT_EQ(console_bytes({{{SLASH, SLASH, Text(" PROMPT : "), NO_END}, false},
                           {{Text("ANSWER")}, false},
                           {{SLASH, Text(" EIXO : "), F(8, 4), SLASH, SLASH}, true}}),
            "\n\n\nPROMPT : ANSWER\n\nEIXO :   5.0000\n\n\nStop - Program terminated.\n");
}

}  // namespace
}  // namespace toval
