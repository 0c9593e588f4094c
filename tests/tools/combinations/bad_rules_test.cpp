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
            "R.toml:3:1: error: unknown key \"combinations\" in the rules file (keys: titles, sets, actions, "
            "categories)\n");
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
                .rfind("R.toml:1:10: error: \"titles\" is an array of three texts", 0),
            0u);
  EXPECT_EQ(message_for(HEAD + "[[actions]]\ncase = \"G\"\nkind = \"dead\"\n"),
            "R.toml:5:8: error: \"kind\" is \"permanent\" or \"variable\", not \"dead\"\n");
  EXPECT_EQ(
      message_for(HEAD +
                  "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ngamma_sup = \"1.35\"\ngamma_inf = 1\n"),
      "R.toml:6:13: error: the factor \"gamma_sup\" is a number\n");
  EXPECT_EQ(message_for(
                HEAD + "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ngamma_sup = -1.35\ngamma_inf = 1\n"),
            "R.toml:6:13: error: the factor \"gamma_sup\" is negative\n");
  EXPECT_EQ(
      message_for(HEAD + "[[actions]]\ncase = \"G\"\nkind = \"permanent\"\ngamma_sup = inf\ngamma_inf = 1\n"),
      "R.toml:6:13: error: the factor \"gamma_sup\" is not a finite number\n");
  EXPECT_EQ(message_for("titles = [\"A\", \"B\\nC\", \"D\"]\nsets = [\"uls\"]\n" + G),
            "R.toml:1:16: error: a title holds a line end or another control character\n");
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
