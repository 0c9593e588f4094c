// Where the export goes: standard output, -o FILE replaced only when
// complete, never an input, and a failure to write reported as a failure.
#include <gtest/gtest.h>

#include <filesystem>

#include "tools/tools_process.h"

namespace toval::testing {
namespace {

const std::vector<std::string> INPUTS_ONLY{"GALPAO.CMB", "GALPAO.ESF"};

TEST(ToolsOutput, FileGetsExactlyWhatStandardOutputGets) {
  TempDir dir;
  copy_example(dir);
  RunResult to_stdout = run_tools(dir.path(), {"export", "GALPAO.CMB", "GALPAO.ESF"});
  ASSERT_EQ(to_stdout.status, 0);
  RunResult dash = run_tools(dir.path(), {"export", "-o", "-", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(dash.status, 0);
  EXPECT_EQ(dash.out, to_stdout.out);
  EXPECT_EQ(directory_names(dir.path()), INPUTS_ONLY);

  dir.write("old.json", "old content\n");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"export", "-o", "new.json", "GALPAO.CMB", "GALPAO.ESF"},
        std::vector<std::string>{"export", "--output=old.json", "GALPAO.CMB", "GALPAO.ESF"}}) {
    RunResult r = run_tools(dir.path(), args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
  }
  EXPECT_EQ(dir.read("new.json"), to_stdout.out);
  EXPECT_EQ(dir.read("old.json"), to_stdout.out);
  EXPECT_EQ(directory_names(dir.path()),
            (std::vector<std::string>{"GALPAO.CMB", "GALPAO.ESF", "new.json", "old.json"}));
}

TEST(ToolsOutput, AReplacedFileKeepsItsAccessRights) {
  namespace fs = std::filesystem;
  if (windows_build()) GTEST_SKIP() << "POSIX access rights; under wine a Windows file shows none of its own";
  TempDir dir;
  copy_example(dir);
  dir.write("private.json", "old\n");
  fs::permissions(dir.file("private.json"), fs::perms::owner_read | fs::perms::owner_write);
  RunResult r = run_tools(dir.path(), {"export", "-o", "private.json", "GALPAO.CMB", "GALPAO.ESF"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(dir.read("private.json"), "old\n");
  EXPECT_EQ(fs::status(dir.file("private.json")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ToolsOutput, AFailingRunLeavesAnOldFileAsItWasAndNoTemporary) {
  TempDir dir;
  copy_example(dir);
  const std::string forces = dir.read("GALPAO.ESF");
  dir.write("CUT.ESF", forces.substr(0, forces.size() / 2));
  dir.write("out.json", "the last good export\n");
  RunResult r = run_tools(dir.path(), {"export", "-o", "out.json", "GALPAO.CMB", "CUT.ESF"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("run-time error F65"), std::string::npos);
  EXPECT_EQ(dir.read("out.json"), "the last good export\n");
  EXPECT_EQ(directory_names(dir.path()),
            (std::vector<std::string>{"CUT.ESF", "GALPAO.CMB", "GALPAO.ESF", "out.json"}));
}

TEST(ToolsOutput, AnOutputThatIsAnInputIsRefusedAndTheInputKept) {
  TempDir dir;
  copy_example(dir);
  const std::string combination = dir.read("GALPAO.CMB");
  const std::string forces = dir.read("GALPAO.ESF");
  std::filesystem::create_directory(dir.file("sub"));
  // The same name, the same file by another path, and a hard link to it.
  std::filesystem::create_hard_link(dir.file("GALPAO.ESF"), dir.file("LINK.ESF"));
  struct Case {
    std::string output, input;
  };
  for (const Case& c : {Case{"GALPAO.CMB", "GALPAO.CMB"}, Case{"./GALPAO.ESF", "GALPAO.ESF"},
                        Case{"sub/../GALPAO.CMB", "GALPAO.CMB"}, Case{"LINK.ESF", "GALPAO.ESF"}}) {
    RunResult r = run_tools(dir.path(), {"export", "-o", c.output, "GALPAO.CMB", "GALPAO.ESF"});
    EXPECT_EQ(r.status, 1) << c.output;
    EXPECT_EQ(r.out, "") << c.output;
    EXPECT_EQ(r.err, "\nrun-time error F6522: OPEN(" + c.output + ")\n- the output file would be the input " +
                         c.input + " itself; choose another output name\n")
        << c.output;
  }
  EXPECT_EQ(dir.read("GALPAO.CMB"), combination);
  EXPECT_EQ(dir.read("GALPAO.ESF"), forces);
  EXPECT_EQ(directory_names(dir.path()),
            (std::vector<std::string>{"GALPAO.CMB", "GALPAO.ESF", "LINK.ESF", "sub"}));
}

TEST(ToolsOutput, AFolderOfTablesThatWouldHoldAnInputIsRefusedWhole) {
  TempDir dir;
  copy_example(dir);
  std::filesystem::create_directory(dir.file("t"));
  const std::string combination = dir.read("GALPAO.CMB");
  dir.write("t/nodes.csv", combination);  // the combination file under a table's name
  RunResult r = run_tools(dir.path(), {"export", "--format", "csv", "-o", "t/", "t/nodes.csv", "GALPAO.ESF"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "\nrun-time error F6522: OPEN(t/nodes.csv)\n- the output file would be the input t/nodes.csv "
            "itself; choose another output name\n");
  EXPECT_EQ(dir.read("t/nodes.csv"), combination);
  EXPECT_EQ(directory_names(dir.file("t")), std::vector<std::string>{"nodes.csv"});  // no other table written
}

TEST(ToolsOutput, AWriteFailureIsAFailureWithAMessage) {
  TempDir dir;
  copy_example(dir);
  RunResult no_folder =
      run_tools(dir.path(), {"export", "-o", "missing/out.json", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(no_folder.status, 1);
  EXPECT_EQ(no_folder.out, "");
  EXPECT_EQ(
      no_folder.err.rfind(
          "\nrun-time error F6521: WRITE(missing/out.json)\n- no temporary file can be created beside it: ",
          0),
      0u)
      << no_folder.err;

  std::filesystem::create_directory(dir.file("folder"));
  RunResult folder = run_tools(dir.path(), {"export", "-o", "folder", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, "\nrun-time error F6521: WRITE(folder)\n- it is a directory\n");
  EXPECT_TRUE(std::filesystem::is_empty(dir.file("folder")));

  RunResult full = run_tools(dir.path(), {"export", "GALPAO.CMB", "GALPAO.ESF"}, "/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.err, "\nrun-time error F6521: WRITE(CONSOLE)\n- the standard output cannot be written\n");
}

}  // namespace
}  // namespace toval::testing

namespace toval::testing {
namespace {

// One reading of -o for every subcommand: an empty name, in either written
// form, is a usage error (status 2) and nothing is written, not even to
// standard output.
TEST(ToolsOutput, EverySubcommandRefusesAnEmptyOutputName) {
  TempDir dir;
  copy_example(dir);
  dir.write("rules.toml", "");
  const std::vector<std::vector<std::string>> commands{
      {"export", "GALPAO.CMB", "GALPAO.ESF"},
      {"draw", "GALPAO.CMB", "GALPAO.ESF"},
      {"check", "GALPAO.CMB", "GALPAO.ESF"},
      {"report", "GALPAO.CMB", "GALPAO.ESF"},
      {"diff", "GALPAO.CMB", "GALPAO.ESF", "GALPAO.CMB", "GALPAO.ESF"},
      {"combinations", "rules.toml"}};
  for (const std::vector<std::string>& command : commands) {
    for (const std::vector<std::string>& empty :
         {std::vector<std::string>{"-o", ""}, std::vector<std::string>{"--output="}}) {
      std::vector<std::string> args{command[0]};
      args.insert(args.end(), empty.begin(), empty.end());
      args.insert(args.end(), command.begin() + 1, command.end());
      const RunResult r = run_tools(dir.path(), args);
      EXPECT_EQ(r.status, 2) << command[0] << " " << empty[0];
      EXPECT_EQ(r.out, "") << command[0];
      EXPECT_EQ(r.err.rfind("toval-tools: bad value '' for -o (a file name, or - for standard output)\n"
                            "usage: toval-tools " +
                                command[0] + " ",
                            0),
                0u)
          << r.err;
    }
  }
  EXPECT_EQ(directory_names(dir.path()),
            (std::vector<std::string>{"GALPAO.CMB", "GALPAO.ESF", "rules.toml"}));
}

}  // namespace
}  // namespace toval::testing
