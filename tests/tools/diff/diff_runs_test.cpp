// Whole diffs as a user runs them: the example against itself and against
// its shipped revision (byte for byte, both input forms), generated frames
// renumbered, with a case added or a combination removed, and the exit
// status of every kind of failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "tools/frame_files.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

using Json = nlohmann::ordered_json;

const std::string EXPECTED = std::string(TOVAL_TEST_DATA) + "/tools/data/diff_galpao/";

class ExampleRevision : public ::testing::Test {
 protected:
  void SetUp() override {
    copy_example(dir_);
    for (const char* name : {"GALPAO-R1.CMB", "GALPAO-R1.ESF"})
      dir_.write(name, read_file(std::string(TOVAL_SOURCE_DIR) + "/examples/" + name));
  }
  RunResult diff(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), "diff");
    return run_tools(dir_.path(), arguments);
  }
  TempDir dir_;
};

const std::vector<std::string> ITSELF = {"GALPAO.CMB", "GALPAO.ESF", "GALPAO.CMB", "GALPAO.ESF"};
const std::vector<std::string> REVISION = {"GALPAO.CMB", "GALPAO.ESF", "GALPAO-R1.CMB", "GALPAO-R1.ESF"};

std::vector<std::string> with(std::vector<std::string> options, const std::vector<std::string>& files) {
  options.insert(options.end(), files.begin(), files.end());
  return options;
}

TEST_F(ExampleRevision, AgainstItselfNothingChanges) {
  RunResult text = diff(ITSELF);
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.err, "");
  EXPECT_EQ(text.out, read_file(EXPECTED + "same.txt"));
  RunResult json = diff(with({"--format", "json", "--tolerance", "0"}, ITSELF));
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.out,
            "{\n  \"format\": \"toval-diff\",\n  \"version\": 1,\n  \"tolerance\": 0,\n  \"structure\": [],\n"
            "  \"changes\": []\n}\n");
}

TEST_F(ExampleRevision, TheRevisedImposedLoadByteForByte) {
  RunResult text = diff(REVISION);
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.err, "");
  EXPECT_EQ(text.out, read_file(EXPECTED + "revision.txt"));
  RunResult english = diff(with({"--lang", "en"}, REVISION));
  EXPECT_EQ(english.status, 1);
  EXPECT_EQ(english.out, read_file(EXPECTED + "revision-en.txt"));
  RunResult json = diff(with({"--format=json"}, REVISION));
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(json.out, read_file(EXPECTED + "revision.json"));
}

const Json* find_change(const Json& changes, const Json& key) {
  for (const Json& c : changes) {
    bool all = true;
    for (const auto& [k, v] : key.items()) all = all && c.contains(k) && c[k] == v;
    if (all) return &c;
  }
  return nullptr;
}

