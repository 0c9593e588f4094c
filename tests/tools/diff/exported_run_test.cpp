// Reading an export back: what diff needs is taken by identity, and a file
// that is not an export of this version is refused with a message that
// names the part at fault.
#include "tools/diff/exported_run.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "records/run_error.h"
#include "support/test_support.h"
#include "tools/diff/member_scales.h"

namespace toval::tools::diff {
namespace {

using Json = nlohmann::ordered_json;

// The smallest export: one node, one bar, one case, one combination.
Json small_export() {
  return Json::parse(R"({
    "format": "toval-results", "version": 1, "axis": 2.5,
    "nodes": [{"node": 1, "x": 0.0, "y": 0.5, "restraints": [1, 1, 0]}],
    "bars": [{"bar": 1, "start": 1, "end": 1, "property": 2, "length": 5.0, "cos": 0.0, "mirror": null}],
    "cases": ["G", "Q", "G"],
    "combinations": [{"combination": 1, "terms": [{"multiplier": 1.4, "case": "G"}]}],
    "characteristic_nodes": {"left": 1, "axis": null, "axis_left": null, "axis_right": null, "right": 1},
    "combined_displacements": [{"combination": 1, "left": [1.0, 2.0, 3.0], "axis": null, "right": [4.0, 5.0, 6.0], "missing_cases": []}],
    "combined_reactions": [{"combination": 1, "supports": [{"node": 1, "reactions": [7.0, 8.0, 9.0]}], "missing_cases": []}],
    "bar_forces": [{"combination": 1, "bar": 1, "N": 1.0, "V": [0.0, 0.0], "M": [0.0, 0.0], "bending": true}],
    "envelope": [{"bar": 1,
                  "N": {"max": 1.0, "max_combination": 1, "min": -1.0, "min_combination": 1},
                  "V": [{"max": 2.0, "max_combination": 1, "min": -2.0, "min_combination": 1},
                        {"max": 3.0, "max_combination": 1, "min": -3.0, "min_combination": 1}],
                  "M": [{"max": 4.0, "max_combination": 1, "min": -4.0, "min_combination": 1},
                        {"max": 5.0, "max_combination": 1, "min": -5.0, "min_combination": 1}]}],
    "pairs": [{"bars": [1, 1], "max": 1.0, "max_bar": 1, "max_combination": 1, "min": -1.0, "min_bar": 1, "min_combination": 1}]
  })");
}

std::string refusal(const Json& doc) {
  try {
    read_exported_run(doc.dump(), "a.json");
  } catch (const RunError& e) {
    return e.what();
  }
  return "accepted";
}

TEST(ExportedRun, ReadsEveryComparedPartByIdentity) {
  const ExportedRun r = read_exported_run(small_export().dump(), "a.json");
  EXPECT_EQ(r.axis, 2.5);
  ASSERT_EQ(r.nodes.count(1), 1u);
  EXPECT_EQ(r.nodes.at(1).y, 0.5);
  EXPECT_EQ(r.nodes.at(1).restraints, (std::array<long long, 3>{1, 1, 0}));
  EXPECT_EQ(r.bars.at(1).property, 2);
  EXPECT_EQ(r.cases, (std::vector<std::string>{"G", "Q"}));  // a name listed twice is one case
  EXPECT_EQ(r.combinations.at(1).terms, (std::vector<ExportedTerm>{{1.4, "G"}}));
  EXPECT_EQ(r.pairs, (std::vector<std::array<long long, 2>>{{1, 1}}));
  EXPECT_EQ(r.combined_reactions.at(1)->at(1), (ValueTriple{7, 8, 9}));
  EXPECT_FALSE(r.combined_displacements.at(1)[1].has_value());
  EXPECT_EQ(r.combined_displacements.at(1)[2], (ValueTriple{4, 5, 6}));
  EXPECT_TRUE(r.bending.at({1, 1}));
  EXPECT_EQ(r.envelope.at(1)[2].max, 3.0);   // V at the end
  EXPECT_EQ(r.envelope.at(1)[3].min, -4.0);  // M at the start
}

TEST(ExportedRun, RefusesWhatIsNotAnExportOfThisVersion) {
  EXPECT_EQ(refusal(small_export()), "accepted");
  const std::string head = "toval-tools diff: a.json is not an export of toval-tools: ";
  try {
    read_exported_run("{\"format\": ", "a.json");
    ADD_FAILURE();
  } catch (const RunError& e) {
    EXPECT_EQ(std::string(e.what()), head + "its text is not JSON\n");
  }
  Json doc = small_export();
  doc["format"] = "toval-diff";
  EXPECT_EQ(refusal(doc), head + "\"format\" is \"toval-diff\", not \"toval-results\"\n");
  doc = small_export();
  doc["version"] = 3;
  EXPECT_EQ(refusal(doc), head + "\"version\" is 3; this diff reads versions 1 to 2\n");
  doc = small_export();
  doc["combinations"][0]["set"] = 1;
  EXPECT_EQ(refusal(doc), head + "combinations[0].set is not a string\n");
  doc = small_export();
  doc["set_envelopes"] = Json::parse(R"([{"set": "uls", "envelope": [], "reaction_envelope": []},
                                        {"set": "uls", "envelope": [], "reaction_envelope": []}])");
  EXPECT_EQ(refusal(doc), head + "set_envelopes[1] repeats the set uls\n");
  doc = small_export();
  doc.erase("envelope");
  EXPECT_EQ(refusal(doc), head + "the document has no \"envelope\"\n");
  doc = small_export();
  doc["nodes"][0]["x"] = "0";
  EXPECT_EQ(refusal(doc), head + "nodes[0].x is not a number\n");
  doc = small_export();
  doc["bars"].push_back(doc["bars"][0]);
  EXPECT_EQ(refusal(doc), head + "bars[1] repeats the number 1\n");
  doc = small_export();
  doc["envelope"][0]["M"].erase(1);
  EXPECT_EQ(refusal(doc), head + "envelope[0].M is not a list of 2 ends\n");
  doc = small_export();
  doc["combined_reactions"][0]["supports"] = 3;
  EXPECT_EQ(refusal(doc), head + "combined_reactions[0].supports is neither a list nor null\n");
  EXPECT_EQ(refusal(Json::array()), head + "the document is not an object\n");
}

