// Labels refused where they would overlap one already placed, wherever the
// boxes fall in the grid of cells.
#include "tools/draw/label_layout.h"

#include <gtest/gtest.h>

namespace toval::tools::draw {
namespace {

TEST(TextBox, IsAnchoredByStartMiddleOrEnd) {
  // "12" at 10 px: two digits of 0.637 em, 12.74 wide, 7.8 above the
  // baseline and 2.2 below.
  const Box start = text_box(100.0, 50.0, "12", 10.0, Anchor::start);
  EXPECT_DOUBLE_EQ(start.left, 100.0);
  EXPECT_DOUBLE_EQ(start.right, 112.74);
  EXPECT_DOUBLE_EQ(start.top, 42.2);
  EXPECT_DOUBLE_EQ(start.bottom, 52.2);
  EXPECT_DOUBLE_EQ(text_box(100.0, 50.0, "12", 10.0, Anchor::middle).left, 93.63);
  EXPECT_DOUBLE_EQ(text_box(100.0, 50.0, "12", 10.0, Anchor::end).right, 100.0);
}

TEST(TextWidth, FollowsTheLettersAndTheWeight) {
  // A tag of wide capitals is wider than one of narrow ones, and bold wider
  // still: a box from the character count alone would let "WM" overlap.
  EXPECT_GT(text_width("WM", 10.0), text_width("II", 10.0) * 2.5);
  EXPECT_GT(text_width("AB", 10.0, true), text_width("AB", 10.0));
  EXPECT_DOUBLE_EQ(text_width("W", 10.0, true), 11.03);
  // A character beyond ASCII counts once, however many bytes it takes.
  EXPECT_DOUBLE_EQ(text_width("\u2194", 10.0), 10.0);
  EXPECT_DOUBLE_EQ(text_width("", 10.0), 0.0);
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
}  // namespace toval::tools::draw
