// The picture of small frames whose page positions are worked out by hand,
// read back with a real XML parser.
#include "tools/draw/frame_drawing.h"

#include <gtest/gtest.h>

#include <regex>

#include "support/test_support.h"
#include "tools/draw/drawing_fixture.h"
#include "tools/draw/label_layout.h"

namespace toval::testing {
namespace {

using tools::draw::DrawingSources;
using tools::draw::frame_drawing;

std::string element(const std::string& id) {
  return "//*[@id='" + id + "']";
}

// A portal of two columns and a beam in two halves, symmetric about x = 5,
// with one brace that has no mirror:
//
//   2 ---3--- 5 ---4--- 3        y = 4
//   |       /           |
//   1     5             2        bars
//   |   /               |
//   1                   4        y = 0, x = 0 and 10
//
// Page: the frame box is at most 900 by 560, so the scale is
// min(900 / 10, 560 / 4) = 90 and the frame 900 by 360. The page is
// 900 + 2 * (60 + 20) = 1060 wide, so the frame starts at x = 80. The title
// block's five rows (16, 13, 13, 11, 11 px, each 5 px apart) and 6 px after
// them are 95 px high: the frame's top is 20 + 95 + 60 = 175 and its foot
// 175 + 360 = 535.
DrawnFrame portal() {
  DrawnFrame f({{0, 0, 1, 1, 1}, {0, 4}, {10, 4}, {10, 0, 1, 1, 0}, {5, 4}},
               {{1, 2, 4.0f, 2, -10.0f, -40.0f, 1, 1},
                {4, 3, 4.0f, 1, -10.0f, -40.0f, 1, 1},
                {2, 5, 5.0f, 4, 5.0f, 5.0f, 1, 1},
                {5, 3, 5.0f, 3, 5.0f, 5.0f, 1, 1},
                {1, 5, 6.403f, 0, 20.0f, 0.0f, 1, 1}});
  f.s->BL7.NO_E = 2;
  f.s->BL7.NO_C = 5;
  f.s->BL7.NO_D = 3;
  return f;
}

class PortalPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    DrawnFrame f = portal();
    svg = frame_drawing(*f.s, f.counts, DrawingSources{"P.CMB", "P.ESF"}, 0);
    dir.write("portal.svg", svg);
    path = dir.file("portal.svg");
    ASSERT_TRUE(parses_as_xml(path));
  }
  std::string at(const std::string& expression) const { return xpath(path, expression); }

  TempDir dir;
  std::string svg, path;
};

TEST_F(PortalPicture, IsAStandaloneSvgOfTheComputedSize) {
  EXPECT_EQ(at("string(/*/@version)"), "1.1");
  EXPECT_EQ(at("namespace-uri(/*)"), "http://www.w3.org/2000/svg");
  EXPECT_EQ(at("string(/*/@width)"), "1060");
  EXPECT_EQ(at("substring-before(/*/@viewBox, ' 1060 ')"), "0 0");
}

TEST_F(PortalPicture, NodesStandToScaleWithYUpward) {
  EXPECT_EQ(at("string(" + element("node-1") + "/@cx)"), "80");
  EXPECT_EQ(at("string(" + element("node-1") + "/@cy)"), "535");
  EXPECT_EQ(at("string(" + element("node-3") + "/@cx)"), "980");
  EXPECT_EQ(at("string(" + element("node-3") + "/@cy)"), "175");
  // The brace runs from node 1 to node 5 at (5, 4).
  const std::string brace = element("bar-5") + "/*[@class='member']";
  EXPECT_EQ(
      at("concat(" + brace + "/@x1, ' ', " + brace + "/@y1, ' ', " + brace + "/@x2, ' ', " + brace + "/@y2)"),
      "80 535 530 175");
}

