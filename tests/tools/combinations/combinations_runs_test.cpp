// The generated file read back by toval and by toval-tools export exactly
// as the same combinations typed by hand; --split; what a failing run
// leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tools/combinations/portal_rules.h"
#include "tools/frame_files.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

const std::vector<std::string> PORTAL_CASES = {"G1", "G2", "Q", "W1", "W2"};

std::string portal_forces() {
  Frame f = portal();
  f.cases = PORTAL_CASES;
  return joined(forces_lines(f));
}

std::string with_sets(const std::string& sets) {
  std::string text = PORTAL_RULES;
  const std::size_t from = text.find("sets = ");
  return text.replace(from, text.find('\n', from) - from, "sets = " + sets);
}

// A combination file typed as a user types it, in the comma form, from
// combinations written "set: 1.35 G1 + 1.5 G2"; its case list in the order
// given.
std::string typed_by_hand(const std::vector<std::string>& cases,
                          const std::vector<std::string>& combinations) {
  std::string file = "TYPED\nPORTICO DE ENSAIO\nCLIENTE DE ENSAIO\nPORTICO 1\nFIMG\n";
  for (const std::string& c : cases) file += c + "\nFIMC\n";
  file += "FIME\n";
  for (const std::string& c : combinations) {
    file += "COMBINACAO\n";
    std::istringstream terms(c.substr(c.find(':') + 1));
    std::string multiplier, name, plus;
    while (terms >> multiplier >> name) {
      file += "    " + multiplier + "," + name + "\n";
      terms >> plus;
    }
    file += "FIMC\n";
  }
  return file + "FIME\n";
}

// The cases that the combinations name, in the portal's action order.
std::vector<std::string> cases_used(const std::vector<std::string>& combinations) {
  std::vector<std::string> used;
  for (const std::string& c : PORTAL_CASES)
    for (const std::string& combination : combinations)
      if ((combination + " ").find(" " + c + " ") != std::string::npos) {
        used.push_back(c);
        break;
      }
  return used;
}

// An export less what the header records and case entries say (names,
// sets, descriptions and the set envelopes), which a file typed with
// other headers says otherwise: the values alone.
std::string values_of(const std::string& export_text) {
  nlohmann::ordered_json doc = nlohmann::ordered_json::parse(export_text);
  for (const char* key : {"case_descriptions", "sets", "set_envelopes"}) doc.erase(key);
  for (auto& c : doc["combinations"]) {
    c.erase("name");
    c.erase("set");
  }
  return doc.dump(1);
}

std::vector<std::string> portal_combinations(const std::string& rules_text) {
  const tools::combinations::Rules rules = rules_from(rules_text);
  return described(rules, tools::combinations::enumerate_combinations(rules, "R.toml"));
}

