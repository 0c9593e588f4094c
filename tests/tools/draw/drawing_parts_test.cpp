// The facts the picture is drawn from: the page fit, the mirror pairs and
// their tags, support kinds, the force drawn on each bar, the
// characteristic nodes and the legend's wrapping.
#include <gtest/gtest.h>

#include <set>

#include "records/text.h"
#include "tools/draw/bar_forces.h"
#include "tools/draw/characteristic_nodes.h"
#include "tools/draw/drawing_fixture.h"
#include "tools/draw/frame_view.h"
#include "tools/draw/label_layout.h"
#include "tools/draw/mirror_pairs.h"
#include "tools/draw/page_blocks.h"
#include "tools/draw/support_symbols.h"

namespace toval::testing {
namespace {

using namespace toval::tools::draw;

TEST(FrameView, FitsTheNarrowerDirectionAndTurnsYUpward) {
  FrameView wide({-5, 15, 2, 4}, 900, 560);  // 20 by 2: the width decides
  EXPECT_DOUBLE_EQ(wide.scale(), 45.0);
  EXPECT_DOUBLE_EQ(wide.height(), 90.0);
  wide.place(100, 50);
  EXPECT_DOUBLE_EQ(wide.page(-5, 4).x, 100.0);
  EXPECT_DOUBLE_EQ(wide.page(-5, 4).y, 50.0);
  EXPECT_DOUBLE_EQ(wide.page(15, 2).y, 140.0);
  FrameView tall({0, 1, 0, 28}, 900, 560);  // the height decides
  EXPECT_DOUBLE_EQ(tall.scale(), 20.0);
}

TEST(FrameView, AFrameWithoutWidthOrHeightStillFits) {
  EXPECT_DOUBLE_EQ(FrameView({3, 3, 0, 7}, 900, 560).scale(), 80.0);   // one column
  EXPECT_DOUBLE_EQ(FrameView({0, 30, 2, 2}, 900, 560).scale(), 30.0);  // one beam
  FrameView point({4, 4, 4, 4}, 900, 560);
  EXPECT_DOUBLE_EQ(point.scale(), 1.0);
  EXPECT_DOUBLE_EQ(point.width(), 0.0);
  const Extent e = extent_of({{1, -2}, {-3, 5}, {0, 0}});
  EXPECT_EQ((std::vector<double>{e.x_min, e.x_max, e.y_min, e.y_max}), (std::vector<double>{-3, 1, -2, 5}));
}

TEST(PairTag, CountsLikeSpreadsheetColumnsWithoutTheLettersOfTheMarks) {
  // 23 letters: A B F G ... Z.
  EXPECT_EQ(pair_tag(0), "A");
  EXPECT_EQ(pair_tag(1), "B");
  EXPECT_EQ(pair_tag(2), "F");
  EXPECT_EQ(pair_tag(22), "Z");
  EXPECT_EQ(pair_tag(23), "AA");
  EXPECT_EQ(pair_tag(25), "AF");
  EXPECT_EQ(pair_tag(45), "AZ");
  EXPECT_EQ(pair_tag(46), "BA");
  EXPECT_EQ(pair_tag(23 + 23 * 23 - 1), "ZZ");
  EXPECT_EQ(pair_tag(23 + 23 * 23), "AAA");
}

TEST(PairTag, EveryTagOfALargeFrameIsDistinctAndFreeOfCDAndE) {
  std::set<std::string> seen;
  for (std::size_t k = 0; k < 5000; ++k) {
    const std::string tag = pair_tag(k);
    EXPECT_EQ(tag.find_first_of("CDE"), std::string::npos) << tag;
    EXPECT_TRUE(seen.insert(tag).second) << tag << " given twice";
    // Shorter tags come first.
    if (k > 0) {
      EXPECT_GE(tag.size(), pair_tag(k - 1).size());
    }
  }
}

TEST(MirrorPairs, NamedFromTheLowerBarAndASharedMirrorIsInBoth) {
  // Bars 1 and 3 both name bar 4 (the pairing lets a later bar take a
  // mirror bar again); bar 4 names the later one.
  DrawnFrame f({{0, 0}, {0, 1}, {10, 0}, {10, 1}}, {{1, 2, 1, 4}, {2, 4, 1, 0}, {1, 2, 1, 4}, {3, 4, 1, 3}});
  const MirrorPairs m = mirror_pairs(*f.s, f.counts.NNOS, f.counts.NBAR, f.counts.XS);
  ASSERT_EQ(m.pairs.size(), 2u);
  EXPECT_EQ((std::vector<Whole>{m.pairs[0].lower, m.pairs[0].upper, m.pairs[1].lower, m.pairs[1].upper}),
            (std::vector<Whole>{1, 4, 3, 4}));
  EXPECT_EQ(m.pairs[1].tag, "B");
  EXPECT_EQ(m.pairs_of[3], (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(m.state[3], MirrorState::paired);
  // Bar 2, the beam 2-4 from x = 0 to 10 at one height, is its own mirror.
  EXPECT_EQ(m.state[1], MirrorState::own_mirror);
}

TEST(MirrorPairs, OnlyABarThatMirrorsItselfIsSparedTheFlag) {
  // XS = 5. Bar 1: a post on the axis; bar 2: a tie from 1 to 9 at y 3;
  // bar 3: one diagonal of a central bay, midpoint on the axis but not
  // its own mirror; bar 4: a beam off centre; bar 5: a tie whose ends are
  // at different heights. Node 11 only balances the axis.
  DrawnFrame f({{5, 0}, {5, 3}, {1, 3}, {9, 3}, {4, 0}, {6, 3}, {0, 0}, {10, 0}, {5, 6}, {9, 4}, {1, 8}},
               {{1, 2}, {3, 4}, {5, 6}, {7, 3}, {3, 10}});
  const MirrorPairs m = mirror_pairs(*f.s, f.counts.NNOS, f.counts.NBAR, f.counts.XS);
  ASSERT_FLOAT_EQ(f.counts.XS, 5.0f);
  EXPECT_EQ(m.state,
            (std::vector<MirrorState>{MirrorState::own_mirror, MirrorState::own_mirror, MirrorState::unpaired,
                                      MirrorState::unpaired, MirrorState::unpaired}));
  EXPECT_TRUE(m.pairs.empty());
}

TEST(SupportKind, EveryCodeOtherThanZeroRestrains) {
  EXPECT_EQ(support_kind(0, 0, 0), SupportKind::free);
  EXPECT_EQ(support_kind(1, 1, 1), SupportKind::fixed);
  EXPECT_EQ(support_kind(-1, 2, 0), SupportKind::pinned);
  EXPECT_EQ(support_kind(0, 1, 0), SupportKind::roller);
  EXPECT_EQ(support_kind(7, 0, 0), SupportKind::side_roller);
  EXPECT_EQ(support_kind(0, 1, 1), SupportKind::guided);
  EXPECT_EQ(support_kind(1, 0, 1), SupportKind::side_guided);
  EXPECT_EQ(support_kind(0, 0, 1), SupportKind::rotation_only);
  EXPECT_EQ(support_symbol(SupportKind::free, {1, 2}, 10, true), "");
  // Along x the symbol turns to the side of the node it was asked for.
  EXPECT_NE(support_symbol(SupportKind::side_roller, {1, 2}, 10, true).find("rotate(90)"), std::string::npos);
  EXPECT_NE(support_symbol(SupportKind::side_roller, {1, 2}, 10, false).find("rotate(-90)"),
            std::string::npos);
  EXPECT_EQ(support_symbol(SupportKind::roller, {1, 2}, 10, false).find("rotate"), std::string::npos);
}

TEST(BarForces, TheEnvelopeShowsTheExtremeOfLargerMagnitude) {
  DrawnFrame f(
      {{0, 0}, {1, 0}},
      {{1, 2, 1, 0, 5.0f, -8.0f, 2, 3}, {1, 2, 1, 0, 9.0f, -2.0f, 4, 1}, {1, 2, 1, 0, 6.0f, -6.0f, 2, 3}});
  Store& s = *f.s;
  s.BL5.NCOB = 4;
  s.BL9.BESF_VM(slot(4, 3, 2)) = 1;
  const std::vector<BarForce> forces = bar_forces(s, 3, 0);
  EXPECT_EQ(forces[0].shown, -8.0f);
  EXPECT_EQ(forces[0].combination, 3);
  EXPECT_EQ(forces[1].shown, 9.0f);
  EXPECT_EQ(forces[1].combination, 4);
  EXPECT_EQ(forces[2].shown, 6.0f) << "a tie in magnitude shows the tension";
  EXPECT_EQ((std::vector<bool>{forces[0].bending, forces[1].bending, forces[2].bending}),
            (std::vector<bool>{false, true, false}));
  EXPECT_DOUBLE_EQ(largest_magnitude(forces), 9.0);
}

TEST(BarForces, OneCombinationShowsItsSlot) {
  DrawnFrame f({{0, 0}, {1, 0}}, {{1, 2, 1, 0, 5.0f, -8.0f, 2, 3}, {1, 2, 1, 0, 9.0f, -2.0f, 4, 1}});
  Store& s = *f.s;
  s.BL5.NCOB = 3;
  s.BL9.R_NORMAL(slot(2, 2, 1)) = -3.5f;
  s.BL9.R_NORMAL(slot(2, 2, 2)) = 1.25f;
  s.BL9.BESF_VM(slot(2, 2, 2)) = 1;
  s.BL9.BESF_VM(slot(3, 2, 1)) = 1;  // another combination: not this one
  const std::vector<BarForce> forces = bar_forces(s, 2, 2);
  EXPECT_EQ(forces[0].shown, -3.5f);
  EXPECT_EQ(forces[1].shown, 1.25f);
  EXPECT_EQ(forces[0].combination, 2);
  EXPECT_FALSE(forces[0].bending);
  EXPECT_TRUE(forces[1].bending);
  EXPECT_EQ(forces[0].max, 5.0f) << "the envelope stays known for the hover text";
}

TEST(BarForces, WidthAndColourFollowTheForce) {
  EXPECT_DOUBLE_EQ(force_width(0.0f, 40.0, 1.5, 7.0), 1.5);
  EXPECT_DOUBLE_EQ(force_width(-40.0f, 40.0, 1.5, 7.0), 7.0);
  EXPECT_DOUBLE_EQ(force_width(10.0f, 40.0, 1.0, 5.0), 2.0);
  EXPECT_DOUBLE_EQ(force_width(0.0f, 0.0, 1.5, 7.0), 1.5) << "no force anywhere";
  EXPECT_EQ(force_colour(0.5f), TENSION_COLOUR);
  EXPECT_EQ(force_colour(-0.5f), COMPRESSION_COLOUR);
  EXPECT_EQ(force_colour(0.0f), NO_FORCE_COLOUR);
}

TEST(CharacteristicNodes, RolesOfOneNodeAreJoined) {
  DrawnFrame f({{0, 0}, {0, 5}}, {});
  const CharacteristicNodes c = characteristic_nodes({2, 1, 2, 0, 0}, f.s->BL2, 2);
  ASSERT_EQ(c.marks.size(), 2u);
  EXPECT_EQ(c.marks[0].node, 2);
  EXPECT_EQ(c.marks[0].label, "E/D");
  EXPECT_EQ(c.marks[1].label, "C");
  EXPECT_FALSE(c.mean_point.has_value());
  EXPECT_EQ(c.description, "E node 2, C node 1, D node 2");
}

TEST(CharacteristicNodes, WithoutANodeOnTheAxisTheMeanPointOrNone) {
  DrawnFrame f({{0, 0}, {0, 5}, {8, 5}, {8, 1}}, {});
  const CharacteristicNodes both = characteristic_nodes({2, 0, 3, 1, 4}, f.s->BL2, 4);
  ASSERT_TRUE(both.mean_point.has_value());
  EXPECT_DOUBLE_EQ(both.mean_point->x, 4.0);
  EXPECT_DOUBLE_EQ(both.mean_point->y, 0.5);
  EXPECT_TRUE(both.marks[1].flanking);
  EXPECT_EQ(both.marks[1].label, "");
  const CharacteristicNodes one = characteristic_nodes({2, 0, 3, 0, 4}, f.s->BL2, 4);
  EXPECT_FALSE(one.mean_point.has_value());
  EXPECT_EQ(one.description,
            "E node 2, C half of node 4 (no node on the axis and none on its other side), D node 3");
}

// A line keeps its comma where the list goes on; an item wider than a line
// (a long prefix, a note) breaks at its blanks instead of running past the
// picture's edge, which it did in print.
TEST(Legend, ItemsWrapWithinTheWidthAndNamesLoseTheirPadding) {
  const double ten = text_width("bars 1, 2, 3,", 10.0);
  EXPECT_EQ(wrap_items({"bars 1", "2", "3", "40"}, ten, 10.0),
            (std::vector<std::string>{"bars 1, 2, 3,", "40"}));
  EXPECT_EQ(wrap_items({"in bending: bars 1", "2"}, text_width("in bending:,", 10.0), 10.0),
            (std::vector<std::string>{"in bending:", "bars 1, 2"}));
  EXPECT_EQ(wrap_items({"unbreakable"}, 5.0, 10.0), (std::vector<std::string>{"unbreakable"}));
  EXPECT_TRUE(wrap_items({}, ten, 10.0).empty());
  const std::string note =
      "in bending in some combination (an end moment above |N|/10): 183 bars, too many to list here: they "
      "are "
      "the bars marked in the bending column of the bar_forces table (toval-tools export --format csv)";
  const double width = 600.0;
  const std::vector<std::string> lines = wrap_items({note}, width, 11.0);
  EXPECT_GT(lines.size(), 1u);
  std::string again;
  for (const std::string& line : lines) {
    EXPECT_LE(text_width(line, 11.0), width) << line;
    again += (again.empty() ? "" : " ") + line;
  }
  EXPECT_EQ(again, note);
  EXPECT_EQ(name_field_text(Name<8>::of("AB C").view()), "AB C");
  EXPECT_EQ(name_field_text(Name<4>{}.view()), "");
}

}  // namespace
}  // namespace toval::testing
