// Labels refused where they would overlap one already placed, wherever the
// boxes fall in the grid of cells.
#include <gtest/gtest.h>

#include "tools/draw/label_layout.h"

namespace toval::tools {
namespace {

TEST(TextBox, IsAnchoredByStartMiddleOrEnd) {
  // 2 characters of 10 px: 2 * 0.62 * 10 = 12.4 wide, 7.8 above the
  // baseline and 2.2 below.
  const Box start = text_box(100.0, 50.0, 2, 10.0, Anchor::start);
  EXPECT_DOUBLE_EQ(start.left, 100.0);
  EXPECT_DOUBLE_EQ(start.right, 112.4);
  EXPECT_DOUBLE_EQ(start.top, 42.2);
  EXPECT_DOUBLE_EQ(start.bottom, 52.2);
  EXPECT_DOUBLE_EQ(text_box(100.0, 50.0, 2, 10.0, Anchor::middle).left, 93.8);
  EXPECT_DOUBLE_EQ(text_box(100.0, 50.0, 2, 10.0, Anchor::end).right, 100.0);
}

TEST(LabelLayout, RefusesOverlapsAndAcceptsBoxesThatOnlyTouch) {
  LabelLayout layout(10.0);
  EXPECT_TRUE(layout.try_place({0, 0, 10, 10}));
  EXPECT_FALSE(layout.try_place({9, 9, 12, 12}));
  EXPECT_TRUE(layout.try_place({10, 0, 20, 10}));  // edge to edge
  EXPECT_TRUE(layout.try_place({0, 10, 10, 20}));
  EXPECT_FALSE(layout.is_free({5, 5, 6, 6}));  // inside the first
  EXPECT_TRUE(layout.is_free({20, 20, 21, 21}));
}

TEST(LabelLayout, FindsOverlapsAcrossCellsAndAtNegativeCoordinates) {
  LabelLayout layout(8.0);
  // A long box over many cells is found from any of them.
  layout.reserve({-50, -3, 50, 3});
  EXPECT_FALSE(layout.is_free({-41, 2, -40, 10}));
  EXPECT_FALSE(layout.is_free({49, -10, 60, -2.5}));
  EXPECT_TRUE(layout.is_free({-50, 3, 50, 9}));
  // A small box inside one cell, against a big one that covers it.
  LabelLayout other(8.0);
  other.reserve({3, 3, 4, 4});
  EXPECT_FALSE(other.try_place({-100, -100, 100, 100}));
}

TEST(LabelLayout, ReservedBoxesBlockWhetherOrNotTheyOverlap) {
  LabelLayout layout(5.0);
  layout.reserve({0, 0, 10, 10});
  layout.reserve({5, 5, 15, 15});  // forced over the first
  EXPECT_FALSE(layout.try_place({12, 12, 14, 14}));
  EXPECT_TRUE(layout.try_place({15, 15, 16, 16}));
}

}  // namespace
}  // namespace toval::tools
