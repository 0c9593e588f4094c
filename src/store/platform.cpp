#include "store/platform.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#endif

namespace toval::platform {

bool seek(std::FILE* file, std::uint64_t offset) {
#if defined(_WIN32)
  return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

bool is_directory(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

bool same_file(const std::string& a, const std::string& b) {
  std::error_code ec;
  bool same = std::filesystem::equivalent(a, b, ec);
  return !ec && same;
}

std::string replace_file(const std::string& from, const std::string& to) {
#if defined(_WIN32)
  // rename() refuses an existing target here; this call replaces it.
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
  return "system error " + std::to_string(GetLastError());
#else
  if (std::rename(from.c_str(), to.c_str()) == 0) return {};
  return std::strerror(errno);
#endif
}

}  // namespace toval::platform
