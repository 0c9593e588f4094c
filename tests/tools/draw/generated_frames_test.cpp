// The labels of generated frames, read back from the picture: on a frame of
// 20 bars or fewer every bar and node has its number and every mirror bar
// its tag; no two labels overlap and none lies on a bar; tags go on past Z
// without the letters of the marks; a pair list too long for the legend is
// counted and pointed to instead.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>

#include "support/test_support.h"
#include "tools/cli/loaded_run.h"
#include "tools/draw/drawing_fixture.h"
#include "tools/draw/frame_drawing.h"
#include "tools/draw/label_layout.h"
#include "tools/frame_files.h"

namespace toval::testing {
namespace {

struct Drawn {
  std::string svg;
  Whole NNOS = 0, NBAR = 0;
  int pairs = 0;
};

Drawn draw(const Frame& f) {
  TempDir dir;
  dir.write("F.CMB", joined(combination_lines(f)));
  dir.write("F.FRC", joined(forces_lines(f)));
  const tools::cli::LoadedRun run(dir.file("F.CMB"), dir.file("F.FRC"));
  Drawn d{tools::draw::frame_drawing(run.store(), run.counts(), {"F.CMB", "F.FRC"}, 0), run.counts().NNOS,
          run.counts().NBAR, 0};
  for (Whole K = 1; K <= d.NBAR; ++K) d.pairs += run.store().BL6.BAR_SIM(K) > K;
  return d;
}

struct Label {
  std::string cls, text;
  tools::draw::Box box;
};

std::vector<Label> labels_of(const std::string& svg) {
  static const std::regex text(
      "<text class=\"([a-z-]+)\" x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" font-size=\"([0-9.]+)\""
      "(?: text-anchor=\"([a-z]+)\")?([^>]*)>([^<]*)</text>");
  std::vector<Label> out;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    const tools::draw::Anchor anchor = m[5] == "middle" ? tools::draw::Anchor::middle
                                       : m[5] == "end"  ? tools::draw::Anchor::end
                                                        : tools::draw::Anchor::start;
    const bool bold = m[6].str().find("font-weight=\"bold\"") != std::string::npos;
    out.push_back(
        {m[1], m[7],
         tools::draw::text_box(std::stod(m[2]), std::stod(m[3]), m[7].str(), std::stod(m[4]), anchor, bold)});
  }
  return out;
}

struct Stroke {
  double x1, y1, x2, y2, half;
};

std::vector<Stroke> strokes_of(const std::string& svg) {
  static const std::regex member(
      "<line class=\"(?:member|bending)\" x1=\"([-0-9.]+)\" y1=\"([-0-9.]+)\" x2=\"([-0-9.]+)\" "
      "y2=\"([-0-9.]+)\" "
      "stroke=\"[^\"]*\" stroke-width=\"([0-9.]+)\"");
  std::vector<Stroke> out;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), member); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    out.push_back(
        {std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), std::stod(m[5]) / 2.0});
  }
  return out;
}

// The nearest distance from the stroke's centre line to the box.
double distance(const Stroke& s, const tools::draw::Box& b) {
  double nearest = 1e300;
  for (int k = 0; k <= 200; ++k) {
    const double t = k / 200.0, x = s.x1 + t * (s.x2 - s.x1), y = s.y1 + t * (s.y2 - s.y1);
    nearest = std::min(nearest, std::hypot(std::max({b.left - x, 0.0, x - b.right}),
                                           std::max({b.top - y, 0.0, y - b.bottom})));
  }
  return nearest;
}

void expect_clear_labels(const std::string& name, const std::string& svg) {
  const std::vector<Label> labels = labels_of(svg.substr(svg.find("<g id=\"labels\"")));
  const std::vector<Stroke> strokes = strokes_of(svg);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    for (std::size_t j = i + 1; j < labels.size(); ++j)
      EXPECT_FALSE(labels[i].box.overlaps(labels[j].box))
          << name << ": " << labels[i].text << " and " << labels[j].text << " overlap";
    for (const Stroke& s : strokes)
      EXPECT_GE(distance(s, labels[i].box), s.half) << name << ": " << labels[i].text << " lies on a bar";
  }
}

