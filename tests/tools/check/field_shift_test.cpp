// The signature of a shifted value in one record, and what is not one.
#include "tools/check/field_shift.h"

#include <gtest/gtest.h>

namespace toval::tools::check {
namespace {

// Fields of `widths` laid end to end from column 1, all real with d = 0,
// cut at a comma as the reader cuts them.
std::vector<NumericCut> cuts_of(std::string_view record, std::initializer_list<int> widths) {
  std::vector<NumericCut> cuts;
  std::size_t at = 0;
  for (int w : widths) {
    NumericCut c;
    c.from = at;
    c.width = w;
    c.next = at + static_cast<std::size_t>(w);
    c.end = std::min(c.next, std::max(at, record.size()));
    for (std::size_t k = at; k < c.end; ++k)
      if (record[k] == ',') {
        c.end = k;
        c.next = k + 1;
        break;
      }
    c.next_is_numeric = true;
    at = c.next;
    cuts.push_back(c);
  }
  cuts.back().next_is_numeric = false;
  return cuts;
}

std::string en(const FieldShift& shift) {
  return text_of(shift.text, cli::Language::en);
}

std::vector<FieldShift> shifts(std::string_view record, std::initializer_list<int> widths) {
  return field_shifts(record, cuts_of(record, widths));
}

TEST(FieldShift, SoundFieldsGiveNothing) {
  EXPECT_TRUE(shifts("       1             0.0000000               -0.0000644", {8, 22, 25}).empty());
  EXPECT_TRUE(shifts("       -    12", {8, 6}).empty());  // a sign followed by blanks
  EXPECT_TRUE(shifts("    1.4,G", {10}).empty());         // a comma ends the field
  EXPECT_TRUE(shifts("  1.5,  2.5,", {6, 6}).empty());    // two fields cut by commas
  EXPECT_TRUE(shifts("", {8, 22}).empty());               // blank fields
  EXPECT_TRUE(shifts("    \t  12.5E+03", {16}).empty());  // a tab before, an exponent
  EXPECT_TRUE(shifts("   -1.5E- 3", {11}).empty());       // a blank after the exponent's sign
  EXPECT_TRUE(shifts("   12 ", {3, 3}).empty());          // the second field ends the record
}

TEST(FieldShift, BlanksBetweenDigitsOrBeforeThePoint) {
  auto found = shifts("   1 2", {6});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].column, 5);
  EXPECT_NE(en(found[0]).find("reads as 12;"), std::string::npos);
  found = shifts("  12 .5", {7});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].column, 5);
  EXPECT_NE(en(found[0]).find("reads as 12.5;"), std::string::npos);
  found = shifts("  1.5 E3", {8});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].column, 6);
  EXPECT_NE(en(found[0]).find("reads as 1500;"), std::string::npos);
}

TEST(FieldShift, ImpliedDecimalsInTheValueShown) {
  auto cuts = cuts_of("   12 34", {8});
  cuts[0].decimals = 3;
  const auto found = field_shifts("   12 34", cuts);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(en(found[0]).find("reads as 1.234;"), std::string::npos);
}

TEST(FieldShift, TextRunningIntoTheNextNumericField) {
  const auto found = shifts("  12.5-3.25", {6, 5});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].column, 7);
  EXPECT_NE(en(found[0]).find("they read as 12.5 and -3.25,"), std::string::npos);
  // Next to a field that is not numeric (a case name after a multiplier).
  auto cuts = cuts_of("      1.40G1", {10});
  EXPECT_TRUE(field_shifts("      1.40G1", cuts).empty());
  // Cut by a comma: the next field starts after it.
  EXPECT_TRUE(shifts("12.5,-3.2", {4, 5}).empty());
}

TEST(FieldShift, ADecimalCommaInItsFieldsOwnColumns) {
  // "12,000" for 12.000 in the second field (columns 9-18): the comma ends
  // it, and "000" with what follows is cut as the third field.
  auto found = shifts("       1       12,000       4.000", {8, 10, 10, 10});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].kind, Kind::decimal_comma);
  EXPECT_EQ(found[0].column, 18);
  EXPECT_EQ(
      en(found[0]),
      "a decimal comma in the number \"12,000\" (columns 9-18): a comma ends the field, so it reads as 12 "
      "and the digits after it pass into the next field; write the number with a decimal point");
  EXPECT_EQ(
      text_of(found[0].text, cli::Language::pt),
      "uma vírgula decimal no número \"12,000\" (colunas 9-18): a vírgula encerra o campo, então ele é "
      "lido como 12 e os algarismos depois dela passam para o campo seguinte; escreva o número com ponto "
      "decimal");
  // A comma after a complete value, after a point, or before a name parts values.
  EXPECT_TRUE(shifts("12.5,3", {6, 6}).empty());
  EXPECT_TRUE(shifts("    1.4,G", {10}).empty());
  // An integer field ended by a comma: a list of whole numbers, not a decimal.
  auto cuts = cuts_of("   1,2", {5, 5});
  cuts[0].integer = cuts[1].integer = true;
  EXPECT_TRUE(field_shifts("   1,2", cuts).empty());
}

TEST(FieldShift, OneFindingPerRecordAtTheFirstPlace) {
  // A shifted record disturbs the field it enters and every one after it.
  const auto found = shifts("  1 2 3   4", {5, 6});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].column, 4);
}

}  // namespace
}  // namespace toval::tools::check
