// `toval-tools draw` run as a user would: the example's picture as it is
// committed, rendered by a real SVG renderer, and the errors it shares
// with the other subcommands.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "tools/draw/drawing_fixture.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

const std::string USAGE_LINE =
    "usage: toval-tools draw [-o FILE.svg] [--combination I | --set KEY] [--lang pt|en] "
    "[--units FORCE,LENGTH] COMBINATION_FILE FORCES_FILE\n";

std::string source(const std::string& relative) {
  return std::string(TOVAL_SOURCE_DIR) + "/" + relative;
}

TEST(DrawCommand, WritesTheCommittedPictureOfTheExample) {
  // Run where the example lives, with the names that the title block shows.
  TempDir out;
  RunResult r = run_tools(source("examples"), {"draw", "GALPAO.CMB", "GALPAO.ESF"}, out.file("galpao.svg"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(parses_as_xml(out.file("galpao.svg")));
  EXPECT_EQ(out.read("galpao.svg"), read_file(source("docs/galpao.svg")))
      << "docs/galpao.svg is out of date: in examples/, run toval-tools draw GALPAO.CMB GALPAO.ESF";
}

// A portal 6 wide and 3 high, its columns paired, its beam on the axis x = 3,
// no node on the axis, pinned feet; one case (N -2, 3, -2; the beam and the
// right column above the bending threshold, the left column exactly at it).
// Worked by hand: scale min(900 / 6, 560 / 3) = 150, page 1060 wide, frame
// from (80, 175) to (980, 625), axis at 530 from 139 to 661; numbers 12 px
// (half the median bar of 450 px, at most 12); widths 7 for |N| = 3 and
// 1.5 + 5.5 * 2 / 3 = 5.17 for the columns; supports 1.8 * 12 = 21.6 high;
// legend rows 18 px apart from 695 + 9, ten of them, page 875 + 20 high.
// Labels centred beside the bars' midpoints (y 400 on the columns), 0.2 em
// beyond the stroke: bar 1's "1" at 80 + 5.17 / 2 + 1 + 2.4 + 0.637 * 6 =
// 89.81 and its bold tag "A" (0.774 em) left at 69.37; the right column's
// black outline (8.17) puts its "3" at 991.31; the beam's "2" above it at
// 175 - 6 - 2.4 - 6 = 160.6; baselines 0.28 em below the centre.
TEST(DrawCommand, ASmallPortalIsDrawnByteForByteAsWorkedByHand) {
  TempDir dir;
  const std::string data = source("tests/tools/data/small_portal/");
  for (const char* name : {"LIM.CMB", "LIM.ESF"}) dir.write(name, read_file(data + name));
  RunResult r = run_tools(dir.path(), {"draw", "LIM.CMB", "LIM.ESF"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, read_file(data + "expected.svg"));
  dir.write("out.svg", r.out);
  EXPECT_TRUE(parses_as_xml(dir.file("out.svg")));
}

TEST(DrawCommand, TheExampleRendersToAPictureThatIsNotBlank) {
  TempDir dir;
  const std::string png = dir.file("galpao.png");
  const std::string render = "rsvg-convert -z 0.5 -o '" + png + "' '" + source("docs/galpao.svg") + "'";
  ASSERT_EQ(std::system(render.c_str()), 0);
  const std::string count = "python3 '" + source("tests/tools/data/png_colours.py") + "' '" + png + "' > '" +
                            dir.file("colours") + "'";
  ASSERT_EQ(std::system(count.c_str()), 0);
  std::istringstream in(dir.read("colours"));
  long width = 0, height = 0, colours = 0;
  in >> width >> height >> colours;
  EXPECT_EQ(width, 530);
  EXPECT_GT(height, 300);
  EXPECT_GT(colours, 8) << "white, black, the two force colours, the marks and the warning at least";
}

TEST(DrawCommand, OneCombinationAndTheFileOutputAreValidPictures) {
  TempDir dir;
  copy_example(dir);
  RunResult all = run_tools(dir.path(), {"draw", "-o", "all.svg", "GALPAO.CMB", "GALPAO.ESF"});
  RunResult two =
      run_tools(dir.path(), {"draw", "--combination", "2", "--output=two.svg", "GALPAO.CMB", "GALPAO.ESF"});
  RunResult four = run_tools(dir.path(), {"draw", "--combination=4", "GALPAO.CMB", "GALPAO.ESF"});
  for (const RunResult* r : {&all, &two, &four}) {
    EXPECT_EQ(r->status, 0) << r->err;
    EXPECT_EQ(r->err, "");
  }
  EXPECT_EQ(all.out, "");
  EXPECT_EQ(dir.read("all.svg"), read_file(source("docs/galpao.svg")));
  dir.write("four.svg", four.out);
  for (const char* name : {"all.svg", "two.svg", "four.svg"})
    EXPECT_TRUE(parses_as_xml(dir.file(name))) << name;
  EXPECT_NE(dir.read("two.svg").find("normal force of combination 2 of 4"), std::string::npos);
  EXPECT_NE(dir.read("two.svg"), dir.read("four.svg"));
  EXPECT_EQ(directory_names(dir.path()),
            (std::vector<std::string>{"GALPAO.CMB", "GALPAO.ESF", "all.svg", "four.svg", "two.svg"}));
}

TEST(DrawCommand, UsageErrorsNameTheArgumentAndShowTheUsage) {
  TempDir dir;
  copy_example(dir);
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"draw", "--combination", "0", "GALPAO.CMB", "GALPAO.ESF"},
       "'0' for --combination: the combinations are 1 to 4"},
      {{"draw", "--combination", "5", "GALPAO.CMB", "GALPAO.ESF"},
       "'5' for --combination: the combinations are 1 to 4"},
      {{"draw", "--combination", "2x", "GALPAO.CMB", "GALPAO.ESF"}, "'2x' for --combination"},
      {{"draw", "--combination=-1", "GALPAO.CMB", "GALPAO.ESF"}, "'-1' for --combination"},
      {{"draw", "--combination", "99999999999999999999", "GALPAO.CMB", "GALPAO.ESF"},
       "'99999999999999999999'"},
      {{"draw", "GALPAO.CMB", "GALPAO.ESF", "--combination"}, "--combination"},
      {{"draw", "--colour", "red", "GALPAO.CMB", "GALPAO.ESF"}, "--colour"},
      {{"draw", "GALPAO.CMB"}, "FORCES_FILE"},
      {{"draw", "GALPAO.CMB", "GALPAO.ESF", "third.svg"}, "third.svg"},
      {{"draw", "--set", "uls", "GALPAO.CMB", "GALPAO.ESF"},
       "'uls' for --set: the combinations have no sets"},
      {{"draw", "--set", "uls", "--combination", "1", "GALPAO.CMB", "GALPAO.ESF"},
       "--set and --combination cannot be given together"},
  };
  for (const auto& [args, named] : cases) {
    RunResult r = run_tools(dir.path(), args);
    EXPECT_EQ(r.status, 2) << named;
    EXPECT_EQ(r.out, "") << named;
    EXPECT_EQ(r.err.rfind("toval-tools: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    EXPECT_TRUE(r.err.ends_with("\n" + USAGE_LINE)) << r.err;
  }
  RunResult help = run_tools(dir.path(), {"help", "draw"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind(USAGE_LINE, 0), 0u);
  EXPECT_NE(help.out.find("--combination I"), std::string::npos);
  EXPECT_EQ(run_tools(dir.path(), {"draw", "--help"}).out, help.out);
  EXPECT_EQ(directory_names(dir.path()), (std::vector<std::string>{"GALPAO.CMB", "GALPAO.ESF"}));
}

TEST(DrawCommand, AnInputAsOutputIsRefusedAndAFailedRunKeepsTheOldPicture) {
  TempDir dir;
  copy_example(dir);
  const std::string combination = dir.read("GALPAO.CMB");
  RunResult over = run_tools(dir.path(), {"draw", "-o", "GALPAO.CMB", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(over.status, 1);
  EXPECT_EQ(over.out, "");
  EXPECT_NE(over.err.find("run-time error F6522: OPEN(GALPAO.CMB)"), std::string::npos) << over.err;
  EXPECT_EQ(dir.read("GALPAO.CMB"), combination);

  const std::string forces = dir.read("GALPAO.ESF");
  dir.write("CUT.ESF", forces.substr(0, forces.size() / 2));
  dir.write("frame.svg", "the last good picture\n");
  RunResult cut = run_tools(dir.path(), {"draw", "-o", "frame.svg", "GALPAO.CMB", "CUT.ESF"});
  EXPECT_EQ(cut.status, 1);
  EXPECT_EQ(cut.out, "");
  EXPECT_EQ(cut.err.rfind("\nrun-time error F65", 0), 0u) << cut.err;
  EXPECT_EQ(dir.read("frame.svg"), "the last good picture\n");
  // A combination out of range is found only once the run is read: the old
  // picture stays as well.
  RunResult range =
      run_tools(dir.path(), {"draw", "--combination", "7", "-o", "frame.svg", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(range.status, 2);
  EXPECT_EQ(dir.read("frame.svg"), "the last good picture\n");
  RunResult missing = run_tools(dir.path(), {"draw", "-o", "frame.svg", "NONE.CMB", "GALPAO.ESF"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("OPEN(NONE.CMB)"), std::string::npos) << missing.err;
  EXPECT_EQ(directory_names(dir.path()),
            (std::vector<std::string>{"CUT.ESF", "GALPAO.CMB", "GALPAO.ESF", "frame.svg"}));
}

}  // namespace
}  // namespace toval::testing
