// The report runs the steps once, under the check's watch: each input file
// is opened at most twice (the run, and its digest), and a fault that ends
// the watched run ends the report as it ends any other run.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/posix_process.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

std::string source(const std::string& relative) {
  return std::string(TOVAL_SOURCE_DIR) + "/" + relative;
}

// Opens of `name` in a trace of the system's tracing tool: the calls that
// name it as their path, whatever they returned.
std::size_t opens_of(const std::string& trace, const std::string& name) {
  const std::string quoted = "\"" + name + "\"";
  std::size_t n = 0;
  std::size_t line_start = 0;
  while (line_start < trace.size()) {
    std::size_t end = trace.find('\n', line_start);
    if (end == std::string::npos) end = trace.size();
    const std::string_view line(trace.data() + line_start, end - line_start);
    if (line.find("open") != std::string_view::npos && line.find(quoted) != std::string_view::npos) ++n;
    line_start = end + 1;
  }
  return n;
}

// A FIMC left out: the check finds three warnings, so the report shows them.
void write_frame_with_warnings(const TempDir& dir) {
  const std::string data = source("tests/tools/data/check_missing_fimc/in/");
  for (const char* name : {"GALPAO.CMB", "GALPAO.ESF"}) dir.write(name, read_file(data + name));
}

TEST(ReportRun, ReadsEachInputFileAtMostTwice) {
  const char* strace = "/usr/bin/strace";
  if (windows_build() || !std::filesystem::exists(strace))
    GTEST_SKIP() << "needs the native build and strace";
  TempDir dir, io;
  write_frame_with_warnings(dir);
  io.write("stdin", "");
  const int status = posix::run_process(
      dir.path(),
      {strace, "-f", "-qq", "-e", "trace=open,openat,openat2,creat", "-o", io.file("trace"),
       TOVAL_TOOLS_BINARY, "report", "--lang", "en", "-o", "page.html", "GALPAO.CMB", "GALPAO.ESF"},
      io.file("stdin"), io.file("stdout"), io.file("stderr"));
  const std::string trace = io.exists("trace") ? io.read("trace") : "";
  if (status != 0 && trace.find("report") == std::string::npos)
    GTEST_SKIP() << "the tracing tool cannot trace here: " << io.read("stderr");
  ASSERT_EQ(status, 0) << io.read("stderr");
  ASSERT_NE(dir.read("page.html").find("found 3 warnings"), std::string::npos) << "the check's warnings";
  for (const char* name : {"GALPAO.CMB", "GALPAO.ESF"}) {
    EXPECT_GE(opens_of(trace, name), 1u) << name << " never opened: the trace saw nothing";
    EXPECT_LE(opens_of(trace, name), 2u) << name << "\n" << trace;
  }
}

// The forces file cut inside a case block: the watched run ends in a
// RunError, which the report gives as the export (an unwatched run) gives
// it, leaving no page.
TEST(ReportRun, AFaultOfTheWatchedRunEndsTheReportWithTheRunsMessage) {
  TempDir dir;
  write_frame_with_warnings(dir);
  const std::string forces = dir.read("GALPAO.ESF");
  dir.write("CUT.ESF", forces.substr(0, forces.size() / 2));
  RunResult report = run_tools(dir.path(), {"report", "-o", "page.html", "GALPAO.CMB", "CUT.ESF"});
  RunResult exported = run_tools(dir.path(), {"export", "GALPAO.CMB", "CUT.ESF"});
  EXPECT_EQ(report.status, 1);
  EXPECT_EQ(exported.status, 1);
  EXPECT_NE(report.err.find("CUT.ESF"), std::string::npos) << report.err;
  EXPECT_EQ(report.err, exported.err);
  EXPECT_FALSE(dir.exists("page.html"));
}

}  // namespace
}  // namespace toval::testing