TEST_F(PortalPicture, TheAxisIsDashedAtItsAbscissaAndLabelled) {
  EXPECT_EQ(at("concat(" + element("axis") + "/@x1, ' ', " + element("axis") + "/@x2)"), "530 530");
  EXPECT_NE(at("string(" + element("axis") + "/@stroke-dasharray)"), "");
  EXPECT_EQ(at("string(//*[@class='axis-label'])"), "axis x = 5.0000");
  EXPECT_EQ(at("string(//*[@class='axis-label']/@x)"), "530");
}

TEST_F(PortalPicture, BothBarsOfAPairCarryItsTagAndTheLegendNamesIt) {
  EXPECT_EQ(at("count(//*[@class='pair-tag' and text()='A'])"), "2");
  EXPECT_EQ(at("count(//*[@class='pair-tag' and text()='B'])"), "2");
  EXPECT_NE(at("string(" + element("bar-1") + "/*[local-name()='title'])").find("mirror bar 2 (pair A)"),
            std::string::npos);
  EXPECT_NE(at("string(" + element("bar-2") + "/*[local-name()='title'])").find("mirror bar 1 (pair A)"),
            std::string::npos);
  EXPECT_NE(svg.find("mirror pairs: A 1\u21942, B 3\u21944"), std::string::npos);
}

TEST_F(PortalPicture, TheBarWithoutMirrorIsFlaggedAndNoOtherIs) {
  EXPECT_EQ(at("string(" + element("bar-5") + "/@class)"), "bar tension unpaired");
  EXPECT_EQ(at("count(//*[@class='warning'])"), "1");
  EXPECT_EQ(at("count(" + element("bar-5") + "/*[@class='warning'])"), "1");
  EXPECT_NE(svg.find("no mirror bar: bar 5<"), std::string::npos);
}

TEST_F(PortalPicture, ForcesSetColourAndWidth) {
  // The widest bar carries the largest |N|, 40: 7 px; the brace's 20 gives
  // 1.5 + (7 - 1.5) * 20 / 40 = 4.25.
  const std::string column = element("bar-1") + "/*[@class='member']";
  EXPECT_EQ(at("concat(" + column + "/@stroke, ' ', " + column + "/@stroke-width)"), "#c62828 7");
  const std::string brace = element("bar-5") + "/*[@class='member']";
  EXPECT_EQ(at("concat(" + brace + "/@stroke, ' ', " + brace + "/@stroke-width)"), "#1f5fbf 4.25");
  EXPECT_EQ(at("string(" + element("bar-5") + "/*[local-name()='title'])"),
            "bar 5: nodes 1 to 5, length 6.403\nN max 20.000 (combination 1)\nN min 0.000 (combination 1)\n"
            "NO MIRROR BAR");
}

TEST_F(PortalPicture, SupportsAndCharacteristicNodesSitOnTheirNodes) {
  const std::string supports = element("supports") + "/*[@class='support']";
  EXPECT_EQ(at("count(" + supports + ")"), "2");
  EXPECT_EQ(at("string(" + supports + "[1]/@transform)"), "translate(80 535)");
  EXPECT_EQ(at("string(" + supports + "[2]/@transform)"), "translate(980 535)");
  EXPECT_EQ(at("concat(" + element("mark-node-5") + "/@cx, ' ', " + element("mark-node-5") + "/@cy)"),
            "530 175");
  EXPECT_EQ(at("concat(" + element("mark-node-2") + "/@cx, ' ', " + element("mark-node-2") + "/@cy)"),
            "80 175");
  EXPECT_EQ(at("count(//*[@class='mark'])"), "3");
  EXPECT_NE(svg.find("support: fixed"), std::string::npos);
  EXPECT_NE(svg.find("support: pinned"), std::string::npos);
}

