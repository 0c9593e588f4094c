// The command-line conventions of toval-tools, run on the built program:
// help, version, usage errors and how run-ending faults are reported.
#include <gtest/gtest.h>

#include "tools/export/export_command.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

constexpr const char* PROGRAM_USAGE =
    "usage: toval-tools [--help | --version | help SUBCOMMAND | SUBCOMMAND ARGUMENTS...]\n";
constexpr const char* EXPORT_USAGE =
    "usage: toval-tools export [--format json|csv|xlsx] [--table NAME] [--units FORCE,LENGTH] [-o FILE] "
    "COMBINATION_FILE FORCES_FILE\n";

TEST(ToolsConventions, HelpListsEverySubcommandAndVersionIsOneLine) {
  TempDir dir;
  for (const char* option : {"--help", "-h", "help"}) {
    RunResult help = run_tools(dir.path(), {option});
    EXPECT_EQ(help.status, 0) << option;
    EXPECT_EQ(help.err, "") << option;
    EXPECT_EQ(help.out.rfind(PROGRAM_USAGE, 0), 0u) << option;
    EXPECT_NE(help.out.find("\n  export    every result of a run as JSON, CSV or a workbook\n"),
              std::string::npos)
        << option;
  }
  RunResult version = run_tools(dir.path(), {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "toval-tools 1.0.0\n");
  EXPECT_EQ(version.err, "");
}

TEST(ToolsConventions, HelpOfASubcommandIsItsWholeText) {
  TempDir dir;
  const std::string expected(tools::export_::export_command().help);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"help", "export"}, std::vector<std::string>{"export", "--help"},
        std::vector<std::string>{"export", "a", "--help", "--bogus"}}) {
    RunResult r = run_tools(dir.path(), args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");
  }
  EXPECT_EQ(expected.rfind(EXPORT_USAGE, 0), 0u);  // the help starts with the usage line
}

struct UsageCase {
  std::vector<std::string> args;
  std::string message;  // the line after "toval-tools: "
  const char* usage;
};

TEST(ToolsConventions, EveryUsageErrorNamesTheFaultShowsTheUsageAndExitsTwo) {
  TempDir dir;
  copy_example(dir);
  const UsageCase cases[] = {
      {{}, "a subcommand is needed", PROGRAM_USAGE},
      {{"frobnicate"}, "unknown subcommand 'frobnicate'", PROGRAM_USAGE},
      {{"--verbose"}, "unknown option '--verbose'", PROGRAM_USAGE},
      {{"--version", "export"}, "unexpected argument 'export' after --version", PROGRAM_USAGE},
      {{"--help", "x"}, "unexpected argument 'x' after --help", PROGRAM_USAGE},
      {{"help", "frobnicate"}, "unknown subcommand 'frobnicate'", "usage: toval-tools help SUBCOMMAND\n"},
      {{"help", "export", "x"},
       "unexpected argument 'x' after help export",
       "usage: toval-tools help SUBCOMMAND\n"},
      {{"export"}, "missing argument COMBINATION_FILE", EXPORT_USAGE},
      {{"export", "GALPAO.CMB"}, "missing argument FORCES_FILE", EXPORT_USAGE},
      {{"export", "GALPAO.CMB", "GALPAO.ESF", "third"}, "unexpected argument 'third'", EXPORT_USAGE},
      {{"export", "--bogus", "GALPAO.CMB", "GALPAO.ESF"}, "unknown option '--bogus'", EXPORT_USAGE},
      {{"export", "--bogus=1", "GALPAO.CMB", "GALPAO.ESF"}, "unknown option '--bogus'", EXPORT_USAGE},
      {{"export", "-x", "GALPAO.CMB", "GALPAO.ESF"}, "unknown option '-x'", EXPORT_USAGE},
      {{"export", "GALPAO.CMB", "GALPAO.ESF", "--format"},
       "option --format needs a value (json|csv|xlsx)",
       EXPORT_USAGE},
      {{"export", "GALPAO.CMB", "GALPAO.ESF", "-o"}, "option -o needs a value (FILE)", EXPORT_USAGE},
      {{"export", "GALPAO.CMB", "GALPAO.ESF", "--output"},
       "option --output needs a value (FILE)",
       EXPORT_USAGE},
      {{"export", "--format", "xml", "GALPAO.CMB", "GALPAO.ESF"},
       "bad value 'xml' for --format (json, csv or xlsx)",
       EXPORT_USAGE},
      {{"export", "--format=", "GALPAO.CMB", "GALPAO.ESF"},
       "bad value '' for --format (json, csv or xlsx)",
       EXPORT_USAGE},
      {{"export", "--format", "json", "--format=csv", "GALPAO.CMB", "GALPAO.ESF"},
       "option --format given more than once",
       EXPORT_USAGE},
      {{"export", "-o", "a", "--output", "b", "GALPAO.CMB", "GALPAO.ESF"},
       "option --output given more than once",
       EXPORT_USAGE},
      {{"export", "--table", "nodes", "GALPAO.CMB", "GALPAO.ESF"},
       "option --table needs --format csv or xlsx",
       EXPORT_USAGE},
      {{"export", "--format", "xlsx", "GALPAO.CMB", "GALPAO.ESF"},
       "--format xlsx needs -o FILE.xlsx (a workbook is written to a file only)",
       EXPORT_USAGE},
      {{"export", "--format", "xlsx", "--table", "bars", "-o", "-", "GALPAO.CMB", "GALPAO.ESF"},
       "--format xlsx needs -o FILE.xlsx (a workbook is written to a file only)",
       EXPORT_USAGE},
      {{"export", "--format", "xlsx", "-o", "book/", "GALPAO.CMB", "GALPAO.ESF"},
       "--format xlsx needs -o FILE.xlsx (a workbook is written to a file only)",
       EXPORT_USAGE},
      {{"export", "--format", "csv", "--table", "node", "GALPAO.CMB", "GALPAO.ESF"},
       "bad value 'node' for --table (nodes, bars, combinations, displacements, combined_displacements, "
       "reactions, combined_reactions, reaction_envelope, bar_forces, envelope, pairs, set_envelopes, "
       "displacement_envelope, node_displacements, combined_node_displacements, node_displacement_envelope, "
       "set_node_envelopes, case_bar_forces)",
       EXPORT_USAGE},
      {{"export", "--format", "csv", "GALPAO.CMB", "GALPAO.ESF"},
       "--format csv needs --table NAME, or -o DIR/ for every table",
       EXPORT_USAGE},
      {{"export", "--format", "csv", "-o", "-", "GALPAO.CMB", "GALPAO.ESF"},
       "--format csv needs --table NAME, or -o DIR/ for every table",
       EXPORT_USAGE},
      {{"export", "-o", "", "GALPAO.CMB", "GALPAO.ESF"},
       "bad value '' for -o (a file name, or - for standard output)",
       EXPORT_USAGE},
      {{"export", "--output=", "GALPAO.CMB", "GALPAO.ESF"},
       "bad value '' for -o (a file name, or - for standard output)",
       EXPORT_USAGE},
  };
  for (const UsageCase& c : cases) {
    std::string shown;
    for (const auto& a : c.args) shown += a + " ";
    RunResult r = run_tools(dir.path(), c.args);
    EXPECT_EQ(r.status, 2) << shown;
    EXPECT_EQ(r.out, "") << shown;
    EXPECT_EQ(r.err, "toval-tools: " + c.message + "\n" + c.usage) << shown;
  }
  // None of them wrote anything.
  EXPECT_EQ(directory_names(dir.path()), (std::vector<std::string>{"GALPAO.CMB", "GALPAO.ESF"}));
}