TEST(ExportedRun, AVersionTwoExportsSetsNamesAndEnvelopesBySet) {
  const ExportedRun r = read_exported_run(
      toval::testing::read_file(std::string(TOVAL_TEST_DATA) + "/tools/data/diff_sets/new.json"), "new.json");
  EXPECT_EQ(r.combinations.at(5).set, "sls_characteristic");
  EXPECT_EQ(r.combinations.at(5).name, "ELS CARACTERISTICA 2 - PRINCIPAL: W");
  EXPECT_EQ(r.bar_values.at({2, 1})[0], -10.5);
  EXPECT_EQ(r.reaction_envelope.at(1)[1]->min_combination, 5);
  const std::vector<SetEnvelopes> sets = envelopes_by_set(r);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[1].set, "sls_characteristic");
  EXPECT_EQ(sets[1].envelope.at(1)[0].max_combination, 5);
  EXPECT_EQ(sets[1].reaction_envelope.at(1)[0]->max, 1.0);
}

TEST(ExportedRun, AVersionOneExportIsOneUnnamedSetWithItsReactionEnvelopeFormed) {
  Json doc = small_export();
  doc["combinations"].push_back({{"combination", 2}, {"terms", Json::array()}});
  doc["combined_reactions"].push_back(Json::parse(
      R"({"combination": 2, "supports": [{"node": 1, "reactions": [7.0, 9.5, -1.0]}], "missing_cases": []})"));
  doc["combined_reactions"].push_back(
      Json::parse(R"({"combination": 3, "supports": null, "missing_cases": ["W"]})"));
  const ExportedRun r = read_exported_run(doc.dump(), "a.json");
  EXPECT_EQ(r.combinations.at(1).set, "");
  EXPECT_EQ(r.combinations.at(1).name, "");
  const std::vector<SetEnvelopes> sets = envelopes_by_set(r);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].set, "");
  EXPECT_EQ(sets[0].envelope.at(1)[4].max, 5.0);
  // Combination 1 gives 7, 8, 9 and 2 gives 7, 9.5, -1: FX ties and goes
  // to the lower combination; combination 3 has no values.
  const SupportEnvelope& e = sets[0].reaction_envelope.at(1);
  EXPECT_EQ(e[0]->max_combination, 1);
  EXPECT_EQ(e[0]->min_combination, 1);
  EXPECT_EQ(e[1]->max, 9.5);
  EXPECT_EQ(e[1]->max_combination, 2);
  EXPECT_EQ(e[2]->min, -1.0);
  EXPECT_EQ(e[2]->max_combination, 1);
}

