// The tables grow as they are written and read as zeroed tables of their
// full capacity would.
#include <gtest/gtest.h>

#include "store/types.h"

namespace toval::testing {
namespace {

TEST(Table, UnwrittenEntriesWithinTheCapacityReadAsTheFillValue) {
  Table<Real> t(1000);
  const Table<Real>& view = t;
  EXPECT_EQ(view(1000), 0.0f);
  EXPECT_EQ(view.held(), 0u);  // reading holds nothing
  t(3) = 2.5f;
  EXPECT_EQ(view(3), 2.5f);
  EXPECT_EQ(view(2), 0.0f);
  EXPECT_EQ(view(4), 0.0f);
  EXPECT_EQ(view.held(), 3u);

  t.fill(-1.0f);
  EXPECT_EQ(view(3), -1.0f);
  EXPECT_EQ(view.held(), 0u);
  t(5) = 7.0f;
  EXPECT_EQ(view(4), -1.0f);  // entries below one written take the fill value
  EXPECT_EQ(view(6), -1.0f);
}

TEST(Table, WritingInOrderKeepsEveryEntry) {
  Table<Whole> t(30000);
  for (long i = 1; i <= 30000; ++i) t(i) = static_cast<Whole>(i);
  for (long i = 1; i <= 30000; ++i) ASSERT_EQ(t(i), static_cast<Whole>(i));
}

TEST(Table2, WideningARowKeepsTheRowsWrittenBefore) {
  Table2<Real> t(50, 200);
  for (long i = 1; i <= 50; ++i) t(i, 1) = static_cast<Real>(i);
  t(7, 150) = -3.0f;  // every row becomes at least 150 wide
  t(50, 200) = 9.0f;
  const Table2<Real>& view = t;
  for (long i = 1; i <= 50; ++i) ASSERT_EQ(view(i, 1), static_cast<Real>(i)) << i;
  EXPECT_EQ(view(7, 150), -3.0f);
  EXPECT_EQ(view(50, 200), 9.0f);
  EXPECT_EQ(view(8, 150), 0.0f);
  EXPECT_EQ(view(7, 149), 0.0f);
  EXPECT_EQ(view(7, 151), 0.0f);
}

TEST(Table2, UnwrittenRowsAndColumnsReadAsTheFillValue) {
  Table2<Name<4>> t(10, 10);
  t.fill(Name<4>::blank());
  const Table2<Name<4>>& view = t;
  EXPECT_EQ(view(10, 10), Name<4>::blank());
  t(2, 3) = Name<4>::of("G1");
  EXPECT_EQ(view(2, 3), "G1  ");
  EXPECT_EQ(view(1, 3), Name<4>::blank());
  EXPECT_EQ(view(3, 3), Name<4>::blank());
  EXPECT_EQ(view(2, 10), Name<4>::blank());
}

TEST(TableDeathTest, AnIndexOutsideTheCapacityIsAFaultOfTheProgram) {
  Table<Real> t(5);
  EXPECT_DEATH(t(6) = 1.0f, "table index 6 outside 1..5");
  EXPECT_DEATH(t(0) = 1.0f, "table index 0 outside 1..5");
  Table2<Real> u(5, 2);
  EXPECT_DEATH(u(1, 3) = 1.0f, "table index 3 outside 1..2");
}

}  // namespace
}  // namespace toval::testing
