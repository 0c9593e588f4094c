// draw over combinations that have sets: the envelope drawn is the one of
// the set asked for (the ultimate set by default), every bar's extremes are
// those of the set's envelope in the export, and the title says which set.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <regex>

#include "tools/frame_files.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

using Json = nlohmann::json;

class DrawnSets : public ::testing::Test {
 protected:
  void SetUp() override {
    rules_ = read_file(std::string(TOVAL_SOURCE_DIR) + "/examples/portal-rules.toml");
    dir_.write("portal-rules.toml", rules_);
    Frame f = portal();
    f.cases = {"G1", "G2", "Q", "W1", "W2"};
    dir_.write("P.ESF", joined(forces_lines(f)));
  }
  RunResult draw(std::vector<std::string> args, const std::string& rules = "portal-rules.toml") {
    args.insert(args.begin(), "draw");
    args.insert(args.end(), {rules, "P.ESF"});
    return run_tools(dir_.path(), args);
  }
  TempDir dir_;
  std::string rules_;
};

std::string fixed3(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", v);
  return buf;
}

// The bars' "N max V (combination I)" and "N min ..." lines of the hover
// texts, in bar order.
std::vector<std::string> extreme_lines(const std::string& svg) {
  const std::regex line("N (max|min) [-0-9.]+ \\(combination [0-9]+\\)");
  std::vector<std::string> found;
  for (auto m = std::sregex_iterator(svg.begin(), svg.end(), line); m != std::sregex_iterator(); ++m)
    found.push_back(m->str());
  return found;
}

TEST_F(DrawnSets, EachSetsPictureShowsThatSetsEnvelopeAndSaysSo) {
  RunResult exported = run_tools(dir_.path(), {"export", "portal-rules.toml", "P.ESF"});
  ASSERT_EQ(exported.status, 0) << exported.err;
  const Json doc = Json::parse(exported.out);
  const RunResult by_default = draw({});
  ASSERT_EQ(by_default.status, 0) << by_default.err;
  EXPECT_EQ(by_default.out, draw({"--set", "uls"}).out);

  const std::string names[] = {"the ultimate set (uls), 32 of 48",
                               "the characteristic serviceability set (sls_characteristic), 8 of 48",
                               "the frequent serviceability set (sls_frequent), 6 of 48",
                               "the quasi-permanent serviceability set (sls_quasi_permanent), 2 of 48"};
  std::vector<std::string> pictures;
  for (std::size_t s = 0; s < 4; ++s) {
    const Json& e = doc["set_envelopes"][s];
    const RunResult r = draw({"--set", e["set"].get<std::string>()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("envelope of " + names[s] + " combinations"), std::string::npos) << names[s];
    std::vector<std::string> expected;
    for (const Json& bar : e["envelope"])
      for (const char* end : {"max", "min"})
        expected.push_back(std::string("N ") + end + " " + fixed3(bar["N"][end].get<double>()) +
                           " (combination " +
                           std::to_string(bar["N"][std::string(end) + "_combination"].get<long>()) + ")");
    EXPECT_EQ(extreme_lines(r.out), expected) << e["set"];
    pictures.push_back(r.out);
  }
  EXPECT_NE(pictures[0], pictures[1]);
  EXPECT_NE(pictures[2], pictures[3]);
}

TEST_F(DrawnSets, WithoutAnUltimateSetEveryCombinationIsDrawnAndAnAbsentSetIsAUsageError) {
  std::string rules = rules_;
  const std::size_t from = rules.find("sets = ");
  rules.replace(from, rules.find('\n', from) - from, "sets = [\"sls_characteristic\", \"sls_frequent\"]");
  dir_.write("SLS.toml", rules);
  const RunResult r = draw({}, "SLS.toml");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("envelope over all combinations (14), of every set together"), std::string::npos);
  EXPECT_NE(r.out, draw({"--set", "sls_frequent"}, "SLS.toml").out);

  for (const char* key : {"uls", "ULS", "sls", ""}) {
    const RunResult bad = draw({"--set", key}, "SLS.toml");
    EXPECT_EQ(bad.status, 2) << key;
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("for --set: the combinations' sets are sls_characteristic, sls_frequent\n"),
              std::string::npos)
        << bad.err;
  }
}

}  // namespace
}  // namespace toval::testing
