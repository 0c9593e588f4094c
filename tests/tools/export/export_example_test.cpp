// The example frame exported and read back with the JSON library, compared
// with values worked out by hand from the per-case results in its report:
// cases G, Q, W; combinations 1.4G+1.5Q, 1.4G+1.5Q+0.9W, 1.4G+1.4W, 1.0G+1.4W.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tools/tools_process.h"

namespace toval::testing {
namespace {

using Json = nlohmann::ordered_json;

class ExampleExport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TempDir dir;
    copy_example(dir);
    RunResult r = run_tools(dir.path(), {"export", "GALPAO.CMB", "GALPAO.ESF"});
    ASSERT_EQ(r.status, 0) << r.err;
    doc_ = new Json(Json::parse(r.out));
  }
  static void TearDownTestSuite() {
    delete doc_;
    doc_ = nullptr;
  }
  static const Json& doc() { return *doc_; }
  // A real of the document as the 32-bit value it stands for.
  static float real(const Json& v) { return static_cast<float>(v.get<double>()); }

  static inline Json* doc_ = nullptr;
};

// Sums of products of 3-decimal inputs: the 32-bit result is within a few
// units of the 7th digit of the exact decimal.
void expect_close(const Json& value, double exact) {
  EXPECT_NEAR(value.get<double>(), exact, 4e-6 * std::max(1.0, std::abs(exact))) << value;
}

TEST_F(ExampleExport, KeysInTheirOrderAndTheInputsAsRead) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : doc().items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"format",
                                            "version",
                                            "titles",
                                            "axis",
                                            "nodes",
                                            "bars",
                                            "cases",
                                            "case_descriptions",
                                            "combinations",
                                            "sets",
                                            "characteristic_nodes",
                                            "displacements",
                                            "combined_displacements",
                                            "reactions",
                                            "combined_reactions",
                                            "reaction_envelope",
                                            "bar_forces",
                                            "envelope",
                                            "pairs",
                                            "set_envelopes",
                                            "node_displacements",
                                            "combined_node_displacements",
                                            "node_displacement_envelope",
                                            "case_bar_forces",
                                            "units"}));
  EXPECT_EQ(doc()["format"], "toval-results");
  EXPECT_EQ(doc()["version"], 2);
  EXPECT_EQ(doc()["titles"]["client"], "COOPERATIVA AGRICOLA DO VALE");  // trailing blanks gone
  EXPECT_EQ(doc()["axis"], 6.0);
  EXPECT_EQ(doc()["cases"], Json({"G", "Q", "W"}));
  EXPECT_EQ(doc()["nodes"].size(), 5u);
  EXPECT_EQ(doc()["bars"][0]["mirror"], 2);
  EXPECT_TRUE(doc()["bars"][4]["mirror"].is_null());
  EXPECT_EQ(doc()["combinations"][1]["terms"][2]["case"], "W");
  EXPECT_EQ(real(doc()["combinations"][1]["terms"][2]["multiplier"]), 0.9f);
  EXPECT_EQ(doc()["characteristic_nodes"],
            Json({{"left", 2}, {"axis", 3}, {"axis_left", nullptr}, {"axis_right", nullptr}, {"right", 4}}));
}

TEST_F(ExampleExport, CombinedReactionsAreTheMultipliedCaseReactions) {
  const Json& c = doc()["combined_reactions"];
  ASSERT_EQ(c.size(), 4u);
  // Combination 2 = 1.4 G + 1.5 Q + 0.9 W; G, Q, W at node 1: (5.34, 19.2, -10.92),
  // (5.01, 18.0, -10.24), (-16.56, -17.88, 28.84); at node 5: (-5.34, 19.2, 10.92),
  // (-5.01, 18.0, 10.24), (-4.84, -12.12, 8.47).
  const Json& s = c[1]["supports"];
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0]["node"], 1);
  expect_close(s[0]["reactions"][0], 7.476 + 7.515 - 14.904);    // 0.087
  expect_close(s[0]["reactions"][1], 26.88 + 27.0 - 16.092);     // 37.788
  expect_close(s[0]["reactions"][2], -15.288 - 15.36 + 25.956);  // -4.692
  EXPECT_EQ(s[1]["node"], 5);
  expect_close(s[1]["reactions"][0], -7.476 - 7.515 - 4.356);  // -19.347
  expect_close(s[1]["reactions"][1], 26.88 + 27.0 - 10.908);   // 42.972
  expect_close(s[1]["reactions"][2], 15.288 + 15.36 + 7.623);  // 38.271
  EXPECT_EQ(c[1]["missing_cases"], Json::array());
  // Combination 4 = 1.0 G + 1.4 W at node 1: the negated forces at the foot of bar 1.
  expect_close(c[3]["supports"][0]["reactions"][0], 5.34 - 23.184);    // -17.844
  expect_close(c[3]["supports"][0]["reactions"][1], 19.2 - 25.032);    // -5.832
  expect_close(c[3]["supports"][0]["reactions"][2], -10.92 + 40.376);  // 29.456
  // Each term added in 32 bits in term order: 1.4 x 5.34 then + 1.5 x 5.01.
  const float first = static_cast<float>(double{1.4f} * double{5.34f});
  EXPECT_EQ(real(c[0]["supports"][0]["reactions"][0]),
            static_cast<float>(double{first} + double{1.5f} * double{5.01f}));
}

