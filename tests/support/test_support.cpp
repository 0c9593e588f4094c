#include "support/test_support.h"

#include <sys/wait.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace toval::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  auto base = fs::temp_directory_path() /
              ("toval-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(base);
  fs::create_directories(base);
  path_ = base.string();
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
  std::ofstream f(file(name), std::ios::binary);
  f << bytes;
}

std::string TempDir::read(const std::string& name) const { return read_file(file(name)); }

bool TempDir::exists(const std::string& name) const { return fs::exists(file(name)); }

std::string read_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

namespace {

std::string shell_quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    if (c == '\'') q += "'\\''";
    else q += c;
  }
  return q + "'";
}

}  // namespace

RunResult run_program(const std::string& dir, const std::string& input, const std::vector<std::string>& arguments) {
  TempDir io;
  io.write("stdin", input);
  std::string command = "cd " + shell_quote(dir) + " && " + shell_quote(TOVAL_BINARY);
  for (const auto& a : arguments) command += " " + shell_quote(a);
  command += " < " + shell_quote(io.file("stdin")) + " > " + shell_quote(io.file("stdout")) + " 2> " +
             shell_quote(io.file("stderr"));
  int raw = std::system(command.c_str());
  RunResult r;
  r.out = io.read("stdout");
  r.err = io.read("stderr");
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

}  // namespace toval::testing
