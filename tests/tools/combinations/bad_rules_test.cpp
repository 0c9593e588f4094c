// Rules files that are wrong: each gives one message with the file, line
// and column of the mistake.
#include <gtest/gtest.h>

#include "records/run_error.h"
#include "tools/combinations/portal_rules.h"
#include "tools/combinations/rules_file.h"

namespace toval::testing {
namespace {

const std::string HEAD = "titles = [\"A\", \"B\", \"C\"]\nsets = [\"uls\"]\n";
const std::string G = "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ngamma_sup = 1.35\ngamma_inf = 1.0\n";

std::string message_for(const std::string& text) {
  std::vector<std::string> warnings;
  try {
    tools::combinations::parse_rules(text, "R.toml", warnings);
  } catch (const RunError& e) {
    return e.what();
  }
  return "no error";
}

TEST(BadRules, SyntaxErrorsAtTheLibrarysLineAndColumn) {
  const std::string m = message_for(HEAD + G + "gamma = = 1\n");
  EXPECT_EQ(m.rfind("R.toml:8:9: error: ", 0), 0u) << m;
  EXPECT_EQ(message_for(HEAD + "[[actions]]\ncase = \"G\"\ncase = \"H\"\n").rfind("R.toml:5:", 0), 0u);
}

TEST(BadRules, UnknownKeysWhereverTheyStand) {
  EXPECT_EQ(message_for(HEAD + "combinations = 3\n" + G),
            "R.toml:3:1: error: unknown key \"combinations\" in the rules file (keys: titles, sets, units, "
            "actions, categories)\n");
  EXPECT_EQ(
      message_for(HEAD + G + "psi0 = 0.5\n"),
      "R.toml:8:1: error: unknown key \"psi0\" in a permanent action (keys: case, kind, category, gamma_sup, "
      "gamma_inf, source, description)\n");
  EXPECT_EQ(
      message_for(HEAD +
                  "[[actions]]\ncase = \"Q\"\nkind = \"variable\"\ngamma = 1.5\npsi0 = 0.7\nsource = \"s\"\n")
          .rfind("R.toml:8:1: error: unknown key \"source\" in a variable action", 0),
      0u);
  EXPECT_EQ(message_for(HEAD + "[categories.wind]\npsi_0 = 0.6\n" + G)
                .rfind("R.toml:4:1: error: unknown key \"psi_0\" in the category \"wind\"", 0),
            0u);
}

TEST(BadRules, AFactorThatARequestedSetNeedsIsMissing) {
  const std::string q = "[[actions]]\ncase = \"Q\"\nkind = \"variable\"\ngamma = 1.5\npsi0 = 0.7\n";
  EXPECT_EQ(message_for(HEAD + G + q), "no error");  // psi1, psi2: no set here needs them
  EXPECT_EQ(
      message_for("titles = [\"A\", \"B\", \"C\"]\nsets = [\"uls\", \"sls_frequent\"]\n" + G + q),
      "R.toml:8:1: error: the action \"Q\" has no factor \"psi1\", which the set \"sls_frequent\" needs (on "
      "the action or in its category)\n");
  EXPECT_EQ(
      message_for(HEAD + "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ngamma_sup = 1.35\n")
          .rfind(
              "R.toml:3:1: error: the action \"G\" has no factor \"gamma_inf\", which the set \"uls\" needs",
              0),
      0u);
  // A category that lacks the factor does not hide the fault.
  EXPECT_EQ(
      message_for(
          HEAD +
          "[categories.q]\ngamma = 1.5\n[[actions]]\ncase = \"Q\"\nkind = \"variable\"\ncategory = \"q\"\n")
          .rfind("R.toml:5:1: error: the action \"Q\" has no factor \"psi0\"", 0),
      0u);
  EXPECT_EQ(message_for(HEAD + "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ncategory = \"dead\"\n"),
            "R.toml:6:12: error: no category \"dead\" is given in [categories]\n");
}

TEST(BadRules, CaseNamesLongerThanFourOrRepeated) {
  EXPECT_EQ(message_for(HEAD + "[[actions]]\ncase = \"G123A\"\nkind = \"permanent\"\n"),
            "R.toml:4:8: error: the case name \"G123A\" is longer than 4 characters\n");
  EXPECT_EQ(message_for(HEAD + G + G),
            "R.toml:9:8: error: the case name \"G\" is given to action 1 already\n");
  // Blanks at the end are padding: "G  " is "G".
  EXPECT_EQ(message_for(HEAD + G +
                        "[[actions]]\ncase = \"G  \"\nkind = \"permanent\"\ngamma_sup = 1\ngamma_inf = 1\n"),
            "R.toml:9:8: error: the case name \"G\" is given to action 1 already\n");
  EXPECT_EQ(message_for(HEAD + "[[actions]]\ncase = \"\"\nkind = \"permanent\"\n"),
            "R.toml:4:8: error: the case name is blank\n");
  EXPECT_EQ(message_for(HEAD + "[[actions]]\ncase = \"G,1\"\nkind = \"permanent\"\n")
                .rfind("R.toml:4:8: error: the case name \"G,1\" holds a comma", 0),
            0u);
  EXPECT_EQ(message_for(HEAD + "[[actions]]\ncase = \"FIME\"\nkind = \"permanent\"\n"),
            "R.toml:4:8: error: the case name \"FIME\" is a marker of the combination file\n");
}

TEST(BadRules, AGroupNamingOneActionOnly) {
  const std::string w =
      "[[actions]]\ncase = \"W1\"\nkind = \"variable\"\ngamma = 1.4\npsi0 = 0.6\ngroup = \"wind\"\n";
  EXPECT_EQ(
      message_for(HEAD + G + w).rfind("R.toml:13:9: error: the group \"wind\" names this action only", 0),
      0u);
}

TEST(BadRules, SetsEmptyOrUnknownOrAbsent) {
  const std::string titles = "titles = [\"A\", \"B\", \"C\"]\n";
  EXPECT_EQ(message_for(titles + "sets = [\"uls\", \"\"]\n" + G),
            "R.toml:2:16: error: an empty entry in \"sets\"\n");
  EXPECT_EQ(message_for(titles + "sets = [\"uls\", \"sls_rare\"]\n" + G),
            "R.toml:2:16: error: unknown set \"sls_rare\" in \"sets\" (sets: uls, sls_characteristic, "
            "sls_frequent, "
            "sls_quasi_permanent)\n");
  EXPECT_EQ(message_for(titles + "sets = []\n" + G).rfind("R.toml:2:8: error: \"sets\" is empty", 0), 0u);
  EXPECT_EQ(message_for(titles + G).rfind("R.toml:1:1: error: the rules file has no \"sets\"", 0), 0u);
}

TEST(BadRules, ValuesOfTheWrongKind) {
  EXPECT_EQ(message_for("titles = [\"A\", \"B\"]\nsets = [\"uls\"]\n" + G)
                .rfind("R.toml:1:10: error: \"titles\" must be an array of three texts", 0),
            0u);
  EXPECT_EQ(message_for(HEAD + "[[actions]]\ncase = \"G\"\nkind = \"dead\"\n"),
            "R.toml:5:8: error: \"kind\" must be \"permanent\" or \"variable\", not \"dead\"\n");
  EXPECT_EQ(
      message_for(HEAD +
                  "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ngamma_sup = \"1.35\"\ngamma_inf = 1\n"),
      "R.toml:6:13: error: the factor \"gamma_sup\" must be a number, not the text \"1.35\"\n");
  EXPECT_EQ(message_for(
                HEAD + "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ngamma_sup = -1.35\ngamma_inf = 1\n"),
            "R.toml:6:13: error: the factor \"gamma_sup\" is negative\n");
  EXPECT_EQ(
      message_for(HEAD + "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ngamma_sup = inf\ngamma_inf = 1\n"),
      "R.toml:6:13: error: the factor \"gamma_sup\" is not a finite number\n");
  EXPECT_EQ(message_for("titles = [\"A\", \"B\\nC\", \"D\"]\nsets = [\"uls\"]\n" + G),
            "R.toml:1:16: error: a title holds a line end or another control character\n");
}

// units = ["kN", "m"]: two names under the rule of --units, or nothing.
TEST(BadRules, UnitsAreTwoNamesOrAbsent) {
  const auto units_of = [](const std::string& line) {
    std::vector<std::string> warnings;
    return tools::combinations::parse_rules(HEAD + line + G, "R.toml", warnings).units;
  };
  EXPECT_FALSE(units_of(""));
  const std::optional<tools::cli::Units> u = units_of("units = [\"kN\", \"m\"]\n");
  ASSERT_TRUE(u);
  EXPECT_EQ(u->force, "kN");
  EXPECT_EQ(u->length, "m");
  EXPECT_EQ(units_of("units = [\"tf\", \"cm\"]\n")->length, "cm");
  EXPECT_EQ(message_for(HEAD + "units = \"kN,m\"\n" + G),
            "R.toml:3:9: error: \"units\" must be an array of two texts (the force's and the length's, as "
            "[\"kN\", \"m\"]), not the text \"kN,m\"\n");
  EXPECT_EQ(message_for(HEAD + "units = [\"kN\"]\n" + G).rfind("R.toml:3:9: error: \"units\" must be", 0),
            0u);
  EXPECT_EQ(message_for(HEAD + "units = [\"kN\", 1]\n" + G),
            "R.toml:3:16: error: the length's unit must be a text in quotes, not the number 1\n");
  for (const char* bad : {"[\"\", \"m\"]", "[\"kN \", \"m\"]", "[\"kN\", \"\\tm\"]"})
    EXPECT_EQ(message_for(HEAD + "units = " + bad + "\n" + G),
              "R.toml:3:9: error: a unit is empty, has a blank at an end or holds a tab\n")
        << bad;
}

// Each message says what was expected and what stands there instead.
TEST(BadRules, WhatWasExpectedAndWhatWasFound) {
  const std::string q = "[[actions]]\ncase = \"Q\"\nkind = \"variable\"\ngamma = 1.5\npsi0 = 0.7\n";
  EXPECT_EQ(message_for(HEAD + G + q + "psi2 = \"0.3\"\n"),
            "R.toml:13:8: error: the factor \"psi2\" must be a number, not the text \"0.3\"\n");
  EXPECT_EQ(message_for(HEAD + G + q + "psi1 = true\n"),
            "R.toml:13:8: error: the factor \"psi1\" must be a number, not true\n");
  EXPECT_EQ(message_for(HEAD + G + q + "psi1 = [0, 5]\n"),
            "R.toml:13:8: error: the factor \"psi1\" must be a number, not an array of 2 values\n");
  EXPECT_EQ(message_for("titles = [\"A\", \"B\"]\nsets = [\"uls\"]\n" + G),
            "R.toml:1:10: error: \"titles\" must be an array of three texts (the project, the client and the "
            "frame), not an array of 2 values\n");
  EXPECT_EQ(message_for("titles = [\"A\", 2, \"C\"]\nsets = [\"uls\"]\n" + G),
            "R.toml:1:16: error: a title must be a text in quotes, not the number 2\n");
  EXPECT_EQ(message_for("titles = [\"A\", \"B\", \"C\"]\nsets = \"uls\"\n" + G),
            "R.toml:2:8: error: \"sets\" must be an array of the sets wanted, not the text \"uls\"\n");
  EXPECT_EQ(
      message_for(HEAD + "actions = 3\n"),
      "R.toml:3:11: error: \"actions\" must be a list of tables, each begun by [[actions]], not the number "
      "3\n");
}

// The TOML grammar has no decimal comma: the parser's own words, then the
// same hint as the combination file gives.
TEST(BadRules, ADecimalCommaGetsAHint) {
  const std::string q = "[[actions]]\ncase = \"Q\"\nkind = \"variable\"\npsi0 = 0.7\n";
  const std::string m = message_for(HEAD + G + q + "gamma = 1,5\n");
  EXPECT_EQ(m.rfind("R.toml:12:10: error: ", 0), 0u) << m;
  EXPECT_NE(m.find("; a decimal comma ended the number \"1,5\" (write it with a point, as 1.5)\n"),
            std::string::npos)
      << m;
  EXPECT_NE(message_for(HEAD + "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ngamma_sup = -12,25\n")
                .find("\"-12,25\" (write it with a point, as -12.25)"),
            std::string::npos);
  // A comma that is not between digits is another mistake, told without it.
  EXPECT_EQ(message_for(HEAD + G + q + "gamma = 1,\n").find("decimal comma"), std::string::npos);
  EXPECT_EQ(message_for(HEAD + G + q + "gamma = 1 ,5\n").find("decimal comma"), std::string::npos);
}

TEST(BadRules, FactorsAreTakenAsWritten) {
  const tools::combinations::Rules rules =
      rules_from(HEAD +
                 "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\n"
                 "gamma_sup = 1.123456789012345678  # more digits than a double holds\n"
                 "gamma_inf = 0x1\n");
  EXPECT_EQ(rules.actions[0].gamma_sup->digits, "1123456789012345678");
  EXPECT_EQ(rules.actions[0].gamma_sup->scale, 18);
  EXPECT_EQ(tools::combinations::multiplier_text(*rules.actions[0].gamma_inf), "1.0");
}

TEST(BadRules, ALongTitleIsCutWithAWarning) {
  std::vector<std::string> warnings;
  const tools::combinations::Rules rules = tools::combinations::parse_rules(
      "titles = [\"" + std::string(45, 'T') + "\", \"B\", \"C\"]\nsets = [\"uls\"]\n" + G, "R.toml",
      warnings);
  EXPECT_EQ(rules.titles[0], std::string(40, 'T'));
  EXPECT_EQ(warnings, std::vector<std::string>{
                          "R.toml:1:11: warning: the title is longer than 40 columns; it is cut there\n"});
}

}  // namespace
}  // namespace toval::testing