TEST(ToolsConventions, DoubleDashEndsTheOptions) {
  TempDir dir;
  copy_example(dir);
  // After "--" a name that starts with a dash is a file name.
  RunResult r = run_tools(dir.path(), {"export", "--", "-o", "GALPAO.ESF"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "\nrun-time error F6520: OPEN(-o)\n- the combination file cannot be opened for reading\n");
}

TEST(ToolsConventions, AnInputThatCannotBeOpenedEndsTheRunWithStatusOne) {
  TempDir dir;
  copy_example(dir);
  RunResult r = run_tools(dir.path(), {"export", "GALPAO.CMB", "MISSING.ESF"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "\nrun-time error F6520: OPEN(MISSING.ESF)\n- the forces file cannot be opened for reading\n");
  // A directory opens on some systems but can never be read as a file.
  r = run_tools(dir.path(), {"export", ".", "GALPAO.ESF"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "\nrun-time error F6520: OPEN(.)\n- the combination file cannot be opened for reading\n");
}

TEST(ToolsConventions, AReadFaultGivesExactlyTheMessageThatTovalGives) {
  TempDir dir;
  copy_example(dir);
  // The forces file cut short in its bar section.
  const std::string forces = dir.read("GALPAO.ESF");
  dir.write("CUT.ESF", forces.substr(0, forces.size() / 3));
  RunResult toval = run_program(dir.path(), "GALPAO.CMB\nCUT.ESF\n");
  ASSERT_EQ(toval.status, 1);
  const std::string message = toval.err;
  ASSERT_NE(message.find("run-time error F65"), std::string::npos);

  RunResult tools = run_tools(dir.path(), {"export", "GALPAO.CMB", "CUT.ESF"});
  EXPECT_EQ(tools.status, 1);
  EXPECT_EQ(tools.out, "");
  EXPECT_EQ(tools.err, message);
}

TEST(ToolsConventions, TheSymmetryAxisLineNeverReachesStandardOutput) {
  TempDir dir;
  copy_example(dir);
  RunResult r = run_tools(dir.path(), {"export", "GALPAO.CMB", "GALPAO.ESF"});
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  ASSERT_FALSE(r.out.empty());
  EXPECT_EQ(r.out.front(), '{');
  EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");
}

}  // namespace
}  // namespace toval::testing