// Q falls from 3.0 to 1.5 kN/m: its reactions and forces by half (node 1:
// 18.00 to 9.00, 5.01 to 2.50, -10.24 to -5.12; bar 3 N at the eave -30.56 to
// -15.28). Only combinations 1 (1.4 G + 1.5 Q) and 2 (+ 0.9 W) hold Q.
TEST_F(ExampleRevision, ChangesWorkedByHand) {
  RunResult r = diff(with({"--format", "json"}, REVISION));
  ASSERT_EQ(r.status, 1) << r.err;
  const Json doc = Json::parse(r.out);
  EXPECT_EQ(doc["structure"], Json::array());  // the frame and its combinations are the same
  const Json& changes = doc["changes"];
  const auto value = [&](const Json& key, const char* side) {
    const Json* c = find_change(changes, key);
    return c == nullptr ? -1e30 : (*c)[side].get<double>();
  };
  // Node 1, combination 1: FY 1.4 x 19.2 + 1.5 x 18.0 = 53.88, now
  // 26.88 + 1.5 x 9.0 = 40.38; FX 7.476 + 7.515 = 14.991, now 7.476 + 3.75 = 11.226.
  const Json fy = {{"table", "combined_reactions"}, {"combination", 1}, {"node", 1}, {"component", 2}};
  EXPECT_NEAR(value(fy, "old"), 53.88, 1e-5);
  EXPECT_NEAR(value(fy, "new"), 40.38, 1e-5);
  const Json fx = {{"table", "combined_reactions"}, {"combination", 1}, {"node", 1}, {"component", 1}};
  EXPECT_NEAR(value(fx, "new"), 11.226, 1e-5);
  // Node 5, combination 2: MZ 1.4 x 10.92 + 1.5 x 10.24 + 0.9 x 8.47 =
  // 15.288 + 15.36 + 7.623 = 38.271, now 15.288 + 7.68 + 7.623 = 30.591.
  const Json mz = {{"table", "combined_reactions"}, {"combination", 2}, {"node", 5}, {"component", 3}};
  EXPECT_NEAR(value(mz, "old"), 38.271, 1e-5);
  EXPECT_NEAR(value(mz, "new"), 30.591, 1e-5);
  // Bar 3 at the eave, combination 1: 1.4 x -32.60 + 1.5 x -30.56 = -91.48,
  // now -45.64 + 1.5 x -15.28 = -68.56.
  const Json n_min = {{"table", "envelope"}, {"bar", 3}, {"quantity", "N"}, {"bound", "min"}};
  EXPECT_NEAR(value(n_min, "old"), -91.48, 1e-4);
  EXPECT_NEAR(value(n_min, "new"), -68.56, 1e-4);
  // Bar 2's shear at its foot (node 5) is G 5.34, Q 5.01 then 2.50, W 4.84.
  // Its minimum was combination 4's 5.34 + 6.776 = 12.116; combination 1 now
  // gives 7.476 + 3.75 = 11.226, below it: another governing combination.
  const Json* v1_min =
      find_change(changes, {{"table", "envelope"}, {"bar", 2}, {"quantity", "V1"}, {"bound", "min"}});
  ASSERT_NE(v1_min, nullptr);
  EXPECT_NEAR((*v1_min)["old"].get<double>(), 12.116, 1e-5);
  EXPECT_NEAR((*v1_min)["new"].get<double>(), 11.226, 1e-5);
  EXPECT_EQ((*v1_min)["old_combination"], 4);
  EXPECT_EQ((*v1_min)["new_combination"], 1);
  // Combinations 3 and 4 hold no Q: none of their values moves.
  for (const Json& c : changes) {
    if (c.contains("combination")) {
      EXPECT_LE(c["combination"].get<int>(), 2) << c.dump();
    }
  }
}

TEST_F(ExampleRevision, TwoExportsAndFourFilesGiveTheSameBytes) {
  ASSERT_EQ(run_tools(dir_.path(), {"export", "-o", "old.json", "GALPAO.CMB", "GALPAO.ESF"}).status, 0);
  ASSERT_EQ(run_tools(dir_.path(), {"export", "-o", "new.json", "GALPAO-R1.CMB", "GALPAO-R1.ESF"}).status, 0);
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{}, {"--lang", "en", "--tolerance", "0"}, {"--format", "json"}}) {
    RunResult from_files = diff(with(options, REVISION));
    RunResult from_exports = diff(with(options, {"old.json", "new.json"}));
    EXPECT_EQ(from_exports.status, 1);
    EXPECT_EQ(from_exports.err, "");
    EXPECT_EQ(from_exports.out, from_files.out);
  }
  RunResult same = diff({"old.json", "old.json"});
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, read_file(EXPECTED + "same.txt"));
}

TEST_F(ExampleRevision, AtHalfOnlyTheGoverningCombinationsAndTheTiesEndMomentRemain) {
  // Q's values are halved, so nothing moves by half of itself but what Q
  // alone dominates: the tie's end moment M2 (0.029 to 0.014, 51.7 % of
  // itself and of its largest M2, 0.029). Three extremes of bars and one of
  // the reactions (node 5's FX, bar 2's V1 at its foot) are governed by
  // another combination, whose old one still gives its old value; so is
  // node 4's dx maximum, the right characteristic node's.
  RunResult r = diff(with({"--tolerance", "0.5", "--format", "json"}, REVISION));
  EXPECT_EQ(r.status, 1);
  const Json doc = Json::parse(r.out);
  std::vector<std::string> told;
  for (const Json& c : doc["changes"])
    told.push_back((c.contains("bar") ? "bar " + c["bar"].dump() + " " + c["quantity"].get<std::string>()
                                      : "node " + c["node"].dump() + " " + c["component"].dump()) +
                   " " + c["bound"].get<std::string>() + " " + c["old_combination"].dump() + "->" +
                   c["new_combination"].dump() + (c["governing_changed"].get<bool>() ? " changed" : ""));
  EXPECT_EQ(told, (std::vector<std::string>{"bar 2 V1 min 4->1 changed", "bar 5 M1 max 2->3 changed",
                                            "bar 5 M1 min 4->1 changed", "bar 5 M2 max 1->1",
                                            "node 5 1 max 4->1 changed", "node \"right\" 1 max 2->3 changed",
                                            "node 4 1 max 2->3 changed"}));
}

