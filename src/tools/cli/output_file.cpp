#include "tools/cli/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "records/platform.h"
#include "records/report_unit.h"
#include "records/run_error.h"

namespace toval::tools {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void write_failure(const std::string& file, const std::string& description) {
  throw file_error(ReadFault::write, file, description);
}

std::string reason(int error) { return error != 0 ? std::string(": ") + std::strerror(error) : std::string(); }

// A new file beside `target`, created exclusively so that nothing existing
// is ever reused; its path is returned in `path`.
std::FILE* create_temporary(const std::string& target, std::string& path) {
  const fs::path t(target);
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(entropy()));
    fs::path candidate = t.parent_path() / ("." + t.filename().string() + "." + suffix + ".tmp");
    path = candidate.string();
    errno = 0;
    if (std::FILE* f = platform::create_new_file(path)) return f;
    if (errno != EEXIST) break;
  }
  write_failure(target, "no temporary file can be created beside it" + reason(errno));
}

void write_to_stdout(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0 ||
      std::ferror(stdout))
    write_failure("CONSOLE", "the standard output cannot be written");
}

}  // namespace

bool is_stdout(std::string_view target) { return target.empty() || target == "-"; }

void refuse_input_as_output(const std::string& target, std::span<const std::string> inputs) {
  if (is_stdout(target)) return;
  for (const std::string& input : inputs)
    toval::refuse_input_as_output(target, input,
                                  "the output file would be the input " + input + " itself; choose another output name");
}

void write_output(const std::string& target, std::string_view text) {
  if (is_stdout(target)) return write_to_stdout(text);
  if (target.find('\0') != std::string::npos) write_failure(target, "the name holds a NUL byte");
  if (platform::is_directory(target)) write_failure(target, "it is a directory");
  std::string temporary;
  std::FILE* f = create_temporary(target, temporary);
  errno = 0;
  bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size() && std::fflush(f) == 0;
  int error = errno;
  if (std::fclose(f) != 0) {
    written = false;
    error = errno;
  }
  // The new content keeps the access rights of the file it replaces.
  std::error_code ignored;
  if (const fs::file_status old = fs::status(target, ignored); fs::exists(old))
    fs::permissions(temporary, old.permissions(), ignored);
  std::string failure;
  if (!written) failure = "it cannot be written" + reason(error);
  else if (std::string why = platform::replace_file(temporary, target); !why.empty())
    failure = "the new content cannot take its place: " + why;
  if (failure.empty()) return;
  fs::remove(temporary, ignored);
  write_failure(target, failure);
}

}  // namespace toval::tools