TEST(FramePicture, NoNodeOnTheAxisMarksTheFlankingNodesAndTheirMeanPoint) {
  // Nodes at x = 0, 0, 10, 10: XS = 5, no node on it; the report's C is the
  // mean of nodes 1 and 4, whose mean point (5, 0) lands at (530, 535).
  DrawnFrame f({{0, 0}, {0, 4}, {10, 4}, {10, 0}}, {{1, 2, 4.0f, 3}, {2, 3, 10.0f}, {4, 3, 4.0f, 1}});
  f.s->BL7 = {2, 0, 3, 1, 4};
  TempDir dir;
  dir.write("p.svg", frame_drawing(*f.s, f.counts, {"a", "b"}, 0));
  ASSERT_TRUE(parses_as_xml(dir.file("p.svg")));
  EXPECT_EQ(xpath(dir.file("p.svg"), "string(" + element("mark-node-1") + "/@stroke-dasharray)"), "3 2");
  EXPECT_EQ(xpath(dir.file("p.svg"), "string(" + element("mark-mean") + "/@d)"),
            "M524.8 529.8L535.2 540.2M524.8 540.2L535.2 529.8");
  EXPECT_NE(dir.read("p.svg").find("C the mean of nodes 1 and 4 (no node on the axis)"), std::string::npos);
}

TEST(FramePicture, OneCombinationDrawsItsOwnForcesAndBending) {
  DrawnFrame f = portal();
  Store& s = *f.s;
  s.BL5.NCOB = 2;
  // Combination 2 puts bar 3 in tension 8 and in bending; no other flags.
  for (Whole K = 1; K <= 5; ++K) s.BL9.R_NORMAL(slot(2, 5, K)) = K == 3 ? 8.0f : -1.0f;
  s.BL9.BESF_VM(slot(2, 5, 3)) = 1;
  s.BL9.BESF_VM(slot(1, 5, 1)) = 1;
  TempDir dir;
  dir.write("c2.svg", frame_drawing(s, f.counts, {"a", "b"}, 2));
  dir.write("all.svg", frame_drawing(s, f.counts, {"a", "b"}, 0));
  for (const char* name : {"c2.svg", "all.svg"}) ASSERT_TRUE(parses_as_xml(dir.file(name)));
  EXPECT_EQ(xpath(dir.file("c2.svg"), "string(" + element("bar-3") + "/@class)"), "bar tension bending");
  EXPECT_EQ(xpath(dir.file("c2.svg"), "string(" + element("bar-1") + "/@class)"), "bar compression");
  EXPECT_EQ(xpath(dir.file("c2.svg"), "string(" + element("bar-3") + "/*[@class='member']/@stroke-width)"),
            "7");
  EXPECT_NE(dir.read("c2.svg").find("normal force of combination 2 of 2"), std::string::npos);
  // The envelope marks a bar in bending in any combination.
  EXPECT_EQ(xpath(dir.file("all.svg"), "count(//*[@class='bending'])"), "2");
}

TEST(FramePicture, TitlesAndNamesOfAnyBytesGiveValidXml) {
  DrawnFrame f = portal();
  f.s->BL1.PRJT = Name<40>::of("A&B <x> \"q\" 'a'\x01\x7f \xe9 \xc3\xa9 \xff\xfe");
  f.s->BL1.CLIT = Name<40>{};  // never read: zero bytes
  TempDir dir;
  dir.write("t.svg", frame_drawing(*f.s, f.counts, {"dir/&<>.CMB", std::string("\x80\x1b[1m.ESF")}, 0));
  ASSERT_TRUE(parses_as_xml(dir.file("t.svg")));
  EXPECT_EQ(xpath(dir.file("t.svg"), "string(/*/*[local-name()='title'])"),
            "A&B <x> \"q\" 'a' \u00e9 \u00e9 \u00ff\u00fe");
  EXPECT_NE(xpath(dir.file("t.svg"), "string(" + element("title-block") + ")").find("dir/&<>.CMB"),
            std::string::npos);
}

