// The option parser shared by the subcommands.
#include "tools/cli/options.h"

#include <gtest/gtest.h>

#include "tools/cli/usage_error.h"

namespace toval::tools::cli {
namespace {

constexpr OptionDefinition DEFINITIONS[] = {
    {"format", '\0', true, "json|csv"},
    {"output", 'o', true, "FILE"},
    {"quiet", 'q', false, "VALUE"},
};

Options parse(std::vector<std::string> args) {
  return Options(DEFINITIONS, args);
}

std::string usage_message(std::vector<std::string> args) {
  try {
    parse(std::move(args));
  } catch (const UsageError& e) {
    return e.what();
  }
  return "(accepted)";
}

TEST(Options, ValuesInEveryWrittenFormAndPositionalsInOrder) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"a", "--format", "csv", "-o", "out", "b"},
        std::vector<std::string>{"--format=csv", "a", "--output=out", "b"},
        std::vector<std::string>{"a", "b", "-oout", "--format", "csv"},
        std::vector<std::string>{"--output", "out", "--format=csv", "--", "a", "b"}}) {
    Options o = parse(args);
    EXPECT_EQ(o.value("format"), "csv");
    EXPECT_EQ(o.value("output"), "out");
    EXPECT_FALSE(o.has("quiet"));
    EXPECT_EQ(o.positionals(), (std::vector<std::string>{"a", "b"}));
  }
}

TEST(Options, FlagsDashAndDoubleDash) {
  Options o = parse({"-q", "-", "--", "--format", "-o"});
  EXPECT_TRUE(o.has("quiet"));
  EXPECT_FALSE(o.has("format"));
  EXPECT_EQ(o.value("quiet"), "");
  EXPECT_EQ(o.positionals(), (std::vector<std::string>{"-", "--format", "-o"}));
  // A value that looks like an option is still the value.
  EXPECT_EQ(parse({"-o", "--format"}).value("output"), "--format");
  EXPECT_EQ(parse({"--output", "-"}).value("output"), "-");
}

TEST(Options, EveryFaultIsAUsageErrorNamingTheOption) {
  EXPECT_EQ(usage_message({"--colour"}), "unknown option '--colour'");
  EXPECT_EQ(usage_message({"--colour=red"}), "unknown option '--colour'");
  EXPECT_EQ(usage_message({"-z"}), "unknown option '-z'");
  EXPECT_EQ(usage_message({"-zq"}), "unknown option '-z'");
  EXPECT_EQ(usage_message({"--format"}), "option --format needs a value (json|csv)");
  EXPECT_EQ(usage_message({"a", "-o"}), "option -o needs a value (FILE)");
  EXPECT_EQ(usage_message({"--quiet=yes"}), "option --quiet takes no value");
  EXPECT_EQ(usage_message({"-qx"}), "option -q takes no value");
  EXPECT_EQ(usage_message({"-q", "--quiet"}), "option --quiet given more than once");
  EXPECT_EQ(usage_message({"-o", "a", "-ob"}), "option -o given more than once");
  EXPECT_THROW(parse({"a", "--help", "--colour"}), HelpRequested);
}

TEST(Options, PositionalCountsAreChecked) {
  constexpr std::string_view names[] = {"FIRST", "SECOND"};
  auto check = [&](std::vector<std::string> args) -> std::string {
    try {
      parse(std::move(args)).expect_positionals(names);
    } catch (const UsageError& e) {
      return e.what();
    }
    return "(accepted)";
  };
  EXPECT_EQ(check({}), "missing argument FIRST");
  EXPECT_EQ(check({"a"}), "missing argument SECOND");
  EXPECT_EQ(check({"a", "b"}), "(accepted)");
  EXPECT_EQ(check({"a", "b", "c", "d"}), "unexpected argument 'c'");
}

}  // namespace
}  // namespace toval::tools::cli