TEST_F(ExampleRevision, OutputToAFileAndFailuresNeverLookLikeChange) {
  RunResult to_file = diff(with({"-o", "changes.txt"}, REVISION));
  EXPECT_EQ(to_file.status, 1);
  EXPECT_EQ(to_file.out, "");
  EXPECT_EQ(dir_.read("changes.txt"), read_file(EXPECTED + "revision.txt"));

  // A run-ending fault in an input: toval's message, as export gives it, and status 2.
  std::string forces = dir_.read("GALPAO-R1.ESF");
  dir_.write("CUT.ESF", forces.substr(0, forces.find("     CARREGAMENTO: W")));
  RunResult exported = run_tools(dir_.path(), {"export", "GALPAO-R1.CMB", "CUT.ESF"});
  ASSERT_EQ(exported.status, 1);
  RunResult cut = diff({"GALPAO.CMB", "GALPAO.ESF", "GALPAO-R1.CMB", "CUT.ESF"});
  EXPECT_EQ(cut.status, 2);
  EXPECT_EQ(cut.out, "");
  EXPECT_EQ(cut.err, exported.err);

  RunResult missing = diff({"GALPAO.CMB", "GALPAO.ESF", "GALPAO-R1.CMB", "NONE.ESF"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err,
            "\nrun-time error F6520: OPEN(NONE.ESF)\n- the forces file cannot be opened for reading\n");
  RunResult not_export = diff({"GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(not_export.status, 2);
  EXPECT_EQ(not_export.err,
            "toval-tools diff: GALPAO.CMB is not an export of toval-tools: its text is not JSON\n");
  RunResult no_export = diff({"old.json", "new.json"});
  EXPECT_EQ(no_export.status, 2);
  EXPECT_EQ(no_export.err,
            "\nrun-time error F6520: OPEN(old.json)\n- the export cannot be opened for reading\n");
  RunResult input_as_output = diff(with({"-o", "GALPAO-R1.ESF"}, REVISION));
  EXPECT_EQ(input_as_output.status, 2);
  EXPECT_EQ(dir_.read("GALPAO-R1.ESF"), forces);
}

TEST_F(ExampleRevision, UsageErrors) {
  const std::string usage =
      "usage: toval-tools diff [--format text|json] [--tolerance REL] [--lang pt|en] [-o FILE] OLD NEW\n"
      "       toval-tools diff [OPTIONS] OLD_COMBINATION OLD_FORCES NEW_COMBINATION NEW_FORCES\n";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"GALPAO.CMB"}, "missing argument NEW"},
      {{"GALPAO.CMB", "GALPAO.ESF", "GALPAO-R1.CMB"}, "missing argument NEW_FORCES"},
      {with({}, with(REVISION, {"X"})), "unexpected argument 'X'"},
      {with({"--tolerance", "-0.1"}, REVISION), "bad value '-0.1' for --tolerance (a number, 0 or more)"},
      {with({"--tolerance", "1e-3x"}, REVISION), "bad value '1e-3x' for --tolerance (a number, 0 or more)"},
      {with({"--tolerance", "inf"}, REVISION), "bad value 'inf' for --tolerance (a number, 0 or more)"},
      {with({"--format", "csv"}, REVISION), "bad value 'csv' for --format (text or json)"},
      {with({"--lang", "de"}, REVISION), "bad value 'de' for --lang (pt or en)"},
      {with({"--lang", "en", "--format", "json"}, REVISION), "option --lang needs --format text"},
  };
  for (const auto& [arguments, message] : cases) {
    RunResult r = diff(arguments);
    EXPECT_EQ(r.status, 2) << message;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "toval-tools: " + message + "\n" + usage);
  }
}

// Generated frames written as both input files, one revision each.
class FrameRevisions : public ::testing::Test {
 protected:
  void write(const std::string& stem, const Frame& f, const std::vector<std::string>& combination) {
    dir_.write(stem + ".CMB", joined(combination));
    dir_.write(stem + ".ESF", joined(forces_lines(f)));
  }
  Json diff_json(const std::string& old_stem, const std::string& new_stem, int expected_status = 1) {
    RunResult r = run_tools(dir_.path(), {"diff", "--format", "json", old_stem + ".CMB", old_stem + ".ESF",
                                          new_stem + ".CMB", new_stem + ".ESF"});
    EXPECT_EQ(r.status, expected_status) << r.err;
    return Json::parse(r.out);
  }
  TempDir dir_;
};