TEST_F(ExampleExport, CombinedDisplacementsOfTheCharacteristicNodes) {
  const Json& d = doc()["combined_displacements"];
  ASSERT_EQ(d.size(), 4u);
  // Combination 1 = 1.4 G + 1.5 Q; node 2 dx: G -0.000758, Q -0.0007106; node 3 dy:
  // G -0.0037962, Q -0.003559.
  expect_close(d[0]["left"][0], 1.4 * -0.000758 + 1.5 * -0.0007106);  // -0.0021271
  expect_close(d[0]["axis"][1], 1.4 * -0.0037962 + 1.5 * -0.003559);  // -0.01065318
  // Combination 3 = 1.4 G + 1.4 W at node 4, dx: G 0.000758, W 0.0015606.
  expect_close(d[2]["right"][0], 1.4 * (0.000758 + 0.0015606));  // 0.00324604
  EXPECT_EQ(d[2]["missing_cases"], Json::array());
  EXPECT_EQ(real(doc()["displacements"][2]["axis"][0]), 0.002145f);  // W at node 3, as read
}

TEST_F(ExampleExport, ShearAndMomentEnvelopeNamesTheGoverningCombination) {
  const Json& e = doc()["envelope"];
  ASSERT_EQ(e.size(), 5u);
  // Bar 2, moment at its start over combinations 1..4: -30.648, -38.271, -27.146, -22.778.
  const Json& m = e[1]["M"][0];
  expect_close(m["max"], -22.778);
  EXPECT_EQ(m["max_combination"], 4);
  expect_close(m["min"], -38.271);
  EXPECT_EQ(m["min_combination"], 2);
  // Bar 1, shear at its start: -14.991, -0.087, 15.708, 17.844.
  const Json& v = e[0]["V"][0];
  expect_close(v["max"], 17.844);
  EXPECT_EQ(v["max_combination"], 4);
  expect_close(v["min"], -14.991);
  EXPECT_EQ(v["min_combination"], 1);
  // The normal force envelope is the one the report prints: bar 5 65.844 (1), -1.838 (4).
  expect_close(e[4]["N"]["max"], 65.844);
  EXPECT_EQ(e[4]["N"]["max_combination"], 1);
  expect_close(e[4]["N"]["min"], -1.838);
  EXPECT_EQ(e[4]["N"]["min_combination"], 4);
}

TEST_F(ExampleExport, PairsAreTheTrussBarTableEnvelopeWithItsTieRule) {
  const Json& p = doc()["pairs"];
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0]["bars"], Json({1, 2}));
  expect_close(p[0]["max"], 5.832);
  EXPECT_EQ(p[0]["max_bar"], 1);
  EXPECT_EQ(p[0]["max_combination"], 4);
  // Bars 1 and 2 both carry -53.88 in combination 1: the lower bar keeps it.
  expect_close(p[0]["min"], -53.88);
  EXPECT_EQ(p[0]["min_bar"], 1);
  EXPECT_EQ(p[0]["min_combination"], 1);
  // Pair 3-4: bar 4 has the larger maximum, 1.714 in combination 4.
  EXPECT_EQ(p[1]["bars"], Json({3, 4}));
  expect_close(p[1]["max"], 1.714);
  EXPECT_EQ(p[1]["max_bar"], 4);
  EXPECT_EQ(p[1]["max_combination"], 4);
  EXPECT_EQ(p[1]["min_bar"], 3);
}

TEST_F(ExampleExport, BarForcesInSlotOrderWithTheBendingFlag) {
  const Json& f = doc()["bar_forces"];
  ASSERT_EQ(f.size(), 20u);
  // Combination 2, bar 1: N -37.788, V -0.087 / -13.137, M 4.692 / -28.320, in bending.
  const Json& b = f[5];
  EXPECT_EQ(b["combination"], 2);
  EXPECT_EQ(b["bar"], 1);
  expect_close(b["N"], -37.788);
  expect_close(b["V"][1], -13.137);
  expect_close(b["M"][1], -28.32);
  EXPECT_EQ(b["bending"], true);
  // Bar 5 of combination 1 carries no moment worth a tenth of its normal force.
  EXPECT_EQ(f[4]["bar"], 5);
  EXPECT_EQ(f[4]["bending"], false);
}

