#include "tools/tools_process.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace toval::testing {

namespace {

std::string shell_quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

RunResult run_tools(const std::string& dir, const std::vector<std::string>& arguments,
                    const std::string& stdout_path) {
  TempDir io;
  std::string command = "cd " + shell_quote(dir) + " && " + shell_quote(TOVAL_TOOLS_BINARY);
  for (const auto& a : arguments) command += " " + shell_quote(a);
  const std::string out = stdout_path.empty() ? io.file("stdout") : stdout_path;
  command += " < /dev/null > " + shell_quote(out) + " 2> " + shell_quote(io.file("stderr"));
  const int raw = std::system(command.c_str());
  RunResult r;
  if (stdout_path.empty()) r.out = io.read("stdout");
  r.err = io.read("stderr");
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

void copy_example(const TempDir& dir) {
  for (const char* name : {"GALPAO.CMB", "GALPAO.ESF"})
    dir.write(name, read_file(std::string(TOVAL_SOURCE_DIR) + "/examples/" + name));
}

std::vector<std::string> directory_names(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace toval::testing