// Nodes numbered from the other end: matched by number, every node moved
// and every bar joins other nodes. The listed values go by position, so
// the bar forces and reactions are the same; the left and right
// characteristic nodes are now nodes 3 and 2, whose displacements the
// generated listing gives apart, so left and right trade their values.
TEST_F(FrameRevisions, ARenumberedPortalIsMatchedByNumber) {
  const Frame old_frame = portal();
  Frame renumbered = old_frame;
  std::reverse(renumbered.nodes.begin(), renumbered.nodes.end());
  for (FrameBar& b : renumbered.bars) {
    b.ni = 5 - b.ni;
    b.nf = 5 - b.nf;
  }
  write("OLD", old_frame, combination_lines(old_frame));
  write("NEW", renumbered, combination_lines(renumbered));
  const Json doc = diff_json("OLD", "NEW");
  std::vector<std::pair<std::string, Json>> told;
  for (const Json& s : doc["structure"]) told.emplace_back(s["what"].get<std::string>(), s["key"]);
  const std::vector<std::pair<std::string, Json>> expected = {
      {"node", 1}, {"node", 2}, {"node", 3}, {"node", 4},
      {"bar", 1},  {"bar", 2},  {"bar", 3},  {"characteristic_nodes", nullptr}};
  EXPECT_EQ(told, expected);
  const Json& node1 = doc["structure"][0];
  EXPECT_EQ(node1["old"], Json::parse(R"({"node": 1, "x": 0.0, "y": 0.0, "restraints": [1, 1, 1]})"));
  EXPECT_EQ(node1["new"], Json::parse(R"({"node": 1, "x": 10.0, "y": 0.0, "restraints": [1, 1, 1]})"));
  const Json& bar2 = doc["structure"][5];
  EXPECT_EQ(bar2["old"]["start"], 2);
  EXPECT_EQ(bar2["new"]["start"], 3);
  EXPECT_EQ(bar2["new"]["end"], 2);
  Json changes = Json::array(), envelopes = Json::array();
  for (const Json& c : doc["changes"])
    (c["table"] == "combined_displacements" ? changes : envelopes).push_back(c);
  EXPECT_EQ(changes.size(), 12u);  // 2 combinations x left and right x 3 components
  // The envelopes of left and right swap, and so do those of nodes 1 and 4,
  // 2 and 3, at the same combination.
  for (const Json& c : envelopes) {
    EXPECT_TRUE(c["table"] == "displacement_envelope" || c["table"] == "node_displacement_envelope") << c;
    EXPECT_NE(c["node"], "axis") << c;
    EXPECT_FALSE(c["governing_changed"].get<bool>()) << c;
  }
  EXPECT_FALSE(envelopes.empty());
  const auto at = [&](int combination, const char* node, int component) -> const Json& {
    for (const Json& c : changes)
      if (c["combination"] == combination && c["node"] == node && c["component"] == component) return c;
    ADD_FAILURE() << combination << " " << node << " " << component;
    return changes[0];
  };
  for (int combination : {1, 2})
    for (int component : {1, 2, 3}) {
      EXPECT_EQ(at(combination, "left", component)["table"], "combined_displacements");
      EXPECT_EQ(at(combination, "left", component)["old"], at(combination, "right", component)["new"]);
      EXPECT_EQ(at(combination, "left", component)["new"], at(combination, "right", component)["old"]);
    }
}

