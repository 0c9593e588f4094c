// The built toval-tools check over small inputs with one mistake each: the
// whole output compared byte for byte with the list expected, and the exit
// statuses, usage errors included.
#include <gtest/gtest.h>

#include "tools/tools_process.h"

namespace toval::testing {
namespace {

const std::string DATA = std::string(TOVAL_TEST_DATA) + "/tools/data/";

void expect_check(const std::string& name) {
  SCOPED_TRACE(name);
  const RunResult r = run_tools(DATA + name + "/in", {"check", "--lang", "en", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(r.out, read_file(DATA + name + "/expected"));
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(std::to_string(r.status) + "\n", read_file(DATA + name + "/status"));
}

TEST(CheckRuns, TheExampleGivesNothingAndStatusZero) {
  expect_check("check_clean_example");
}

// A reaction written one column to the right: 19.20 reads as 419.2.
TEST(CheckRuns, ShiftedReaction) {
  expect_check("check_shifted_reaction");
}

// "1,4": a warning at the comma, then the run's error at the term that asked
// for case "4".
TEST(CheckRuns, DecimalCommaAndTheErrorItLeadsTo) {
  expect_check("check_decimal_comma");
}

// The "FIMC" of case G left out: case Q is passed over.
TEST(CheckRuns, MissingFimc) {
  expect_check("check_missing_fimc");
}

TEST(CheckRuns, ListWrittenToAFile) {
  TempDir dir;
  const RunResult r =
      run_tools(DATA + "check_missing_fimc/in",
                {"check", "--lang", "en", "-o", dir.file("list.txt"), "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(dir.read("list.txt"), read_file(DATA + "check_missing_fimc/expected"));
}

TEST(CheckRuns, UsageErrorsExitTwo) {
  const std::string usage =
      "usage: toval-tools check [--lang pt|en] [--format text|json] [-o FILE] COMBINATION_FILE FORCES_FILE\n";
  const std::string dir = DATA + "check_clean_example/in";
  RunResult r = run_tools(dir, {"check", "GALPAO.CMB"});
  EXPECT_EQ(r.err, "toval-tools: missing argument FORCES_FILE\n" + usage);
  EXPECT_EQ(r.status, 2);
  r = run_tools(dir, {"check", "--strict", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(r.err, "toval-tools: unknown option '--strict'\n" + usage);
  EXPECT_EQ(r.status, 2);
  r = run_tools(dir, {"check", "GALPAO.CMB", "GALPAO.ESF", "EXTRA"});
  EXPECT_EQ(r.err, "toval-tools: unexpected argument 'EXTRA'\n" + usage);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 2);
}

TEST(CheckRuns, AMissingInputIsTheOneErrorLine) {
  const RunResult r =
      run_tools(DATA + "check_clean_example/in", {"check", "--lang", "en", "GALPAO.CMB", "NONE.ESF"});
  EXPECT_EQ(
      r.out,
      "NONE.ESF:1:1: error: the forces file cannot be opened for reading (toval stops here with run-time "
      "error F6520)\n0 warnings, 1 error\n");
  EXPECT_EQ(r.status, 1);
}

// A blank line among the bar groups of case G: Portuguese by default,
// English on request, and the same finding as a JSON document.
TEST(CheckRuns, BothLanguagesAndTheJsonForm) {
  TempDir dir;
  const std::string in = DATA + "check_clean_example/in/";
  dir.write("GALPAO.CMB", read_file(in + "GALPAO.CMB"));
  std::string forces = read_file(in + "GALPAO.ESF");
  std::size_t at = 0;
  for (int line = 1; line < 88; ++line) at = forces.find('\n', at) + 1;
  dir.write("GALPAO.ESF", forces.insert(at, "\n"));
  const RunResult pt = run_tools(dir.path(), {"check", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(
      pt.out,
      "GALPAO.ESF:88:1: warning: o bloco do caso \"G\" (cabeçalho na linha 60) tem uma linha a mais até "
      "este registro, provavelmente a linha 88: os registros do bloco são contados a partir do "
      "cabeçalho, então os esforços de extremidade da barra 2 e de todas as barras seguintes do bloco "
      "são lidos um registro atrasados; remova a linha a mais\n1 aviso\n");
  EXPECT_EQ(pt.status, 1);
  const RunResult en = run_tools(dir.path(), {"check", "--lang", "en", "GALPAO.CMB", "GALPAO.ESF"});
  const std::string message =
      "case block \"G\" (heading at line 60) holds a line too many up to this record, probably line 88: the "
      "block's records are counted from its heading, so the end forces of bar 2 and of every later bar of "
      "the block are read one record late; remove the extra line";
  EXPECT_EQ(en.out, "GALPAO.ESF:88:1: warning: " + message + "\n1 warning\n");
  const RunResult json =
      run_tools(dir.path(), {"check", "--format", "json", "--lang", "en", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(json.out,
            "{\n  \"format\": \"toval-check\",\n  \"version\": 1,\n  \"findings\": [\n    {\n"
            "      \"file\": \"GALPAO.ESF\",\n      \"line\": 88,\n      \"column\": 1,\n"
            "      \"severity\": \"warning\",\n      \"kind\": \"record-shift\",\n"
            "      \"message\": \"" +
                std::string("case block \\\"G\\\" (heading at line 60) holds") +
                message.substr(message.find(" holds") + 6) + "\"\n    }\n  ]\n}\n");
  EXPECT_EQ(json.status, 1);
  const RunResult clean =
      run_tools(DATA + "check_clean_example/in", {"check", "--format", "json", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(clean.out, "{\n  \"format\": \"toval-check\",\n  \"version\": 1,\n  \"findings\": []\n}\n");
  EXPECT_EQ(clean.status, 0);
  for (const char* bad : {"--lang=fr", "--format=xml"}) {
    const RunResult r = run_tools(dir.path(), {"check", bad, "GALPAO.CMB", "GALPAO.ESF"});
    EXPECT_EQ(r.status, 2) << bad;
  }
}

TEST(CheckRuns, HelpNamesEveryHazardAndTheStatuses) {
  const RunResult r = run_tools(DATA + "check_clean_example/in", {"help", "check"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("usage: toval-tools check [--lang pt|en] [--format text|json] [-o FILE]", 0), 0u);
  for (const char* part : {"shifted by a column", "missing FIMC", "decimal comma", "second case block",
                           "ten times wider", "is a support", "too many or too few", "--format text|json",
                           "0  nothing found", "2  the command line is wrong"})
    EXPECT_NE(r.out.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace toval::testing
