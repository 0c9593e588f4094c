#include "tools/tools_process.h"

#include <algorithm>
#include <filesystem>

#include "support/posix_process.h"

namespace toval::testing {

RunResult run_tools(const std::string& dir, const std::vector<std::string>& arguments,
                    const std::string& stdout_path) {
  TempDir io;
  io.write("stdin", "");
  std::vector<std::string> argv = program_command(TOVAL_TOOLS_BINARY, "toval-tools");
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  const std::string out = stdout_path.empty() ? io.file("stdout") : stdout_path;
  RunResult r;
  r.status = run_built_program(dir, argv, io.file("stdin"), out, io.file("stderr"));
  // The output is the same bytes on every system; the error stream is console text.
  if (stdout_path.empty()) r.out = io.read("stdout");
  r.err = console_error_text(io.read("stderr"));
  return r;
}

void copy_example(const TempDir& dir) {
  for (const char* name : {"GALPAO.CMB", "GALPAO.ESF"})
    dir.write(name, read_file(std::string(TOVAL_SOURCE_DIR) + "/examples/" + name));
}

std::vector<std::string> directory_names(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace toval::testing