TEST(CombinationsRuns, TovalReportsTheGeneratedFileAsTheSameCombinationsTypedByHand) {
  TempDir generated, typed;
  const std::string rules = with_sets("[\"sls_characteristic\"]");
  generated.write("R.toml", rules);
  RunResult r = run_tools(generated.path(), {"combinations", "-o", "P.CMB", "R.toml"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");  // 5 cases and 8 combinations: toval takes it
  typed.write("P.CMB", typed_by_hand(PORTAL_CASES, portal_combinations(rules)));
  for (const TempDir* d : {&generated, &typed}) d->write("P.ESF", portal_forces());

  RunResult from_generated = run_program(generated.path(), "P.CMB\nP.ESF\n");
  RunResult from_typed = run_program(typed.path(), "P.CMB\nP.ESF\n");
  ASSERT_EQ(from_generated.status, 0) << from_generated.err;
  EXPECT_EQ(from_generated.out, from_typed.out);
  EXPECT_EQ(generated.read("P.TOV"), typed.read("P.TOV"));
  EXPECT_NE(generated.read("P.TOV").find("COMBINACAO"), std::string::npos);

  RunResult export_generated = run_tools(generated.path(), {"export", "P.CMB", "P.ESF"});
  RunResult export_typed = run_tools(typed.path(), {"export", "P.CMB", "P.ESF"});
  ASSERT_EQ(export_generated.status, 0) << export_generated.err;
  EXPECT_EQ(values_of(export_generated.out), values_of(export_typed.out));
}

TEST(CombinationsRuns, TheFileInItsColumns) {
  TempDir dir;
  dir.write("R.toml", with_sets("[\"sls_quasi_permanent\"]"));
  RunResult r = run_tools(dir.path(), {"combinations", "--lang", "en", "R.toml"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "COMBINATIONS GENERATED FROM THE RULES OF R.toml\r\n"
            "PORTICO DE ENSAIO\r\nCLIENTE DE ENSAIO\r\nPORTICO 1\r\nFIMG\r\n"
            "G1   PERMANENT\r\nFIMC\r\nG2   PERMANENT\r\nFIMC\r\nQ    VARIABLE\r\nFIMC\r\n"
            "W1   VARIABLE - GROUP: wind\r\nFIMC\r\nW2   VARIABLE - GROUP: wind\r\nFIMC\r\nFIME\r\n"
            "SLS QUASI-PERMANENT 1 - VARIABLE: NONE\r\n"
            "           1.0G1  \r\n"
            "           1.0G2  \r\n"
            "FIMC\r\n"
            "SLS QUASI-PERMANENT 2 - VARIABLE: Q\r\n"
            "           1.0G1  \r\n"
            "           1.0G2  \r\n"
            "           0.3Q   \r\n"
            "FIMC\r\n"
            "FIME\r\n");
}

TEST(CombinationsRuns, SplitFilesEachTovalsSizeWithOnlyTheCasesTheyUse) {
  TempDir dir, typed;
  dir.write("R.toml", PORTAL_RULES);
  dir.write("P.ESF", portal_forces());
  typed.write("P.ESF", portal_forces());
  RunResult r = run_tools(dir.path(), {"combinations", "-o", "P.CMB", "--split", "10", "R.toml"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::vector<std::string> all = portal_combinations(PORTAL_RULES);
  ASSERT_EQ(all.size(), 48u);
  EXPECT_EQ(directory_names(dir.path()), (std::vector<std::string>{"P-1.CMB", "P-2.CMB", "P-3.CMB", "P-4.CMB",
                                                                   "P-5.CMB", "P.ESF", "R.toml"}));
  for (std::size_t k = 0; k < 5; ++k) {
    const std::string name = "P-" + std::to_string(k + 1) + ".CMB";
    const std::vector<std::string> part(
        all.begin() + static_cast<std::ptrdiff_t>(10 * k),
        all.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(10 * k + 10, 48)));
    typed.write(name, typed_by_hand(cases_used(part), part));
    RunResult report = run_program(dir.path(), name + "\nP.ESF\n");
    EXPECT_EQ(report.status, 0) << name << report.err;
    RunResult a = run_tools(dir.path(), {"export", name, "P.ESF"});
    RunResult b = run_tools(typed.path(), {"export", name, "P.ESF"});
    ASSERT_EQ(a.status, 0) << name << a.err;
    EXPECT_EQ(values_of(a.out), values_of(b.out)) << name;
  }
  // The last part holds frequent 1-6 and quasi-permanent 1-2: all five cases.
  EXPECT_NE(dir.read("P-5.CMB").find(
                "FIMG\r\nG1   PERMANENTE\r\nFIMC\r\nG2   PERMANENTE\r\nFIMC\r\n"
                "Q    VARIAVEL\r\nFIMC\r\nW1   VARIAVEL - GRUPO: wind\r\nFIMC\r\n"
                "W2   VARIAVEL - GRUPO: wind\r\nFIMC\r\nFIME\r\nELS FREQUENTE 1 - PRINCIPAL: NENHUMA\r\n"),
            std::string::npos);
}

TEST(CombinationsRuns, SplitFilesStandBesideTheTargetWithOnlyTheirCases) {
  TempDir dir;
  std::string rules = "titles = [\"A\", \"B\", \"C\"]\nsets = [\"sls_characteristic\"]\n";
  for (int k = 1; k <= 12; ++k)
    rules +=
        "[[actions]]\ncase = \"Q" + std::to_string(k) + "\"\nkind = \"variable\"\npsi0 = 0\ngroup = \"g\"\n";
  dir.write("R.toml", rules);
  RunResult r = run_tools(dir.path(), {"combinations", "-o", "dir.d/P", "--split", "10", "R.toml"});
  ASSERT_EQ(r.status, 1);  // the folder does not exist
  std::filesystem::create_directory(dir.file("dir.d"));
  r = run_tools(dir.path(), {"combinations", "-o", "dir.d/P", "--split", "10", "R.toml"});
  ASSERT_EQ(r.status, 0) << r.err;
  // Twelve combinations of one case each; the number goes before a point
  // of the name, never of the folder.
  EXPECT_EQ(directory_names(dir.file("dir.d")), (std::vector<std::string>{"P-1", "P-2"}));
  const std::string second = dir.read("dir.d/P-2");
  EXPECT_NE(
      second.find("FIMG\r\nQ11  VARIAVEL - GRUPO: g\r\nFIMC\r\nQ12  VARIAVEL - GRUPO: g\r\nFIMC\r\nFIME\r\n"),
      std::string::npos)
      << second;
}

TEST(CombinationsRuns, BeyondTovalsCapacitiesWarnsAndWritesTheWholeFile) {
  TempDir dir;
  dir.write("R.toml", PORTAL_RULES);
  dir.write("P.ESF", portal_forces());
  RunResult r = run_tools(dir.path(), {"combinations", "-o", "P.CMB", "R.toml"});
  ASSERT_EQ(r.status, 0);
  // run_tools gives the error stream with LF line ends on every system.
  EXPECT_EQ(
      r.err,
      "R.toml: warning: 48 combinations, more than toval takes (10 cases, 10 combinations, 10 terms in one); "
      "the file is written for toval-tools, and -o FILE --split 10 writes files that toval takes\n");
  TempDir typed;
  typed.write("P.ESF", portal_forces());
  typed.write("P.CMB", typed_by_hand(PORTAL_CASES, portal_combinations(PORTAL_RULES)));
  RunResult a = run_tools(dir.path(), {"export", "P.CMB", "P.ESF"});
  if (a.status != 0 && a.err.find("F6510") != std::string::npos)
    GTEST_SKIP() << "toval-tools still takes toval's 10 combinations";
  RunResult b = run_tools(typed.path(), {"export", "P.CMB", "P.ESF"});
  ASSERT_EQ(a.status, 0) << a.err;
  EXPECT_EQ(values_of(a.out), values_of(b.out));
}

TEST(CombinationsRuns, BadRulesExitOneAndWriteNothing) {
  TempDir dir;
  dir.write("R.toml", "titles = [\"A\", \"B\", \"C\"]\nsets = [\"uls\"\n");
  dir.write("OLD.CMB", "old content\n");
  for (const char* target : {"NEW.CMB", "OLD.CMB"}) {
    RunResult r = run_tools(dir.path(), {"combinations", "-o", target, "--split", "2", "R.toml"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("R.toml:2:15: error: ", 0), 0u) << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(directory_names(dir.path()), (std::vector<std::string>{"OLD.CMB", "R.toml"}));
  EXPECT_EQ(dir.read("OLD.CMB"), "old content\n");
  // Rules that give nothing to write.
  dir.write("R.toml",
            "titles = [\"A\", \"B\", \"C\"]\nsets = [\"sls_quasi_permanent\"]\n"
            "[[actions]]\ncase = \"W\"\nkind = \"variable\"\npsi2 = 0.0\n");
  RunResult none = run_tools(dir.path(), {"combinations", "R.toml"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find("R.toml: error: the rules give no combination"), std::string::npos) << none.err;
}

TEST(CombinationsRuns, CommandLineMistakesExitTwoAndTheInputIsNeverTheOutput) {
  TempDir dir;
  dir.write("R.toml", PORTAL_RULES);
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"combinations"},
                                             {"combinations", "--split", "10", "R.toml"},
                                             {"combinations", "-o", "-", "--split", "10", "R.toml"},
                                             {"combinations", "-o", "P.CMB", "--split", "11", "R.toml"},
                                             {"combinations", "-o", "P.CMB", "--split", "0", "R.toml"},
                                             {"combinations", "-o", "P.CMB", "--split", "x", "R.toml"},
                                             {"combinations", "--lang", "fr", "R.toml"},
                                             {"combinations", "R.toml", "S.toml"}}) {
    RunResult r = run_tools(dir.path(), args);
    EXPECT_EQ(r.status, 2) << args.size() << " " << r.err;
    EXPECT_NE(r.err.find("usage: toval-tools combinations"), std::string::npos) << r.err;
  }
  RunResult same = run_tools(dir.path(), {"combinations", "-o", "R.toml", "R.toml"});
  EXPECT_EQ(same.status, 1);
  EXPECT_EQ(dir.read("R.toml"), PORTAL_RULES);
  RunResult missing = run_tools(dir.path(), {"combinations", "NONE.toml"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("F6520"), std::string::npos) << missing.err;
  EXPECT_EQ(directory_names(dir.path()), std::vector<std::string>{"R.toml"});
}

TEST(CombinationsRuns, TheExampleRulesFilesGiveTheirFiles) {
  TempDir dir;
  copy_example(dir);
  const std::string examples = std::string(TOVAL_SOURCE_DIR) + "/examples/";
  dir.write("galpao-rules.toml", read_file(examples + "galpao-rules.toml"));
  dir.write("portal-rules.toml", read_file(examples + "portal-rules.toml"));
  RunResult r = run_tools(dir.path(), {"combinations", "-o", "GALPAO-ELU.CMB", "galpao-rules.toml"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");  // ten combinations: as many as toval takes
  RunResult run = run_program(dir.path(), "GALPAO-ELU.CMB\nGALPAO.ESF\n");
  EXPECT_EQ(run.status, 0) << run.err;
  RunResult portal =
      run_tools(dir.path(), {"combinations", "-o", "PORTAL.CMB", "--split", "10", "portal-rules.toml"});
  EXPECT_EQ(portal.status, 0) << portal.err;
  EXPECT_TRUE(dir.exists("PORTAL-5.CMB"));
}

}  // namespace
}  // namespace toval::testing
