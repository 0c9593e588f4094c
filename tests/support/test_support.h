// Helpers shared by the test programs: temporary directories, files, and
// running the built program with a scripted standard input.
#pragma once

#include <string>
#include <vector>

namespace toval::testing {

// A fresh directory under the system's temporary directory, removed at exit.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::string path_;
};

struct RunResult {
  std::string out;
  std::string err;
  int status = -1;
};

// Runs toval in `dir` with `input` on standard input: the native build, or
// the Windows build under wine when TOVAL_TEST_WINE_BUILD names the
// directory that holds toval.exe. The Windows console ends its lines in
// CR LF; the result has them as LF, and a run whose console output or error
// stream holds any other line end fails the test.
RunResult run_program(const std::string& dir, const std::string& input,
                      const std::vector<std::string>& arguments = {});

// True when the programs under test are the Windows build, run under wine:
// TOVAL_TEST_WINE_BUILD names the directory that holds the .exe files.
bool windows_build();

// The command that starts a program under test: `native` (the path of the
// native build), or wine with the Windows build's `program`.exe.
std::vector<std::string> program_command(const std::string& native, const std::string& program);

// Runs a program_command in `dir` with its streams from and to files; its
// exit status. Under wine, a start that fails before the program runs (not
// a byte on either stream) is tried again, twice at most.
int run_built_program(const std::string& dir, const std::vector<std::string>& argv,
                      const std::string& in_file, const std::string& out_file, const std::string& err_file);

// The error stream of a run as the tests compare it: for the Windows build
// its CR LF pairs made LF (a bare line end fails the test).
std::string console_error_text(const std::string& text);

// The console text of a Windows run with its CR LF pairs made LF; a bare LF
// or CR is reported in `fault` (empty when there is none).
std::string from_windows_console(const std::string& text, std::string& fault);

std::string read_file(const std::string& path);

}  // namespace toval::testing
