// The picture as a page prints it: laid out for the printed width, no text
// under 2 mm on paper, every text (the legend's last row included) inside
// the picture and the picture inside the printed box; its words in the
// language asked for, through the page's request and through draw --lang.
#include <gtest/gtest.h>

#include <regex>

#include "support/test_support.h"
#include "tools/cli/loaded_run.h"
#include "tools/frame_files.h"
#include "tools/program.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

constexpr double WIDTH_MM = 277.0, HEIGHT_MM = 150.0;

std::string printed(const Frame& f, tools::cli::Language language) {
  TempDir dir;
  dir.write("F.CMB", joined(combination_lines(f)));
  dir.write("F.FRC", joined(forces_lines(f)));
  const tools::cli::LoadedRun run(dir.file("F.CMB"), dir.file("F.FRC"));
  tools::cli::PictureRequest request;
  request.language = language;
  request.print_width_mm = WIDTH_MM;
  request.print_height_mm = HEIGHT_MM;
  return tools::services().page_picture(run, request);
}

double attribute(const std::string& svg, const std::string& name) {
  std::smatch m;
  EXPECT_TRUE(std::regex_search(svg, m, std::regex(" " + name + "=\"([0-9.]+)\"")));
  return m.empty() ? 0.0 : std::stod(m[1]);
}

// Tall, wide, a truss and a frame with long legend lists: each printed
// picture is 1000 units across the printed width, with every text at least
// 2 mm high there and inside the picture, and the picture within the box.
TEST(PrintedPicture, KeepsItsTextReadableAndInsideThePrintedBox) {
  const double units_per_mm = 1000.0 / WIDTH_MM;
  const std::regex text("<text[^>]* x=\"([-0-9.]+)\" y=\"([-0-9.]+)\"[^>]* font-size=\"([0-9.]+)\"");
  const std::regex swatch_text("<text x=\"[-0-9.]+\" y=\"@?[-0-9.]*\" dy=\"4\" font-size=\"([0-9.]+)\"");
  for (const auto& [name, frame] :
       std::vector<std::pair<std::string, Frame>>{{"tall", multi_storey(2, 12)},
                                                  {"wide", multi_storey(12, 2)},
                                                  {"truss", roof_truss(6)},
                                                  {"grid", multi_storey(9, 9)},
                                                  {"beam", continuous_beam(30)}}) {
    SCOPED_TRACE(name);
    const std::string svg = printed(frame, tools::cli::Language::pt);
    const double width = attribute(svg, "width"), height = attribute(svg, "height");
    EXPECT_EQ(width, 1000.0);
    EXPECT_LE(height, HEIGHT_MM * units_per_mm);
    int texts = 0;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator(); ++it) {
      const double x = std::stod((*it)[1]), y = std::stod((*it)[2]), size = std::stod((*it)[3]);
      EXPECT_GE(size / units_per_mm, 2.0) << it->str();
      EXPECT_TRUE(x >= 0.0 && x <= width && y - size >= 0.0 && y <= height) << it->str();
      ++texts;
    }
    EXPECT_GT(texts, 20);
    EXPECT_NE(svg.find(">apoio: "), std::string::npos) << "the legend's last row";
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), swatch_text); it != std::sregex_iterator();
         ++it)
      EXPECT_GE(std::stod((*it)[1]) / units_per_mm, 2.0);
  }
}

TEST(PrintedPicture, SpeaksTheLanguageAskedFor) {
  const std::string pt = printed(portal(), tools::cli::Language::pt);
  const std::string en = printed(portal(), tools::cli::Language::en);
  for (const char* word :
       {">tração (N &gt; 0)<", ">eixo de simetria: x = ", ">apoio: engaste<", ">eixo x = "})
    EXPECT_NE(pt.find(word), std::string::npos) << word;
  for (const char* word : {"tension (", "symmetry axis", "support:", "combination", " bars"})
    EXPECT_EQ(pt.find(word), std::string::npos) << word;
  for (const char* word : {">tension (N &gt; 0)<", ">symmetry axis: x = ", ">support: fixed<", ">axis x = "})
    EXPECT_NE(en.find(word), std::string::npos) << word;
}

TEST(DrawCommand, TakesTheLanguageOfItsWordsEnglishUnlessAsked) {
  TempDir dir;
  copy_example(dir);
  const RunResult plain = run_tools(dir.path(), {"draw", "GALPAO.CMB", "GALPAO.ESF"});
  const RunResult en = run_tools(dir.path(), {"draw", "--lang", "en", "GALPAO.CMB", "GALPAO.ESF"});
  const RunResult pt =
      run_tools(dir.path(), {"draw", "--lang=pt", "--combination", "2", "GALPAO.CMB", "GALPAO.ESF"});
  const RunResult bad = run_tools(dir.path(), {"draw", "--lang", "de", "GALPAO.CMB", "GALPAO.ESF"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(en.out, plain.out);
  ASSERT_EQ(pt.status, 0) << pt.err;
  EXPECT_NE(pt.out.find(">esforço normal da combinação 2 de "), std::string::npos);
  EXPECT_NE(pt.out.find("<title>barra 1: nós "), std::string::npos) << "hover texts too";
  EXPECT_EQ(pt.out.find("tension ("), std::string::npos);
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--lang"), std::string::npos);
}

}  // namespace
}  // namespace toval::testing
