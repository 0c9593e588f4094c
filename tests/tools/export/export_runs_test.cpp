// Whole exports of small frames compared byte for byte with files worked out
// by hand, and the cases the example frame does not meet: a term whose case
// is not in the case list, a combination without terms, bytes that are not
// UTF-8, every table into a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "tools/tools_process.h"

namespace toval::testing {
namespace {

using Json = nlohmann::ordered_json;

const std::string PORTAL_INPUTS = std::string(TOVAL_TEST_DATA) + "/e2e/data/portal_truss/in/";
const std::string PORTAL_EXPECTED = std::string(TOVAL_TEST_DATA) + "/tools/data/portal_truss/";

void copy_portal(const TempDir& dir) {
  for (const char* name : {"P1.DAT", "P1.LIS"}) dir.write(name, read_file(PORTAL_INPUTS + name));
}

// The portal truss: columns 1 and 3 mirror each other about x = 5, beam 2
// alone; no node on the axis, so the axis values are the mean of nodes 1 and
// 4. Every value of the expected files was checked by hand, including the
// 32-bit roundings (0.9 x -24 lies halfway between two 32-bit values and
// goes to the even one, -21.599998; -21.599998 + 9 = -12.599998).
TEST(ExportRuns, PortalTrussJsonAndCsvByteForByte) {
  TempDir dir;
  copy_portal(dir);
  RunResult json = run_tools(dir.path(), {"export", "P1.DAT", "P1.LIS"});
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.err, "");
  EXPECT_EQ(json.out, read_file(PORTAL_EXPECTED + "P1.json"));
  for (const char* table : {"envelope", "combined_reactions", "combined_displacements"}) {
    RunResult csv = run_tools(dir.path(), {"export", "--format=csv", "--table", table, "P1.DAT", "P1.LIS"});
    EXPECT_EQ(csv.status, 0) << table;
    EXPECT_EQ(csv.out, read_file(PORTAL_EXPECTED + table + ".csv")) << table;
  }
}

// The portal with two more combinations: 4 = 1.0 G1 + 2.0 X1 + 1.0 X1, where
// X1 has a block in the forces file (a copy of Q1's) but is not in the case
// list; 5 without terms. The project title holds Latin-1 bytes.
class PortalVariant : public ::testing::Test {
 protected:
  void SetUp() override {
    copy_portal(dir_);
    std::string cmb = dir_.read("P1.DAT");
    cmb.replace(cmb.find("EDIFICIO TESTE - GALPAO 1"), 25,
                "EDIF\xCD"
                "CIO TESTE - GALP\xC3O 1");
    const std::size_t end = cmb.rfind("FIME");
    cmb.replace(end, 4,
                "COMBINACAO 4\n    1.0       G1\n    2.0       X1\n    1.0       X1\nFIMC\n"
                "COMBINACAO 5\nFIMC\nFIME");
    dir_.write("V.DAT", cmb);
    std::string lis = dir_.read("P1.LIS");
    std::string block = lis.substr(lis.find("     CARREGAMENTO: Q1"));
    block.replace(0, 21, "     CARREGAMENTO: X1");
    dir_.write("V.LIS", lis + block);
  }
  TempDir dir_;
};

TEST_F(PortalVariant, ATermWhoseCaseIsNotListedLeavesOnlyItsCombinedReactionsAndDisplacementsOut) {
  RunResult r = run_tools(dir_.path(), {"export", "V.DAT", "V.LIS"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json doc = Json::parse(r.out);
  EXPECT_EQ(doc["titles"]["project"],
            "EDIF\xC3\x8D"
            "CIO TESTE - GALP\xC3\x83O 1");
  EXPECT_EQ(doc["cases"], Json({"G1", "Q1"}));
  ASSERT_EQ(doc["combinations"].size(), 5u);

  const Json& missing = doc["combined_reactions"][3];
  EXPECT_EQ(missing["combination"], 4);
  EXPECT_TRUE(missing["supports"].is_null());
  EXPECT_EQ(missing["missing_cases"], Json({"X1"}));  // named once for its two terms
  const Json& moved = doc["combined_displacements"][3];
  EXPECT_TRUE(moved["left"].is_null() && moved["axis"].is_null() && moved["right"].is_null());
  EXPECT_EQ(moved["missing_cases"], Json({"X1"}));

  // Its bar forces are still combined, from X1's block: bar 2 is 5 + 2 x 3 + 3.
  const Json& bar2 = doc["bar_forces"][3 * 3 + 1];
  EXPECT_EQ(bar2["combination"], 4);
  EXPECT_EQ(bar2["N"], 14.0);
  EXPECT_EQ(doc["envelope"][1]["N"]["max"], 14.0);
  EXPECT_EQ(doc["envelope"][1]["N"]["max_combination"], 4);
  // The combination without terms takes part in the envelope: bar 1's start
  // shear is 0.7, 0.5, 0.45, 0.5 + 0 + 0, then 0.
  EXPECT_EQ(doc["envelope"][0]["V"][0]["min"], 0.0);
  EXPECT_EQ(doc["envelope"][0]["V"][0]["min_combination"], 5);
  EXPECT_EQ(doc["envelope"][0]["V"][0]["max_combination"], 1);
  // Bar 3's moments are 0 in every combination: the tie keeps combination 1.
  EXPECT_EQ(doc["envelope"][2]["M"][1],
            Json({{"max", 0.0}, {"max_combination", 1}, {"min", 0.0}, {"min_combination", 1}}));

  // The combination without terms sums nothing: zero everywhere, nothing missing.
  const Json& empty = doc["combined_reactions"][4];
  EXPECT_EQ(empty["supports"],
            Json::parse(R"([{"node":1,"reactions":[0.0,0.0,0.0]},{"node":4,"reactions":[0.0,0.0,0.0]}])"));
  EXPECT_EQ(empty["missing_cases"], Json::array());
  EXPECT_EQ(doc["combined_displacements"][4]["axis"], Json({0.0, 0.0, 0.0}));
  EXPECT_EQ(doc["bar_forces"][4 * 3]["N"], 0.0);
}

TEST_F(PortalVariant, CsvRowsOfACombinationWithMissingCases) {
  RunResult r = run_tools(dir_.path(),
                          {"export", "--format", "csv", "--table", "combined_reactions", "V.DAT", "V.LIS"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string expected =
      "combination,node,reaction_1,reaction_2,reaction_3,missing_cases\r\n"
      "1,1,2.15,37.55,0,\r\n"
      "1,4,-2.15,47.45,0,\r\n"
      "2,1,1,22,0,\r\n"
      "2,4,-1,28,0,\r\n"
      "3,1,0.14999998,13.049999,0,\r\n"
      "3,4,-0.14999998,16.949999,0,\r\n"
      "4,,,,,X1\r\n"
      "5,1,0,0,0,\r\n"
      "5,4,0,0,0,\r\n";
  EXPECT_EQ(r.out, expected);
}

TEST_F(PortalVariant, EveryTableIntoAFolderEachAsItsOwnTableGivesIt) {
  RunResult r = run_tools(dir_.path(), {"export", "--format", "csv", "-o", "tables/", "V.DAT", "V.LIS"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  const std::vector<std::string> names{"bar_forces.csv",
                                       "bars.csv",
                                       "case_bar_forces.csv",
                                       "combinations.csv",
                                       "combined_displacements.csv",
                                       "combined_node_displacements.csv",
                                       "combined_reactions.csv",
                                       "displacement_envelope.csv",
                                       "displacements.csv",
                                       "envelope.csv",
                                       "node_displacement_envelope.csv",
                                       "node_displacements.csv",
                                       "nodes.csv",
                                       "pairs.csv",
                                       "reaction_envelope.csv",
                                       "reactions.csv",
                                       "set_envelopes.csv",
                                       "set_node_envelopes.csv"};
  EXPECT_EQ(directory_names(dir_.file("tables")), names);
  for (const std::string& name : names) {
    const std::string table = name.substr(0, name.size() - 4);
    RunResult one = run_tools(dir_.path(), {"export", "--format", "csv", "--table", table, "V.DAT", "V.LIS"});
    EXPECT_EQ(dir_.read("tables/" + name), one.out) << name;
  }
  EXPECT_EQ(dir_.read("tables/pairs.csv"),
            "lower_bar,higher_bar,max,max_bar,max_combination,min,min_bar,min_combination\r\n"
            "1,3,0,1,5,-42.6,3,1\r\n");

  // A folder run that fails leaves the folder's files as they were.
  dir_.write("tables/pairs.csv", "kept\n");
  const std::string lis = dir_.read("V.LIS");
  dir_.write("CUT.LIS", lis.substr(0, lis.size() / 2));
  RunResult failed =
      run_tools(dir_.path(), {"export", "--format", "csv", "-o", "tables", "V.DAT", "CUT.LIS"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(dir_.read("tables/pairs.csv"), "kept\n");
  EXPECT_EQ(directory_names(dir_.file("tables")), names);
}

}  // namespace
}  // namespace toval::testing