// Every node's displacements, worked out by hand from the displacement
// records of the three case blocks (record K is node K):
//   node 2: G (-0.0007580, -0.0000644, -0.0003642), Q (-0.0007106,
//           -0.0000604, -0.0003414), W (0.0027282, 0.0000600, 0.0000726)
//   node 3: G (0, -0.0037962, 0), Q (0, -0.0035590, 0),
//           W (0.0021450, 0.0029447, -0.0000763)
// Combination 2 is 1.4 G + 1.5 Q + 0.9 W:
//   node 2 dx = -0.0010612 - 0.0010659 + 0.00245538 = 0.00032828
//          dy = -0.00009016 - 0.0000906 + 0.000054 = -0.00012676
//          rz = -0.00050988 - 0.0005121 + 0.00006534 = -0.00095664
//   node 3 dx = 0.9 x 0.0021450 = 0.0019305
//          dy = -0.00531468 - 0.0053385 + 0.00265023 = -0.00800295
//          rz = 0.9 x -0.0000763 = -0.00006867
// Node 2's dx over the four combinations: -0.0021271 (1), 0.00032828 (2),
// 0.00275828 (3: -0.0010612 + 1.4 x 0.0027282), 0.00306148 (4: -0.000758 +
// 1.4 x 0.0027282): largest in 4, smallest in 1.
TEST_F(ExampleExport, EveryNodesDisplacementsByHand) {
  const Json& case_g = doc()["node_displacements"][0];
  EXPECT_EQ(case_g["case"], "G");
  ASSERT_EQ(case_g["nodes"].size(), 5u);
  EXPECT_EQ(case_g["nodes"][2]["node"], 3);
  EXPECT_EQ(real(case_g["nodes"][2]["d"][1]), -0.0037962f);

  const Json& two = doc()["combined_node_displacements"][1];
  EXPECT_EQ(two["combination"], 2);
  EXPECT_EQ(two["missing_cases"].size(), 0u);
  const double node2[] = {0.00032828, -0.00012676, -0.00095664};
  const double node3[] = {0.0019305, -0.00800295, -0.00006867};
  for (int i = 0; i < 3; ++i) {
    expect_close(two["nodes"][1]["d"][i], node2[i]);
    expect_close(two["nodes"][2]["d"][i], node3[i]);
  }
  for (const Json& c : doc()["combined_node_displacements"])
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(c["nodes"][0]["d"][i], 0.0);  // node 1, a fixed support, in every case
      EXPECT_EQ(c["nodes"][4]["d"][i], 0.0);
    }

  const Json& dx2 = doc()["node_displacement_envelope"][1]["d"][0];
  EXPECT_EQ(doc()["node_displacement_envelope"][1]["node"], 2);
  expect_close(dx2["max"], 0.00306148);
  EXPECT_EQ(dx2["max_combination"], 4);
  expect_close(dx2["min"], -0.0021271);
  EXPECT_EQ(dx2["min_combination"], 1);
}

// The characteristic nodes' values are the same 32-bit sums whichever list
// they are read from: nodes 2 (left), 3 (axis) and 4 (right).
TEST_F(ExampleExport, CharacteristicNodesAgreeWithTheirCombinedDisplacements) {
  const Json& nodes = doc()["characteristic_nodes"];
  for (std::size_t I = 0; I < doc()["combinations"].size(); ++I) {
    const Json& every = doc()["combined_node_displacements"][I]["nodes"];
    const Json& places = doc()["combined_displacements"][I];
    for (const char* place : {"left", "axis", "right"}) {
      const int node = nodes[place].get<int>();
      for (int i = 0; i < 3; ++i)
        EXPECT_EQ(real(every[node - 1]["d"][i]), real(places[place][i])) << I + 1 << " " << place;
    }
  }
}

// Each case's end forces as the case block lists them: case G, bars 1 and
// 3 (records "1 1 -19.20 -5.34 10.92", "1 2 -19.20 -5.34 -15.78", "3 2
// -32.60 11.64 -15.79", "3 3 -27.94 -6.99 -1.40"); W, bar 5.
TEST_F(ExampleExport, CaseBarForcesAsTheCaseBlocksListThem) {
  const Json& f = doc()["case_bar_forces"];
  ASSERT_EQ(f.size(), 15u);  // 3 cases x 5 bars, case by case
  EXPECT_EQ(f[0]["case"], "G");
  EXPECT_EQ(f[0]["bar"], 1);
  EXPECT_EQ(f[0]["N"], Json::parse("[-19.2, -19.2]"));
  EXPECT_EQ(f[0]["V"], Json::parse("[-5.34, -5.34]"));
  EXPECT_EQ(f[0]["M"], Json::parse("[10.92, -15.78]"));
  EXPECT_EQ(f[2]["N"], Json::parse("[-32.6, -27.94]"));
  EXPECT_EQ(f[2]["V"], Json::parse("[11.64, -6.99]"));
  EXPECT_EQ(f[2]["M"], Json::parse("[-15.79, -1.4]"));
  EXPECT_EQ(f[14]["case"], "W");
  EXPECT_EQ(f[14]["bar"], 5);
  EXPECT_EQ(f[14]["N"], Json::parse("[-18.07, -18.07]"));
  EXPECT_EQ(f[14]["M"], Json::parse("[0.01, -0.02]"));
  EXPECT_EQ(doc()["units"], Json::parse(R"({"force": null, "length": null})"));
}

}  // namespace
}  // namespace toval::testing