std::map<std::string, std::multiset<std::string>> texts_by_class(const std::string& svg) {
  std::map<std::string, std::multiset<std::string>> out;
  for (const Label& l : labels_of(svg.substr(svg.find("<g id=\"labels\"")))) out[l.cls].insert(l.text);
  return out;
}

std::vector<std::pair<std::string, Frame>> small_frames() {
  std::vector<std::pair<std::string, Frame>> frames = {{"portal", portal()}, {"gable", gable()}};
  for (int panels = 1; panels <= 3; ++panels)
    frames.push_back({"roof truss " + std::to_string(panels), roof_truss(panels)});
  for (int panels : {2, 4}) frames.push_back({"truss " + std::to_string(panels), truss(panels)});
  for (int bays = 1; bays <= 3; ++bays)
    for (int storeys = 1; storeys * (2 * bays + 1) <= 20; ++storeys)
      frames.push_back(
          {"grid " + std::to_string(bays) + "x" + std::to_string(storeys), multi_storey(bays, storeys)});
  return frames;
}

TEST(GeneratedFrames, ASmallFrameShowsEveryNumberAndTagWithoutOverlap) {
  for (const auto& [name, frame] : small_frames()) {
    const Drawn d = draw(frame);
    ASSERT_LE(d.NBAR, 20) << name;
    auto texts = texts_by_class(d.svg);
    for (Whole K = 1; K <= d.NBAR; ++K)
      EXPECT_EQ(texts["bar-number"].count(std::to_string(K)), 1u) << name << " bar " << K;
    for (Whole K = 1; K <= d.NNOS; ++K)
      EXPECT_EQ(texts["node-number"].count(std::to_string(K)), 1u) << name << " node " << K;
    EXPECT_EQ(texts["pair-tag"].size(), 2u * static_cast<std::size_t>(d.pairs)) << name;
    expect_clear_labels(name, d.svg);
  }
}

TEST(GeneratedFrames, TagsGoOnPastZWithoutTheMarksLetters) {
  // Three bays, twelve storeys: per level the outer columns, the inner
  // columns and the outer beams pair, 36 pairs in all.
  const Drawn d = draw(multi_storey(3, 12));
  ASSERT_EQ(d.pairs, 36);
  auto texts = texts_by_class(d.svg);
  EXPECT_EQ(texts["pair-tag"].size(), 72u) << "every bar of a pair tagged";
  for (const std::string& tag : texts["pair-tag"])
    EXPECT_EQ(tag.find_first_of("CDE"), std::string::npos) << tag;
  EXPECT_EQ(texts["pair-tag"].count("Z"), 2u);
  EXPECT_EQ(texts["pair-tag"].count("AA"), 2u);
  EXPECT_EQ(texts["pair-tag"].count("AP"), 2u) << "the 36th pair";
  EXPECT_NE(d.svg.find(", AP "), std::string::npos) << "the legend lists it";
  expect_clear_labels("grid 3x12", d.svg);
}

TEST(GeneratedFrames, APairListTooLongForTheLegendIsCountedAndPointedTo) {
  // Eight bays, twelve storeys: 8 pairs a level, 96 in all.
  const Drawn d = draw(multi_storey(8, 12));
  ASSERT_EQ(d.pairs, 96);
  // The legend's rows as read, a long row's lines joined.
  std::string legend;
  const std::regex row("<text x=\"[^\"]*\" y=\"[^\"]*\" font-size=\"11\">([^<]*)</text>");
  for (std::sregex_iterator m(d.svg.begin(), d.svg.end(), row), end; m != end; ++m)
    legend += (*m)[1].str() + " ";
  EXPECT_NE(legend.find("mirror pairs: 96 pairs, too many to list here: the mirror column of the bars table"),
            std::string::npos)
      << legend;
  EXPECT_EQ(d.svg.find("\u2194"), std::string::npos) << "no pair listed";
  // The bars in bending, 204 numbers, fit the longest list's lines, wrapped
  // by their measured width.
  EXPECT_NE(legend.find("(an end moment above |N|/10): bars 1, 2, 3, "), std::string::npos) << legend;
  EXPECT_NE(legend.find(", 203, 204 no mirror bar"), std::string::npos) << legend;
  expect_clear_labels("grid 8x12", d.svg);
}

}  // namespace
}  // namespace toval::testing