TEST_F(FrameRevisions, AnAddedCaseAndItsCombination) {
  const Frame old_frame = portal();
  Frame with_wind = old_frame;
  with_wind.cases.push_back("W");
  write("OLD", old_frame, combination_lines(old_frame));
  // The combinations of the old file, and a third one of the new case alone.
  std::vector<std::string> combination = combination_lines(with_wind);
  combination.erase(
      combination.begin() + static_cast<std::ptrdiff_t>(line_index(combination, "COMBINACAO 1")),
      combination.end());
  const std::vector<std::string> old_lines = combination_lines(old_frame);
  combination.insert(combination.end(),
                     old_lines.begin() + static_cast<std::ptrdiff_t>(line_index(old_lines, "COMBINACAO 1")),
                     old_lines.end() - 1);
  for (const char* line : {"COMBINACAO 3", "    1.0       W", "FIMC", "FIME"}) combination.push_back(line);
  write("NEW", with_wind, combination);
  const Json doc = diff_json("OLD", "NEW");
  // The added combination as the export gives it, with its header's name.
  EXPECT_EQ(doc["structure"], Json::parse(R"([
    {"what": "case", "key": "W", "old": null, "new": "W"},
    {"what": "combination", "key": 3, "old": null,
     "new": {"combination": 3, "name": "COMBINACAO 3", "set": null, "terms": [{"multiplier": 1.0, "case": "W"}]}}
  ])"));
  // Combinations 1 and 2 are as they were, but W alone (N = 10 + 3.5 (K - 1)
  // in bar K) exceeds 1.4 G + 1.4 Q (0.56 of that): every maximum of N, of
  // V1 and of M1, and every minimum of V2 and M2 (their ends' signs are
  // opposite) is now combination 3's.
  // So are, at each of the two supports, the three reactions' maxima or
  // minima that W alone now governs: 15 extremes of bars, 6 of reactions,
  // and the displacements' that it carries beyond the others.
  const Json& changes = doc["changes"];
  ASSERT_GT(changes.size(), 21u);
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const Json& c = changes[i];
    EXPECT_EQ(c["table"], i < 15   ? "envelope"
                          : i < 21 ? "reaction_envelope"
                          : c["table"].get<std::string>().find("displacement_envelope") != std::string::npos
                              ? c["table"]
                              : "a displacement envelope")
        << c.dump();
    EXPECT_TRUE(c["governing_changed"].get<bool>()) << c.dump();
    EXPECT_EQ(c["old_combination"], 1) << c.dump();
    EXPECT_EQ(c["new_combination"], 3) << c.dump();
  }
  EXPECT_EQ(changes[0],
            Json::parse(R"({"table": "envelope", "set": null, "bar": 1, "quantity": "N", "bound": "max",
                                        "old": 5.6000004, "new": 10.0, "old_combination": 1, "new_combination": 3,
                                        "governing_changed": true})"));
  EXPECT_EQ(changes[14]["new"], -5.1);  // bar 3: M2 = -0.3 x (10 + 7)
}

TEST_F(FrameRevisions, ARemovedCombination) {
  const Frame f = gable();
  const std::vector<std::string> old_lines = combination_lines(f);
  std::vector<std::string> fewer = old_lines;
  const std::size_t second = line_index(fewer, "COMBINACAO 2");
  fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(second), fewer.end() - 1);
  write("OLD", f, old_lines);
  write("NEW", f, fewer);
  const Json doc = diff_json("OLD", "NEW");
  ASSERT_EQ(doc["structure"].size(), 1u);
  const Json& removed = doc["structure"][0];
  EXPECT_EQ(removed["what"], "combination");
  EXPECT_EQ(removed["key"], 2);
  EXPECT_EQ(removed["old"]["terms"],
            Json::parse(R"([{"multiplier": 1.0, "case": "G"}, {"multiplier": 1.0, "case": "Q"}])"));
  EXPECT_TRUE(removed["new"].is_null());
  // Combination 1 alone governs now: every extreme of the bars, of the
  // reactions and of the displacements that combination 2 gave changes its
  // combination, and nothing else changes.
  ASSERT_FALSE(doc["changes"].empty());
  for (const Json& c : doc["changes"]) {
    EXPECT_NE(c["table"].get<std::string>().find("envelope"), std::string::npos) << c.dump();
    EXPECT_TRUE(c["governing_changed"].get<bool>()) << c.dump();
    EXPECT_EQ(c["old_combination"], 2) << c.dump();
    EXPECT_EQ(c["new_combination"], 1) << c.dump();
  }
}

