// The few calls that differ between systems, kept here and nowhere else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace toval::platform {

// Position a stream at a byte offset that may lie beyond 2 GiB.
bool seek(std::FILE* file, std::uint64_t offset);

// A block of memory that is written soon and in full (buffers, kept
// records): its pages are mapped in one call where the system can, since a
// page faulted in one at a time costs far more on some virtual machines.
class MemoryBlock {
 public:
  // A size that may take huge pages (one fault for all of it).
  static constexpr std::size_t LARGE = std::size_t{2} << 20;

  explicit MemoryBlock(std::size_t bytes);
  ~MemoryBlock();
  MemoryBlock(MemoryBlock&& other) noexcept : data_(other.data_), size_(other.size_), mapped_(other.mapped_) {
    other.data_ = nullptr;
  }
  MemoryBlock& operator=(MemoryBlock&&) = delete;
  MemoryBlock(const MemoryBlock&) = delete;
  MemoryBlock& operator=(const MemoryBlock&) = delete;
  char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  bool mapped_ = false;
};

// True when the path names a directory (which opens, but cannot be read).
bool is_directory(const std::string& path);

// True when both paths name one existing file (links followed).
bool same_file(const std::string& a, const std::string& b);

// Creates a new file for writing in binary mode, failing (with errno set)
// when the name exists already; null on failure.
std::FILE* create_new_file(const std::string& path);

// Renames `from` over `to`, replacing an existing `to` in one step; returns
// the reason when it cannot, else an empty text.
std::string replace_file(const std::string& from, const std::string& to);

// Puts standard input, output and error into binary mode where the C
// runtime would otherwise translate line ends (and end input at code 26),
// so that what the program reads and writes is byte for byte its own.
void binary_console();

// The line end a console user of this system expects: CR LF on Windows,
// LF elsewhere. Only the console uses it; files always end records in CR LF.
std::string_view console_line_end();

}  // namespace toval::platform
