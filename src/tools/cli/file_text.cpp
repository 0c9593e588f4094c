#include "tools/cli/file_text.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "records/platform.h"
#include "records/run_error.h"

namespace toval::tools::cli {

std::string file_text(const std::string& path, std::string_view cannot_open, std::string_view cannot_read) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
      platform::is_directory(path) ? nullptr : std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) throw file_error(ReadFault::open, path, cannot_open);
  std::string text;
  char buffer[1 << 16];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, n);
  if (std::ferror(file.get())) {
    const int reason = errno;
    throw file_error(ReadFault::input_output, path,
                     std::string(cannot_read) + " (" + std::generic_category().message(reason) + ")");
  }
  return text;
}

}  // namespace toval::tools::cli