TEST(ExportedRun, ANullReactionEnvelopeComponentIsAbsentAndAnyOtherValueIsStillRefused) {
  Json doc = small_export();
  doc["reaction_envelope"] = Json::parse(R"([{"node": 1, "reactions": [
      null, {"max": 8.0, "max_combination": 1, "min": 8.0, "min_combination": 1}, null]}])");
  const ExportedRun r = read_exported_run(doc.dump(), "a.json");
  const SupportEnvelope& e = r.reaction_envelope.at(1);
  EXPECT_FALSE(e[0].has_value());
  ASSERT_TRUE(e[1].has_value());
  EXPECT_EQ(e[1]->max, 8.0);
  EXPECT_FALSE(e[2].has_value());
  doc["reaction_envelope"][0]["reactions"][0] = "none";
  EXPECT_NE(refusal(doc).find("reaction_envelope[0].reactions[0]"), std::string::npos) << refusal(doc);
}

TEST(ExportedRun, EveryNodesDisplacementsWhereTheExportHasThemAndAbsentOtherwise) {
  Json doc = small_export();
  ExportedRun r = read_exported_run(doc.dump(), "a.json");
  EXPECT_TRUE(r.node_displacement_envelope.empty());
  EXPECT_TRUE(r.combined_node_displacements.empty());
  const Json extreme =
      Json::parse(R"({"max": 0.5, "max_combination": 1, "min": -0.25, "min_combination": 2})");
  doc["version"] = 2;
  doc["combined_node_displacements"] = Json::parse(R"([
      {"combination": 1, "nodes": [{"node": 1, "d": [0.5, -0.25, 0.0]}], "missing_cases": []},
      {"combination": 2, "nodes": null, "missing_cases": ["W"]}])");
  doc["node_displacement_envelope"] = {{{"node", 1}, {"d", {extreme, nullptr, extreme}}}};
  Json places = Json::array();
  for (const char* place : {"left", "axis", "right"})
    places.push_back({{"place", place}, {"node", nullptr}, {"displacements", {nullptr, extreme, nullptr}}});
  doc["set_envelopes"] = {{{"set", "uls"},
                           {"envelope", doc["envelope"]},
                           {"reaction_envelope", Json::array()},
                           {"displacement_envelope", places},
                           {"node_displacement_envelope", doc["node_displacement_envelope"]}}};
  r = read_exported_run(doc.dump(), "a.json");
  ASSERT_NE(find_node(*r.combined_node_displacements.at(1), 1), nullptr);
  EXPECT_EQ(*find_node(*r.combined_node_displacements.at(1), 1), (ValueTriple{0.5, -0.25, 0.0}));
  EXPECT_EQ(find_node(*r.combined_node_displacements.at(1), 2), nullptr);
  EXPECT_FALSE(r.combined_node_displacements.at(2).has_value());
  EXPECT_EQ(r.node_displacement_envelope.at(1)[2]->min_combination, 2);
  EXPECT_FALSE(r.node_displacement_envelope.at(1)[1].has_value());
  const SetEnvelopes& set = r.set_envelopes.at(0);
  EXPECT_EQ(set.node_displacement_envelope.at(1)[0]->max, 0.5);
  EXPECT_EQ(set.displacement_envelope[2][1]->min, -0.25);
  EXPECT_FALSE(set.displacement_envelope[2][0].has_value());
  doc["combined_node_displacements"][0]["nodes"].push_back({{"node", 1}, {"d", {0.0, 0.0, 0.0}}});
  EXPECT_NE(refusal(doc).find("combined_node_displacements[0].nodes repeats the number 1"), std::string::npos)
      << refusal(doc);
  doc["combined_node_displacements"][0]["nodes"].erase(1);
  doc["set_envelopes"][0]["displacement_envelope"][1]["place"] = "right";
  EXPECT_NE(refusal(doc).find("set_envelopes[0].displacement_envelope[1].place is not \"axis\""),
            std::string::npos)
      << refusal(doc);
  doc = small_export();
  doc["node_displacement_envelope"] = {{{"node", 1}, {"d", {extreme, extreme}}}};
  EXPECT_NE(refusal(doc).find("node_displacement_envelope[0].d is not a list of 3 components"),
            std::string::npos)
      << refusal(doc);
}

}  // namespace
}  // namespace toval::tools::diff