// Every combination holds a term of X, whose block the forces file has but
// whose case the combination file does not list: no combination gives
// reactions, so each component of the reaction envelope is absent (null in
// the export). The new revision takes 2.0 X where the old took 1.0 X. Both
// forms read the absent components alike and compare nothing there; the
// bar envelope, combined from X's block, still moves.
TEST_F(FrameRevisions, AReactionEnvelopeThatNoCombinationGivesIsAbsentInBothForms) {
  Frame forces = portal();
  forces.cases.push_back("X");
  const std::vector<std::string> lines = combination_lines(portal());
  std::vector<std::string> old_lines, new_lines;
  for (const std::string& line : lines) {
    if (line == "FIMC" && old_lines.size() > line_index(lines, "COMBINACAO 1")) {
      old_lines.push_back("    1.0       X");
      new_lines.push_back("    2.0       X");
    }
    old_lines.push_back(line);
    new_lines.push_back(line);
  }
  write("OLD", forces, old_lines);
  write("NEW", forces, new_lines);
  for (const char* stem : {"OLD", "NEW"}) {
    RunResult e = run_tools(dir_.path(), {"export", std::string(stem) + ".CMB", std::string(stem) + ".ESF"});
    ASSERT_EQ(e.status, 0) << e.err;
    const Json doc = Json::parse(e.out);
    ASSERT_EQ(doc["reaction_envelope"].size(), 2u);
    for (const Json& support : doc["reaction_envelope"])
      EXPECT_EQ(support["reactions"], Json::parse("[null, null, null]")) << support.dump();
    dir_.write(std::string(stem) + ".json", e.out);
  }
  const Json four_files = diff_json("OLD", "NEW");
  for (const auto& [from, to] : {std::pair{"OLD", "NEW"}, std::pair{"NEW", "OLD"}}) {
    RunResult r = run_tools(
        dir_.path(), {"diff", "--format", "json", std::string(from) + ".json", std::string(to) + ".json"});
    ASSERT_EQ(r.status, 1) << from << " -> " << to << ": " << r.err;
    const Json doc = Json::parse(r.out);
    ASSERT_FALSE(doc["changes"].empty());
    for (const Json& c : doc["changes"]) EXPECT_NE(c["table"], "reaction_envelope") << c.dump();
    if (std::string(from) == "OLD") {
      EXPECT_EQ(doc, four_files);
    }
  }
  for (const Json& c : four_files["changes"]) EXPECT_EQ(c["table"], "envelope") << c.dump();
  EXPECT_EQ(run_tools(dir_.path(), {"diff", "NEW.json", "NEW.json"}).status, 0);
  EXPECT_EQ(run_tools(dir_.path(), {"diff", "NEW.CMB", "NEW.ESF", "NEW.CMB", "NEW.ESF"}).status, 0);
}

// Two exports of a one-bar frame whose rules gain a wind case W: ELU 2
// (1.35 G + 1.5 W) and ELS CARACTERISTICA 2 (G + W) are added, and the
// old ELU 2 and ELS CARACTERISTICA 1 are now numbered 3 and 4. N per case:
// G -10, Q -4, W +2; FX, FY of node 1: G 0, 10; Q 0, 4; W 1, -2.
TEST(SetRevisions, ACaseAddedToTheRulesTellsOnlyWhatTrulyMoved) {
  const std::string data = std::string(TOVAL_TEST_DATA) + "/tools/data/diff_sets/";
  TempDir dir;
  RunResult r = run_tools(dir.path(), {"diff", "--format", "json", data + "old.json", data + "new.json"});
  ASSERT_EQ(r.status, 1) << r.err;
  const Json doc = Json::parse(r.out);
  std::vector<std::pair<std::string, Json>> structure;
  for (const Json& s : doc["structure"]) structure.emplace_back(s["what"].get<std::string>(), s["key"]);
  EXPECT_EQ(structure, (std::vector<std::pair<std::string, Json>>{
                           {"case", "W"}, {"combination", 2}, {"combination", 5}}));
  // Every matched combination gives the same values, whatever its number.
  // In ELU the largest N was the old ELU 2's 1.0 x -10 + 1.5 x -4 = -16;
  // that combination (now 3) still gives -16, but the new ELU 2 gives
  // -13.5 + 3 = -10.5: the same number 2, another combination. FX rises
  // from 0 to 1.5 under the new ELU 2, FY's minimum falls from 16 to
  // 13.5 - 3 = 10.5. In ELS CARACTERISTICA, G + W gives N -8, FX 1, FY 8.
  // The minima of N, the maxima of FY and the zero V and M stay with the
  // matches of their old combinations.
  EXPECT_EQ(doc["changes"], Json::parse(R"([
    {"table": "envelope", "set": "uls", "bar": 1, "quantity": "N", "bound": "max", "old": -16.0, "new": -10.5,
     "old_combination": 2, "new_combination": 2, "governing_changed": true},
    {"table": "envelope", "set": "sls_characteristic", "bar": 1, "quantity": "N", "bound": "max", "old": -14.0,
     "new": -8.0, "old_combination": 3, "new_combination": 5, "governing_changed": true},
    {"table": "reaction_envelope", "set": "uls", "node": 1, "component": 1, "bound": "max", "old": 0.0, "new": 1.5,
     "old_combination": 1, "new_combination": 2, "governing_changed": true},
    {"table": "reaction_envelope", "set": "uls", "node": 1, "component": 2, "bound": "min", "old": 16.0, "new": 10.5,
     "old_combination": 2, "new_combination": 2, "governing_changed": true},
    {"table": "reaction_envelope", "set": "sls_characteristic", "node": 1, "component": 1, "bound": "max",
     "old": 0.0, "new": 1.0, "old_combination": 3, "new_combination": 5, "governing_changed": true},
    {"table": "reaction_envelope", "set": "sls_characteristic", "node": 1, "component": 2, "bound": "min",
     "old": 14.0, "new": 8.0, "old_combination": 3, "new_combination": 5, "governing_changed": true}
  ])"));
  // The text opens with each set's summary, naming the new governing combination.
  RunResult text = run_tools(dir.path(), {"diff", "--lang", "en", data + "old.json", data + "new.json"});
  EXPECT_EQ(text.status, 1);
  const std::string summary =
      "SUMMARY - ULS: 3 changes\n"
      " member         force bound             old             new          change    rel. % combination\n"
      " node 1         R1    max             0.000           1.500          +1.500 from zero 1 -> 2 ELU 2 - "
      "PRINCIPAL: W\n"
      " bar 1          N     max           -16.000         -10.500          +5.500    +34.38 2 -> 2 ELU 2 - "
      "PRINCIPAL: W\n";
  EXPECT_NE(text.out.find(summary), std::string::npos) << text.out;
  EXPECT_LT(text.out.find("SUMMARY - SLS CHARACTERISTIC"), text.out.find("STRUCTURE: 3 changes"));
  // Against itself: nothing, status 0.
  RunResult same = run_tools(dir.path(), {"diff", data + "new.json", data + "new.json"});
  EXPECT_EQ(same.status, 0);
}