TEST(FramePicture, ABarNamingANodeTheListingNeverGaveIsListedNotDrawn) {
  // The bar section may name node 7 of a listing of 3 nodes; the steps then
  // read a node of zero coordinates that the picture has no place for.
  DrawnFrame f({{0, 0}, {0, 4}, {6, 4}}, {{1, 2}, {2, 7}, {2, 3}});
  TempDir dir;
  dir.write("p.svg", frame_drawing(*f.s, f.counts, {"a", "b"}, 0));
  ASSERT_TRUE(parses_as_xml(dir.file("p.svg")));
  EXPECT_EQ(xpath(dir.file("p.svg"), "count(" + element("bars") + "/*)"), "2");
  EXPECT_EQ(xpath(dir.file("p.svg"), "count(" + element("bar-2") + ")"), "0");
  EXPECT_NE(dir.read("p.svg").find("not drawn, naming a node beyond the 3 of the listing: bar 2<"),
            std::string::npos);
}

// The label texts as written: class, x, baseline, size, anchor and text.
struct Label {
  std::string cls;
  double x, y, size;
  std::string anchor, text;
};

std::vector<Label> labels_of(const std::string& svg) {
  static const std::regex text(
      "<text class=\"([a-z-]+)\" x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" font-size=\"([0-9.]+)\""
      "(?: text-anchor=\"([a-z]+)\")?[^>]*>([^<]*)</text>");
  std::vector<Label> out;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    out.push_back(
        {m[1], std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5].matched ? m[5].str() : "start", m[6]});
  }
  return out;
}

TEST(FramePicture, FiveHundredNodesKeepReadableLabelsThatNeverOverlap) {
  // A grid 25 nodes wide and 20 high, its 475 columns, the 24 beams of
  // its second row and one of its first: 500 nodes, 500 bars.
  std::vector<DrawnNode> nodes;
  for (int row = 0; row < 20; ++row)
    for (int col = 0; col < 25; ++col) nodes.push_back({static_cast<Real>(col), static_cast<Real>(row)});
  std::vector<DrawnBar> bars;
  for (int row = 0; row < 19; ++row)
    for (int col = 0; col < 25; ++col)
      bars.push_back({static_cast<Whole>(row * 25 + col + 1), static_cast<Whole>((row + 1) * 25 + col + 1)});
  for (int col = 0; col < 24; ++col)
    bars.push_back({static_cast<Whole>(25 + col + 1), static_cast<Whole>(25 + col + 2)});
  bars.push_back({1, 2});
  ASSERT_EQ(bars.size(), 500u);
  DrawnFrame f(nodes, bars);
  const std::string svg = frame_drawing(*f.s, f.counts, {"a", "b"}, 0);
  TempDir dir;
  dir.write("grid.svg", svg);
  ASSERT_TRUE(parses_as_xml(dir.file("grid.svg")));

  const std::vector<Label> labels = labels_of(svg.substr(svg.find("<g id=\"labels\"")));
  std::size_t node_numbers = 0, bar_numbers = 0;
  for (const Label& l : labels) {
    EXPECT_GE(l.size, 7.0) << l.text;
    EXPECT_LT(l.size, 12.0) << "a crowded frame has smaller numbers";
    node_numbers += l.cls == "node-number";
    bar_numbers += l.cls == "bar-number";
  }
  // Thinned, but not to nothing.
  EXPECT_LT(node_numbers + bar_numbers, 1000u);
  EXPECT_GT(node_numbers, 100u);
  EXPECT_GT(bar_numbers, 20u);

  // Glyph boxes by the layout's own estimate; two labels may touch, never overlap.
  std::vector<tools::draw::Box> boxes;
  for (const Label& l : labels) {
    const tools::draw::Anchor a = l.anchor == "middle" ? tools::draw::Anchor::middle
                                  : l.anchor == "end"  ? tools::draw::Anchor::end
                                                       : tools::draw::Anchor::start;
    boxes.push_back(
        tools::draw::text_box(l.x, l.y, l.text, l.size, a, l.cls == "pair-tag" || l.cls == "mark"));
  }
  for (std::size_t i = 0; i < boxes.size(); ++i)
    for (std::size_t j = i + 1; j < boxes.size(); ++j)
      ASSERT_FALSE(boxes[i].overlaps(boxes[j])) << labels[i].text << " and " << labels[j].text;
}

}  // namespace
}  // namespace toval::testing
