// The manual page of toval-tools against the program's own help: every
// subcommand the program lists has its section, and every option a
// subcommand's help names is in the page, so neither can change alone.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/tools_process.h"

namespace toval::testing {
namespace {

const std::string PAGE = read_file(std::string(TOVAL_SOURCE_DIR) + "/docs/toval-tools.1");

// The indented first words of the lines after `heading` up to an empty line.
std::vector<std::string> listed_after(const std::string& help, const std::string& heading) {
  std::vector<std::string> words;
  std::istringstream in(
      help.substr(help.find(heading) == std::string::npos ? help.size() : help.find(heading)));
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line) && !line.empty()) {
    if (line.rfind("  ", 0) != 0 || line[2] == ' ') continue;  // a continued description
    words.push_back(line.substr(2, line.find(' ', 2) - 2));
  }
  return words;
}

// Options as a roff page writes them: every "-" escaped.
std::string in_roff(const std::string& option) {
  std::string r;
  for (char c : option) r += c == '-' ? std::string("\\-") : std::string(1, c);
  return r;
}

TEST(ManualPage, EverySubcommandAndOptionOfTheHelpIsInThePage) {
  ASSERT_FALSE(PAGE.empty());
  TempDir dir;
  RunResult top = run_tools(dir.path(), {"--help"});
  ASSERT_EQ(top.status, 0) << top.err;
  const std::vector<std::string> subcommands = listed_after(top.out, "subcommands:");
  ASSERT_GE(subcommands.size(), 3u) << top.out;
  for (const std::string& option : listed_after(top.out, "options:"))
    EXPECT_NE(PAGE.find(in_roff(option)), std::string::npos) << option;

  for (const std::string& name : subcommands) {
    EXPECT_NE(PAGE.find("\n.SS " + name + "\n"), std::string::npos) << "no section for " << name;
    EXPECT_NE(PAGE.find("\n.B toval-tools " + name + "\n"), std::string::npos) << "no synopsis for " << name;
    RunResult help = run_tools(dir.path(), {"help", name});
    ASSERT_EQ(help.status, 0) << help.err;
    const std::vector<std::string> options = listed_after(help.out, "options:");
    EXPECT_FALSE(options.empty()) << name;
    for (const std::string& option : options) {
      if (option == "--help") continue;  // the page gives it once, for all
      EXPECT_NE(PAGE.find(in_roff(option)), std::string::npos) << name << " " << option;
    }
  }
}

TEST(ManualPage, BothPagesAreInstalledAsSectionOne) {
  const std::string toval = read_file(std::string(TOVAL_SOURCE_DIR) + "/docs/toval.1");
  EXPECT_EQ(toval.rfind(".TH TOVAL 1 ", 0), 0u);
  EXPECT_EQ(PAGE.rfind(".TH TOVAL-TOOLS 1 ", 0), 0u);
  for (const char* part :
       {"\n.SH NAME\n", "\n.SH SYNOPSIS\n", "\n.SH \"EXIT STATUS\"\n", "\n.SH \"SEE ALSO\"\n"}) {
    EXPECT_NE(toval.find(part), std::string::npos) << part;
    EXPECT_NE(PAGE.find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace toval::testing