// The example rules and a revision of them with a third wind direction W3,
// each run from its rules file and the same forces file (a portal holding
// every case). The expected report is worked out here from the two exports:
// the added combinations are those whose set and terms the old export lacks;
// every other combination gives the same values under whatever number, so
// the only results that move (at tolerance 0) are the extremes of an
// envelope or reaction envelope that a new combination carries beyond the
// old extreme.
class RulesRevision : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string rules = read_file(std::string(TOVAL_SOURCE_DIR) + "/examples/portal-rules.toml");
    dir_.write("OLD.toml", rules);
    dir_.write("NEW.toml", rules +
                               "\n[[actions]]\ncase = \"W3\"\nkind = \"variable\"\ncategory = \"wind\"\n"
                               "group = \"wind\"\n");
    Frame f = portal();
    // The generated listing gives the cases by position, signs alternating:
    // W1 and W2 alike, W3 of the other sign, so that it moves extremes.
    f.cases = {"G1", "G2", "Q", "W1", "W3", "W2"};
    dir_.write("P.ESF", joined(forces_lines(f)));
  }
  Json exported(const std::string& rules) {
    RunResult r = run_tools(dir_.path(), {"export", rules, "P.ESF"});
    EXPECT_EQ(r.status, 0) << r.err;
    return Json::parse(r.out.empty() ? "{}" : r.out);
  }
  TempDir dir_;
};

// A combination as what it is: its set and its terms in order of case.
Json identity(const Json& combination) {
  std::vector<std::pair<std::string, double>> terms;
  for (const Json& t : combination["terms"]) terms.emplace_back(t["case"], t["multiplier"]);
  std::sort(terms.begin(), terms.end());
  return {combination["set"], terms};
}

// The extremes that moved from `o` to `n`, as diff names them.
void moved(const Json& o, const Json& n, Json at, Json& out) {
  for (const char* bound : {"max", "min"}) {
    if (o[bound] == n[bound]) continue;
    Json c = at;
    c["bound"] = bound;
    c["old"] = o[bound];
    c["new"] = n[bound];
    out.push_back(c);
  }
}

