#include "records/platform.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <sys/mman.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#endif

namespace toval::platform {

#if defined(_WIN32)

// Names are handed to the ANSI calls, as fopen() takes them, so that a name
// means the same file to every call of the program.

bool seek(std::FILE* file, std::uint64_t offset) {
  return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
}

bool is_directory(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

namespace {

// The volume serial number and file index of an existing file or directory:
// two names of one file (links, short names, other spellings) give the same.
bool file_identity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  bool known = GetFileInformationByHandle(handle, &info) != 0;
  CloseHandle(handle);
  return known;
}

}  // namespace

bool same_file(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION ia, ib;
  if (!file_identity(a, ia) || !file_identity(b, ib)) return false;
  return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
         ia.nFileIndexLow == ib.nFileIndexLow;
}

std::FILE* create_new_file(const std::string& path) {
  // The C runtime's fopen() here does not know the exclusive mode "x".
  int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "wb");
  if (file == nullptr) _close(fd);
  return file;
}

std::string replace_file(const std::string& from, const std::string& to) {
  // rename() refuses an existing target here; this call replaces it.
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
  return "system error " + std::to_string(GetLastError());
}

void binary_console() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

std::string_view console_line_end() {
  return "\r\n";
}

MemoryBlock::MemoryBlock(std::size_t bytes) : size_(bytes) {
  data_ = static_cast<char*>(VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  mapped_ = data_ != nullptr;
  if (!mapped_) data_ = new char[bytes];
}

MemoryBlock::~MemoryBlock() {
  if (data_ == nullptr) return;
  if (mapped_)
    VirtualFree(data_, 0, MEM_RELEASE);
  else
    delete[] data_;
}

#else

bool seek(std::FILE* file, std::uint64_t offset) {
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
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

std::FILE* create_new_file(const std::string& path) {
  return std::fopen(path.c_str(), "wbx");
}

std::string replace_file(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return {};
  return std::strerror(errno);
}

void binary_console() {}  // no translation to turn off

std::string_view console_line_end() {
  return "\n";
}

MemoryBlock::MemoryBlock(std::size_t bytes) : size_(bytes) {
  if (bytes % LARGE == 0) {
    // Aligned to a huge page, so that the system can give it in huge pages.
    void* raw = mmap(nullptr, bytes + LARGE, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw != MAP_FAILED) {
      const auto at = reinterpret_cast<std::uintptr_t>(raw);
      const std::uintptr_t start = (at + LARGE - 1) & ~std::uintptr_t{LARGE - 1};
      if (start > at) munmap(raw, start - at);
      if (start - at < LARGE) munmap(reinterpret_cast<void*>(start + bytes), LARGE - (start - at));
      data_ = reinterpret_cast<char*>(start);
      mapped_ = true;
#if defined(MADV_HUGEPAGE)
      madvise(data_, bytes, MADV_HUGEPAGE);
#endif
#if defined(MADV_POPULATE_WRITE)
      madvise(data_, bytes, MADV_POPULATE_WRITE);
#endif
      return;
    }
  }
#if defined(MAP_POPULATE)
  constexpr int populate = MAP_POPULATE;
#else
  constexpr int populate = 0;
#endif
  void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | populate, -1, 0);
  mapped_ = p != MAP_FAILED;
  data_ = mapped_ ? static_cast<char*>(p) : new char[bytes];
}

MemoryBlock::~MemoryBlock() {
  if (data_ == nullptr) return;
  if (mapped_)
    munmap(data_, size_);
  else
    delete[] data_;
}

#endif

}  // namespace toval::platform
