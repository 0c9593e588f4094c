// The console dialogue, driven through the built program with a scripted
// standard input. The forces file here has no node section, so every run
// ends at the first read of the listing, after the whole dialogue.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/posix_process.h"
#include "support/test_support.h"

namespace toval {
namespace {

using testing::run_program;
using testing::TempDir;

const std::string COMB_Q = "\n\n\nARQUIVO DE COMBINACOES : ";
const std::string FORCES_Q = "\n\n\nARQUIVO DE ESFORCOS    : ";
const std::string NOT_FOUND = "\n\n\n*** ARQUIVO NAO ENCONTRADO *** \n\n";
std::string report_line(const std::string& padded) {
  return "\n\n\nARQUIVO DE SAIDA       : " + padded;
}
std::string fallback(int unit) {
  return "\nFile name missing or blank - please enter file name\nUNIT " + std::to_string(unit) + "? ";
}

struct Dir : TempDir {
  Dir() {
    write("COMB.DAT", "combination file\n");
    write("F.DAT", "no node section here\n");
  }
};

TEST(Dialogue, NotFoundAsksTheSameQuestionAgain) {
  Dir dir;
  auto r = run_program(dir.path(), "NOPE.DAT\nCOMB.DAT\nMISSING\nF.DAT\n");
  EXPECT_EQ(r.out, COMB_Q + NOT_FOUND + COMB_Q + FORCES_Q + NOT_FOUND + FORCES_Q +
                       report_line("COMB.TOV            "));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.rfind("\nrun-time error F6501: READ(F.DAT)\n- ", 0), 0u) << r.err;
  EXPECT_TRUE(dir.exists("COMB.TOV"));  // created at open, left empty
  EXPECT_EQ(dir.read("COMB.TOV"), "");
}

TEST(Dialogue, ADirectoryIsNotFound) {
  Dir dir;
  std::filesystem::create_directory(dir.file("SUB.DAT"));
  auto r = run_program(dir.path(), "SUB.DAT\nCOMB.DAT\nSUB.DAT\nF.DAT\n");
  EXPECT_EQ(r.out, COMB_Q + NOT_FOUND + COMB_Q + FORCES_Q + NOT_FOUND + FORCES_Q +
                       report_line("COMB.TOV            "));
}

TEST(Dialogue, NamesAreTrimmedCutToTwentyAndNeverNamedPastANul) {
  Dir dir;
  dir.write("ABCDEFGHIJKLMNOPQRST", "x\n");
  // Blanks around a name are not part of it; a longer name is cut to 20;
  // a tab is not a blank; a NUL byte makes the name unusable.
  auto r = run_program(
      dir.path(), std::string("\t\nF.DAT\0junk\n", 13) + "  COMB.DAT  \n" + "ABCDEFGHIJKLMNOPQRSTUVWXYZ\n");
  EXPECT_EQ(r.out, COMB_Q + NOT_FOUND + COMB_Q + NOT_FOUND + COMB_Q + FORCES_Q +
                       report_line("  COMB.TOV          "));
  EXPECT_EQ(r.err.rfind("\nrun-time error F6501: READ(ABCDEFGHIJKLMNOPQRST)\n", 0), 0u) << r.err;
}

TEST(Dialogue, BlankNamesTakeTheCommandLineArgumentsInOrder) {
  Dir dir;
  auto r = run_program(dir.path(), "\n\n", {"COMB.DAT", " F.DAT "});
  EXPECT_EQ(r.out, COMB_Q + FORCES_Q + report_line("TOV                 "));
  EXPECT_TRUE(dir.exists("TOV"));
  EXPECT_EQ(r.err.rfind("\nrun-time error F6501: READ(F.DAT)\n", 0), 0u) << r.err;
}

TEST(Dialogue, BlankNameWithoutArgumentsAsksForTheUnit) {
  Dir dir;
  // The first blank name takes the argument; the second asks, again while blank.
  auto r = run_program(dir.path(), "\n\n   \n\nF.DAT\n", {"COMB.DAT"});
  EXPECT_EQ(r.out, COMB_Q + FORCES_Q + fallback(4) + fallback(4) + fallback(4) +
                       report_line("TOV                 "));
  EXPECT_EQ(r.status, 1);
}

TEST(Dialogue, AnEmptyArgumentIsANameThatIsNotFound) {
  Dir dir;
  auto r = run_program(dir.path(), "\nCOMB.DAT\nF.DAT\n", {""});
  EXPECT_EQ(r.out, COMB_Q + NOT_FOUND + COMB_Q + FORCES_Q + report_line("COMB.TOV            "));
}

TEST(Dialogue, StandardInputEndingEarlyIsAReadError) {
  Dir dir;
  for (const std::string input : {"", "NOPE\n", "COMB.DAT\n", "\n"}) {
    auto r = run_program(dir.path(), input);
    EXPECT_EQ(r.status, 1) << input;
    EXPECT_EQ(r.err.rfind("\nrun-time error F6501: READ(CONSOLE)\n- standard input ended while ", 0), 0u)
        << r.err;
    EXPECT_FALSE(dir.exists("COMB.TOV"));
  }
}

TEST(Dialogue, TypedLinesEndAtCarriageReturnAndTheLastLineNeedsNoLineFeed) {
  Dir dir;
  auto r = run_program(dir.path(), "COMB.DAT\r\nF.DAT");
  EXPECT_EQ(r.out, COMB_Q + FORCES_Q + report_line("COMB.TOV            "));
}

TEST(ReportFile, AnExistingReportKeepsItsContentWhenTheRunFails) {
  Dir dir;
  dir.write("COMB.TOV", "old report\r\n");
  auto r = run_program(dir.path(), "COMB.DAT\nF.DAT\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(dir.read("COMB.TOV"), "old report\r\n");
}

TEST(ReportFile, NeverTheSameFileAsAnInput) {
  Dir dir;
  dir.write("X.TOV", "combinations\n");
  std::filesystem::create_directory(dir.file("sub"));
  dir.write("sub/F.TOV", "forces\n");
  // The combination file itself, and the forces file reached by another spelling.
  for (const auto& [input, victim] : {std::pair<std::string, std::string>{"X.TOV\nF.DAT\n", "X.TOV"},
                                      {"sub/F.DAT\n./sub//F.TOV\n", "sub/F.TOV"}}) {
    dir.write("sub/F.DAT", "c\n");
    std::string before = dir.read(victim);
    auto r = run_program(dir.path(), input);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("run-time error F6522: OPEN("), std::string::npos) << r.err;
    EXPECT_EQ(dir.read(victim), before);
    EXPECT_EQ(r.out.substr(r.out.size() - 20),
              victim == "X.TOV" ? "X.TOV               " : "sub/F.TOV           ");
  }
}

TEST(ReportFile, AReportThatCannotBeOpenedEndsTheRun) {
  Dir dir;
  std::filesystem::create_directory(dir.file("COMB.TOV"));
  auto r = run_program(dir.path(), "COMB.DAT\nF.DAT\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.rfind("\nrun-time error F6520: OPEN(COMB.TOV)\n- ", 0), 0u) << r.err;
}

}  // namespace
}  // namespace toval

namespace toval {
namespace {

TEST(ReportFile, AReportThatCannotBeWrittenIsNeverASuccess) {
  const std::string full = testing::posix::full_device();
  if (full.empty()) GTEST_SKIP() << "POSIX only: no device that refuses every write";
  TempDir dir;
  const std::string examples = std::string(TOVAL_SOURCE_DIR) + "/examples/";
  dir.write("GALPAO.CMB", testing::read_file(examples + "GALPAO.CMB"));
  dir.write("GALPAO.ESF", testing::read_file(examples + "GALPAO.ESF"));
  std::filesystem::create_symlink(full, dir.file("GALPAO.TOV"));
  auto r = run_program(dir.path(), "GALPAO.CMB\nGALPAO.ESF\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.rfind("\nrun-time error F6521: WRITE(GALPAO.TOV)\n- the report file cannot be written", 0),
            0u)
      << r.err;
  EXPECT_EQ(r.out.find("Stop - Program terminated."), std::string::npos);
}

}  // namespace
}  // namespace toval
