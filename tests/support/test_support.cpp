#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/posix_process.h"

namespace toval::testing {

namespace fs = std::filesystem;

TempDir::TempDir() : path_(posix::make_temp_dir()) {}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
  std::ofstream f(file(name), std::ios::binary);
  f << bytes;
}

std::string TempDir::read(const std::string& name) const {
  return read_file(file(name));
}

bool TempDir::exists(const std::string& name) const {
  return fs::exists(file(name));
}

std::string read_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string from_windows_console(const std::string& text, std::string& fault) {
  std::string lf;
  fault.clear();
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n') {
      lf += '\n';
      ++k;
      continue;
    }
    if ((text[k] == '\n' || text[k] == '\r') && fault.empty())
      fault = std::string(text[k] == '\n' ? "a bare LF" : "a bare CR") + " at byte " + std::to_string(k);
    lf += text[k];
  }
  return lf;
}

namespace {

std::string wine_build_dir() {
  const char* dir = std::getenv("TOVAL_TEST_WINE_BUILD");
  return dir != nullptr ? dir : "";
}

std::string console_text(const std::string& text, const char* stream) {
  std::string fault;
  std::string lf = from_windows_console(text, fault);
  if (!fault.empty()) ADD_FAILURE() << "the Windows console's " << stream << " holds " << fault;
  return lf;
}

}  // namespace

bool windows_build() {
  return !wine_build_dir().empty();
}

std::vector<std::string> program_command(const std::string& native, const std::string& program) {
  if (!windows_build()) return {native};
  return {"wine", (fs::absolute(wine_build_dir()) / (program + ".exe")).string()};
}

std::string console_error_text(const std::string& text) {
  return windows_build() ? console_text(text, "error stream") : text;
}

int run_built_program(const std::string& dir, const std::vector<std::string>& argv,
                      const std::string& in_file, const std::string& out_file, const std::string& err_file) {
  int status = posix::run_process(dir, argv, in_file, out_file, err_file);
  // Wine, not the program, sometimes fails to start it on busy cores: a
  // failure with not a byte on either stream. The programs never end so
  // (every failure has its message), and a fault of theirs would fail again.
  for (int again = 0; again < 2 && windows_build() && status != 0; ++again) {
    if (!fs::is_regular_file(out_file) || fs::file_size(out_file) != 0 || fs::file_size(err_file) != 0) break;
    status = posix::run_process(dir, argv, in_file, out_file, err_file);
  }
  return status;
}

RunResult run_program(const std::string& dir, const std::string& input,
                      const std::vector<std::string>& arguments) {
  TempDir io;
  io.write("stdin", input);
  std::vector<std::string> argv = program_command(TOVAL_BINARY, "toval");
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  RunResult r;
  r.status = run_built_program(dir, argv, io.file("stdin"), io.file("stdout"), io.file("stderr"));
  r.out = io.read("stdout");
  r.err = console_error_text(io.read("stderr"));
  if (windows_build()) r.out = console_text(r.out, "output");
  return r;
}

}  // namespace toval::testing
