// --units: what it takes, and where the units then stand (the JSON's units,
// the CSV headers, the page's headings, the picture's legend). The values
// themselves never change.
#include "tools/cli/units.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tools/tools_process.h"

namespace toval::testing {
namespace {

using Json = nlohmann::ordered_json;

TEST(Units, TwoNamesOrNone) {
  const std::optional<tools::cli::Units> u = tools::cli::parse_units("kN,m");
  ASSERT_TRUE(u);
  EXPECT_EQ(tools::cli::unit_text(u, tools::cli::Quantity::moment), "kN\u00b7m");
  EXPECT_EQ(tools::cli::unit_text(u, tools::cli::Quantity::rotation), "rad");
  EXPECT_EQ(tools::cli::with_unit("N", u, tools::cli::Quantity::force), "N (kN)");
  EXPECT_EQ(tools::cli::with_unit("N", std::nullopt, tools::cli::Quantity::force), "N");
  // A Latin-1 byte becomes its UTF-8 character, as input files' bytes do.
  EXPECT_EQ(tools::cli::parse_units("tf,\xb5m")->length, "\u00b5m");
  for (const char* bad : {"kN", "kN,", ",m", "kN,m,s", " kN,m", "kN,m ", "kN,\tm", ""})
    EXPECT_FALSE(tools::cli::parse_units(bad)) << bad;
}

TEST(Units, NamedInTheJsonTheCsvHeadersThePageAndThePicture) {
  TempDir dir;
  copy_example(dir);
  const std::vector<std::string> inputs{"GALPAO.CMB", "GALPAO.ESF"};
  const auto run = [&](std::vector<std::string> args) {
    args.insert(args.end(), inputs.begin(), inputs.end());
    return run_tools(dir.path(), args);
  };
  RunResult json = run({"export", "--units", "kN,m"});
  ASSERT_EQ(json.status, 0) << json.err;
  const Json doc = Json::parse(json.out);
  EXPECT_EQ(doc["units"], Json::parse(R"({"force": "kN", "length": "m"})"));
  // The values are those of a run without units.
  EXPECT_EQ(doc["envelope"], Json::parse(run({"export"}).out)["envelope"]);

  const auto header = [&](const char* table) {
    const std::string out = run({"export", "--format", "csv", "--units", "kN,m", "--table", table}).out;
    return out.substr(0, out.find("\r\n"));
  };
  EXPECT_EQ(header("case_bar_forces"),
            "case,bar,N_start (kN),N_end (kN),V_start (kN),V_end (kN),M_start (kN\u00b7m),M_end (kN\u00b7m)");
  EXPECT_EQ(header("node_displacement_envelope").substr(0, 45),
            "node,dx_max (m),dx_max_combination,dx_min (m)");
  EXPECT_EQ(header("reactions"), "case,node,reaction_1 (kN),reaction_2 (kN),reaction_3 (kN\u00b7m)");
  EXPECT_EQ(header("nodes"), "node,x (m),y (m),restraint_1,restraint_2,restraint_3");
  EXPECT_EQ(header("displacements").substr(0, 40), "case,left_dx (m),left_dy (m),left_dz (ra");
  EXPECT_EQ(header("pairs"),
            "lower_bar,higher_bar,max (kN),max_bar,max_combination,min (kN),min_bar,min_combination");
  // Each set's envelope as the envelope over all (it once named no unit).
  EXPECT_EQ(header("set_envelopes").substr(0, 50), "set,bar,N_max (kN),N_max_combination,N_min (kN),N_");

  const std::string page = run({"report", "--lang", "en", "--units", "kN,m"}).out;
  EXPECT_NE(page.find(">Mi (kN\u00b7m)</th>"), std::string::npos);
  EXPECT_NE(page.find(">RZ (rad)</th>"), std::string::npos);
  EXPECT_NE(page.find(">REACTION 1 (kN)</th>"), std::string::npos);
  EXPECT_NE(page.find(">Forces in kN, moments in kN\u00b7m, lengths and displacements in m"),
            std::string::npos);
  EXPECT_EQ(run({"report", "--lang", "en"}).out.find("(kN"), std::string::npos);

  const std::string svg = run({"draw", "--units", "kN,m"}).out;
  EXPECT_NE(svg.find("widest for |N| = "), std::string::npos);
  EXPECT_NE(svg.find(" kN</text>"), std::string::npos);

  for (const char* command : {"export", "draw", "report"}) {
    RunResult bad = run({command, "--units", "kN"});
    EXPECT_EQ(bad.status, 2) << command;
    EXPECT_NE(bad.err.find("bad value 'kN' for --units"), std::string::npos) << bad.err;
  }
}

}  // namespace
}  // namespace toval::testing
