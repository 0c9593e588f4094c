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
  EXPECT_NE(found[0].text.find("reads as 12;"), std::string::npos);
  found = shifts("  12 .5", {7});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].column, 5);
  EXPECT_NE(found[0].text.find("reads as 12.5;"), std::string::npos);
  found = shifts("  1.5 E3", {8});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].column, 6);
  EXPECT_NE(found[0].text.find("reads as 1500;"), std::string::npos);
}

TEST(FieldShift, ImpliedDecimalsInTheValueShown) {
  auto cuts = cuts_of("   12 34", {8});
  cuts[0].decimals = 3;
  const auto found = field_shifts("   12 34", cuts);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].text.find("reads as 1.234;"), std::string::npos);
}

TEST(FieldShift, TextRunningIntoTheNextNumericField) {
  const auto found = shifts("  12.5-3.25", {6, 5});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].column, 7);
  EXPECT_NE(found[0].text.find("they read as 12.5 and -3.25,"), std::string::npos);
  // Next to a field that is not numeric (a case name after a multiplier).
  auto cuts = cuts_of("      1.40G1", {10});
  EXPECT_TRUE(field_shifts("      1.40G1", cuts).empty());
  // Cut by a comma: the next field starts after it.
  EXPECT_TRUE(shifts("12.5,-3.2", {4, 5}).empty());
}

TEST(FieldShift, OneFindingPerRecordAtTheFirstPlace) {
  // A shifted record disturbs the field it enters and every one after it.
  const auto found = shifts("  1 2 3   4", {5, 6});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].column, 4);
}

}  // namespace
}  // namespace toval::tools::check
