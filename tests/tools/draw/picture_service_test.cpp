// The picture as the program offers it to other subcommands' pages: an
// <svg> element to stand inline, its ids kept apart from the page's, and the
// pair list left to the page when it holds one.
#include <gtest/gtest.h>

#include <regex>

#include "tools/cli/loaded_run.h"
#include "tools/draw/drawing_fixture.h"
#include "tools/program.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

class OfferedPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    copy_example(dir);
    run = std::make_unique<tools::cli::LoadedRun>(dir.file("GALPAO.CMB"), dir.file("GALPAO.ESF"));
  }
  TempDir dir;
  std::unique_ptr<tools::cli::LoadedRun> run;
};

TEST_F(OfferedPicture, IsDrawsPictureWithoutTheXmlDeclaration) {
  const tools::cli::Services services = tools::services();
  ASSERT_TRUE(services.page_picture);
  const std::string element = services.page_picture(*run, {});
  EXPECT_EQ(element.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
  // The same picture as draw writes of the same files.
  RunResult r = run_tools(dir.path(), {"draw", dir.file("GALPAO.CMB"), dir.file("GALPAO.ESF")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + element, r.out);
}

TEST_F(OfferedPicture, PrefixesEveryIdAndLeavesThePairListToThePage) {
  tools::cli::PictureRequest request;
  request.combination = 2;
  request.id_prefix = "picture-";
  request.pairs_elsewhere = "mirror pairs: see the table of pairs";
  const std::string element = tools::services().page_picture(*run, request);
  const std::regex id(" id=\"([^\"]*)\"");
  int ids = 0;
  for (auto m = std::sregex_iterator(element.begin(), element.end(), id); m != std::sregex_iterator();
       ++m, ++ids)
    EXPECT_EQ((*m)[1].str().rfind("picture-", 0), 0u) << (*m)[1];
  EXPECT_GT(ids, 20);
  EXPECT_NE(element.find(">mirror pairs: see the table of pairs</text>"), std::string::npos);
  EXPECT_EQ(element.find("\u2194"), std::string::npos) << "no pair listed in the legend";
  EXPECT_NE(element.find("normal force of combination 2 of"), std::string::npos);
}

}  // namespace
}  // namespace toval::testing
