// The listing for people: every kind of structural change in words, each
// table largest relative change first, and the count by table; checked
// line by line against the layout rules.
#include "tools/diff/diff_output.h"

#include <gtest/gtest.h>

#include <cmath>

namespace toval::tools::diff {
namespace {

using Json = nlohmann::ordered_json;

ResultChange reaction(long long combination, long long node, int component, double old_value,
                      double new_value) {
  ResultChange c;
  c.table = ResultTable::combined_reactions;
  c.combination = combination;
  c.node = node;
  c.quantity = component;
  c.old_combination = combination;
  c.old_value = old_value;
  c.new_value = new_value;
  c.scale = std::max(std::fabs(old_value), std::fabs(new_value));
  return c;
}

Changes every_kind() {
  Changes c;
  const auto node = [](int k, double y, int r) {
    return Json{{"node", k}, {"x", k == 6 ? 14.0 : 6.0}, {"y", y}, {"restraints", {r, r, r}}};
  };
  const auto bar = [](int start, int end, int property) {
    return Json{{"bar", 2},      {"start", start}, {"end", end},       {"property", property},
                {"length", 5.0}, {"cos", 0.0},     {"mirror", nullptr}};
  };
  const auto combination = [](int number, std::vector<std::pair<double, const char*>> terms) {
    Json list = Json::array();
    for (const auto& [m, name] : terms) list.push_back({{"multiplier", m}, {"case", name}});
    return Json{{"combination", number}, {"terms", list}};
  };
  const auto nodes = [](Json axis, Json axis_left, Json axis_right) {
    return Json{
        {"left", 2}, {"axis", axis}, {"axis_left", axis_left}, {"axis_right", axis_right}, {"right", 4}};
  };
  c.structure = {
      {"node", 6, nullptr, node(6, 0.0, 1)},
      {"node", 3, node(3, 6.5, 0), node(3, 7.0, 0)},
      {"bar", 2, bar(5, 4, 1), bar(4, 5, 2)},
      {"case", "W", "W", nullptr},
      {"combination", 3, combination(3, {{1.4, "G"}, {1.4, "W"}}), combination(3, {{1.4, "G"}})},
      {"combination", 4, combination(4, {}), nullptr},
      {"axis", nullptr, 6.0, 7.0},
      {"pairs", nullptr, Json::parse("[[1, 2], [5, 5]]"), Json::array()},
      {"characteristic_nodes", nullptr, nodes(3, nullptr, nullptr), nodes(nullptr, 3, 6)},
  };
  ResultChange governing;
  governing.bar = 3;
  governing.quantity = 3;
  governing.old_value = governing.new_value = 5;
  governing.old_combination = 2;
  governing.new_combination = 1;
  governing.governing_changed = true;
  governing.scale = 5;
  // Node 3's dy minimum, and the right characteristic node's dx maximum
  // under another combination.
  ResultChange sag;
  sag.table = ResultTable::node_displacement_envelope;
  sag.node = 3;
  sag.quantity = 2;
  sag.bound = 1;
  sag.old_value = -0.0106532;
  sag.new_value = -0.0079839;
  sag.old_combination = sag.new_combination = 1;
  sag.scale = 0.0106532;
  ResultChange sway;
  sway.table = ResultTable::displacement_envelope;
  sway.place = 2;
  sway.quantity = 1;
  sway.old_value = 0.0035316;
  sway.new_value = 0.0032460;
  sway.old_combination = 2;
  sway.new_combination = 3;
  sway.governing_changed = true;
  sway.scale = 0.0035316;
  ResultChange bending;
  bending.table = ResultTable::bending;
  bending.combination = 2;
  bending.bar = 4;
  bending.old_combination = 3;  // renumbered
  bending.old_flag = true;
  // In the order of their keys; the listing puts the largest relative change first.
  c.results = {
      governing, sway, sag, reaction(1, 1, 2, 10, 11), reaction(1, 5, 1, 0, 2), reaction(2, 1, 3, -4, -2),
      bending};
  return c;
}

TEST(DiffText, EveryKindOfChangeInEnglish) {
  EXPECT_EQ(
      diff_text(every_kind(), 0.25, Language::en),
      "COMPARISON OF REVISIONS - RELATIVE TOLERANCE 0.25\n"
      "\n"
      "SUMMARY: 2 changes\n"
      " member         force bound             old             new          change    rel. % combination\n"
      " node 3         dy    min        -0.0106532      -0.0079839      +0.0026693    +25.06\n"
      " bar 3          M1    max             5.000           5.000           0.000     +0.00 2 -> 1\n"
      "\n"
      "STRUCTURE: 9 changes\n"
      "  node 6 added: x 14, y 0, restraints 1 1 1\n"
      "  node 3: y 6.5 -> 7\n"
      "  bar 2: nodes 5-4 -> 4-5, property 1 -> 2\n"
      "  case W removed\n"
      "  combination 3: 1.4 G + 1.4 W -> 1.4 G\n"
      "  combination 4 removed: (no terms)\n"
      "  symmetry axis: x 6 -> 7\n"
      "  mirror pairs: 1-2 5-5 -> none\n"
      "  characteristic nodes: E 2 C 3 D 4 -> E 2 CE 3 CD 6 D 4\n"
      "\n"
      "ENVELOPE OF BAR FORCES: 1 change\n"
      "     bar force bound             old             new          change    rel. % combination\n"
      "       3 M1    max             5.000           5.000           0.000     +0.00 2 -> 1\n"
      "\n"
      "ENVELOPE OF CHARACTERISTIC DISPLACEMENTS: 1 change\n"
      " node     comp. bound             old             new          change    rel. % combination\n"
      " right    1     max         0.0035316       0.0032460      -0.0002856     -8.09 2 -> 3\n"
      "\n"
      "ENVELOPE OF NODE DISPLACEMENTS: 1 change\n"
      "    node comp. bound             old             new          change    rel. % combination\n"
      "       3 2     min        -0.0106532      -0.0079839      +0.0026693    +25.06\n"
      "\n"
      "COMBINED REACTIONS: 3 changes\n"
      " comb.   node comp.             old             new          change    rel. %\n"
      "     1      5     1           0.000           2.000          +2.000 from zero\n"
      "     2      1     3          -4.000          -2.000          +2.000    +50.00\n"
      "     1      1     2          10.000          11.000          +1.000    +10.00\n"
      "\n"
      "BENDING: 1 change\n"
      " comb.    bar    old    new\n"
      "     2      4    yes     no (was 3)\n"
      "\n"
      "COUNT BY TABLE\n"
      "  STRUCTURE                                     9\n"
      "  ENVELOPE OF BAR FORCES                        1\n"
      "  ENVELOPE OF REACTIONS                         0\n"
      "  ENVELOPE OF CHARACTERISTIC DISPLACEMENTS      1\n"
      "  ENVELOPE OF NODE DISPLACEMENTS                1\n"
      "  COMBINED REACTIONS                            3\n"
      "  COMBINED DISPLACEMENTS                        0\n"
      "  BENDING                                       1\n"
      "  TOTAL                                        16\n");
}

ResultChange n_min(const char* set, long long bar, double old_value, double new_value, double scale) {
  ResultChange c;
  c.set = set;
  c.bar = bar;
  c.bound = 1;
  c.old_value = old_value;
  c.new_value = new_value;
  c.old_combination = c.new_combination = 1;
  c.scale = scale;
  return c;
}

TEST(DiffText, EachSetsSummaryHeaviestFirstPairsOnOneLineAtMostTwentyLines) {
  Changes c;
  c.pairs = {{1, 2}, {3, 4}};
  // Bars 1 and 2 alike: one line. Bars 3 and 4 differ in the new value:
  // two lines. Bar 7 moves most beside its own scale though least in value.
  c.results = {n_min("uls", 1, -10, -12, 20), n_min("uls", 2, -10, -12, 20), n_min("uls", 3, -10, -12, 20),
               n_min("uls", 4, -10, -12.5, 20), n_min("uls", 7, -0.01, -0.02, 0.02)};
  c.results.back().governing_changed = true;
  c.results.back().new_combination = 6;
  c.new_names[6] = "ELU 6 - PRINCIPAL: W";
  // Twenty-one lines of the characteristic set, the last the lightest.
  for (long long bar = 10; bar <= 30; ++bar)
    c.results.push_back(n_min("sls_characteristic", bar, 10, 30 - static_cast<double>(bar) / 2, 100));
  const std::string text = diff_text(c, 0.001, Language::en);
  const std::string uls =
      "SUMMARY - ULS: 5 changes\n"
      " member         force bound             old             new          change    rel. % combination\n"
      " bar 7          N     min            -0.010          -0.020          -0.010   -100.00 1 -> 6 ELU 6 - "
      "PRINCIPAL: W\n"
      " bar 4          N     min           -10.000         -12.500          -2.500    -25.00\n"
      " bars 1/2       N     min           -10.000         -12.000          -2.000    -20.00\n"
      " bar 3          N     min           -10.000         -12.000          -2.000    -20.00\n"
      "\n"
      "SUMMARY - SLS CHARACTERISTIC: the 20 largest of 21 changes\n";
  EXPECT_NE(text.find(uls), std::string::npos) << text;
  EXPECT_NE(text.find(" bar 10         N     min            10.000          25.000"), std::string::npos);
  EXPECT_NE(text.find(" bar 29         N     min            10.000          15.500"), std::string::npos);
  EXPECT_EQ(text.find(" bar 30 "), std::string::npos);  // 5, the lightest: past the twentieth
  // The tables keep every change, set by set, ultimate first.
  EXPECT_NE(text.find("      30 N     min            10.000          15.000"), std::string::npos);
  EXPECT_NE(text.find("     1/2 N     min"), std::string::npos);
  EXPECT_LT(text.find("ENVELOPE OF BAR FORCES - ULS: 5 changes"),
            text.find("ENVELOPE OF BAR FORCES - SLS CHARACTERISTIC: 21 changes"));
}

TEST(DiffText, PortugueseByTheSystemsWords) {
  const std::string text = diff_text(every_kind(), 0.25, Language::pt);
  for (const char* line :
       {"  no 6 acrescentado: x 14, y 0, restricoes 1 1 1\n", "  carregamento W retirado\n",
        "  combinacao 4 retirada: (sem termos)\n", "  pares simetricos: 1-2 5-5 -> nenhum\n",
        "     1      5     1           0.000           2.000          +2.000   de zero\n",
        "     2      4    sim    nao (antes 3)\n",
        " direita  1     max         0.0035316       0.0032460      -0.0002856     -8.09 2 -> 3\n",
        "  ENVOLTORIA DOS DESLOCAMENTOS NODAIS               1\n",
        "  TOTAL                                            16\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(DiffText, NothingBeyondTheTolerance) {
  EXPECT_EQ(
      diff_text(Changes{}, 0.001, Language::en),
      "COMPARISON OF REVISIONS - RELATIVE TOLERANCE 0.001\n\nno change beyond the tolerance\n\nCOUNT "
      "BY TABLE\n"
      "  STRUCTURE                                     0\n  ENVELOPE OF BAR FORCES                        0\n"
      "  ENVELOPE OF REACTIONS                         0\n"
      "  ENVELOPE OF CHARACTERISTIC DISPLACEMENTS      0\n"
      "  ENVELOPE OF NODE DISPLACEMENTS                0\n  COMBINED REACTIONS                            0\n"
      "  COMBINED DISPLACEMENTS                        0\n  BENDING                                       0\n"
      "  TOTAL                                         0\n");
}

TEST(DiffJson, TheFixedShapeWithTheExportsValues) {
  Changes c;
  c.structure = {{"case", "W", nullptr, "W"}};
  c.results = {reaction(1, 5, 3, 0.1f, -2.5e-05f)};
  ResultChange moved;
  moved.table = ResultTable::combined_displacements;
  moved.combination = 2;
  moved.place = 2;
  moved.old_combination = 3;  // renumbered
  moved.quantity = 1;
  moved.new_value = 1;
  c.results.push_back(moved);
  ResultChange sag;
  sag.table = ResultTable::node_displacement_envelope;
  sag.node = 3;
  sag.quantity = 2;
  sag.bound = 1;
  sag.old_value = -0.0106532f;
  sag.new_value = -0.0079839f;
  sag.old_combination = 1;
  sag.new_combination = 4;
  sag.governing_changed = true;
  c.results.push_back(sag);
  EXPECT_EQ(
      diff_json(c, 1e-4),
      "{\n  \"format\": \"toval-diff\",\n  \"version\": 1,\n  \"tolerance\": 0.0001,\n  \"structure\": [\n"
      "    {\n      \"what\": \"case\",\n      \"key\": \"W\",\n      \"old\": null,\n      \"new\": \"W\"\n "
      "   }\n  ],\n"
      "  \"changes\": [\n"
      "    {\n      \"table\": \"combined_reactions\",\n      \"set\": null,\n      \"combination\": 1,\n"
      "      \"node\": 5,\n"
      "      \"component\": 3,\n      \"old\": 0.1,\n      \"new\": -2.5e-05\n    },\n"
      "    {\n      \"table\": \"combined_displacements\",\n      \"set\": null,\n      \"combination\": 2,\n"
      "      \"old_combination\": 3,\n      \"node\": \"right\",\n"
      "      \"component\": 1,\n      \"old\": 0.0,\n      \"new\": 1.0\n    },\n"
      "    {\n      \"table\": \"node_displacement_envelope\",\n      \"set\": null,\n      \"node\": 3,\n"
      "      \"component\": 2,\n      \"bound\": \"min\",\n      \"old\": -0.0106532,\n"
      "      \"new\": -0.0079839,\n      \"old_combination\": 1,\n      \"new_combination\": 4,\n"
      "      \"governing_changed\": true\n    }\n  ]\n}\n");
}

}  // namespace
}  // namespace toval::tools::diff