Json expected_changes(const Json& o, const Json& n) {
  Json bars = Json::array(), reactions = Json::array(), places = Json::array(), nodes = Json::array();
  for (std::size_t s = 0; s < o["set_envelopes"].size(); ++s) {
    const Json &a = o["set_envelopes"][s], &b = n["set_envelopes"][s];
    for (std::size_t k = 0; k < a["envelope"].size(); ++k) {
      const Json &x = a["envelope"][k], &y = b["envelope"][k];
      moved(x["N"], y["N"], {{"set", a["set"]}, {"bar", x["bar"]}, {"quantity", "N"}}, bars);
      for (int end = 0; end < 2; ++end) {
        moved(x["V"][end], y["V"][end],
              {{"set", a["set"]}, {"bar", x["bar"]}, {"quantity", end ? "V2" : "V1"}}, bars);
      }
      for (int end = 0; end < 2; ++end)
        moved(x["M"][end], y["M"][end],
              {{"set", a["set"]}, {"bar", x["bar"]}, {"quantity", end ? "M2" : "M1"}}, bars);
    }
    for (std::size_t k = 0; k < a["reaction_envelope"].size(); ++k) {
      const Json &x = a["reaction_envelope"][k], &y = b["reaction_envelope"][k];
      for (int c = 0; c < 3; ++c)
        moved(x["reactions"][c], y["reactions"][c],
              {{"set", a["set"]}, {"node", x["node"]}, {"component", c + 1}}, reactions);
    }
    for (std::size_t p = 0; p < 3; ++p) {
      const Json &x = a["displacement_envelope"][p], &y = b["displacement_envelope"][p];
      for (int c = 0; c < 3; ++c)
        moved(x["displacements"][c], y["displacements"][c],
              {{"set", a["set"]}, {"node", x["place"]}, {"component", c + 1}}, places);
    }
    for (std::size_t k = 0; k < a["node_displacement_envelope"].size(); ++k) {
      const Json &x = a["node_displacement_envelope"][k], &y = b["node_displacement_envelope"][k];
      for (int c = 0; c < 3; ++c)
        moved(x["d"][c], y["d"][c], {{"set", a["set"]}, {"node", x["node"]}, {"component", c + 1}}, nodes);
    }
  }
  for (const Json* table : {&reactions, &places, &nodes})
    for (const Json& r : *table) bars.push_back(r);
  return bars;
}

// What diff told of a change, less what is checked apart.
Json told(const Json& change) {
  Json c = change;
  for (const char* key : {"table", "old_combination", "new_combination", "governing_changed"}) c.erase(key);
  return c;
}

TEST_F(RulesRevision, AnAddedWindCaseTellsOnlyItsCombinationsAndTheExtremesTheyCarry) {
  const Json o = exported("OLD.toml"), n = exported("NEW.toml");
  dir_.write("OLD.json", o.dump());
  dir_.write("NEW.json", n.dump());
  std::vector<Json> old_ids;
  for (const Json& c : o["combinations"]) old_ids.push_back(identity(c));
  Json added = Json::array();
  for (const Json& c : n["combinations"])
    if (std::find(old_ids.begin(), old_ids.end(), identity(c)) == old_ids.end())
      added.push_back(c["combination"]);
  ASSERT_EQ(n["combinations"].size(), o["combinations"].size() + added.size());
  ASSERT_FALSE(added.empty());

  RunResult r = run_tools(dir_.path(), {"diff", "--format", "json", "--tolerance", "0", "OLD.toml", "P.ESF",
                                        "NEW.toml", "P.ESF"});
  ASSERT_EQ(r.status, 1) << r.err;
  const Json doc = Json::parse(r.out);
  Json structure = Json::array();
  for (const Json& s : doc["structure"]) {
    if (s["what"] == "case") {
      EXPECT_EQ(s["key"], "W3");
      EXPECT_TRUE(s["old"].is_null());
      continue;
    }
    EXPECT_EQ(s["what"], "combination") << s.dump();
    EXPECT_TRUE(s["old"].is_null()) << s.dump();  // added, never removed nor changed
    structure.push_back(s["key"]);
  }
  EXPECT_EQ(structure, added);

  Json changes = Json::array();
  for (const Json& c : doc["changes"]) {
    // Every moved extreme is now an added combination's.
    EXPECT_NE(std::find(added.begin(), added.end(), c["new_combination"]), added.end()) << c.dump();
    EXPECT_TRUE(c["governing_changed"].get<bool>()) << c.dump();
    changes.push_back(told(c));
  }
  const Json expected = expected_changes(o, n);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(changes, expected);

  RunResult from_exports =
      run_tools(dir_.path(), {"diff", "--format", "json", "--tolerance", "0", "OLD.json", "NEW.json"});
  EXPECT_EQ(from_exports.status, 1) << from_exports.err;
  EXPECT_EQ(from_exports.out, r.out);
}

}  // namespace
}  // namespace toval::testing
