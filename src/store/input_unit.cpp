#include "store/input_unit.h"

#include <cstdlib>
#include <cstring>
#include <iterator>

#include "store/platform.h"
#include "store/run_error.h"

namespace toval {

InputUnit::~InputUnit() { close(); }

bool InputUnit::open(const std::string& path) {
  close();
  // A name holding a NUL byte names no file; a directory opens but cannot be read.
  if (path.find('\0') != std::string::npos || path.empty() || platform::is_directory(path)) return false;
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return false;
  name_ = path;
  buffer_offset_ = stream_offset_ = 0;
  begin_ = end_ = 0;
  next_line_ = 1;
  return true;
}

void InputUnit::open_memory(std::string name, std::string_view bytes) {
  close();
  memory_open_ = true;
  memory_ = bytes;
  name_ = std::move(name);
  buffer_offset_ = 0;
  begin_ = end_ = 0;
  next_line_ = 1;
}

void InputUnit::close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  memory_open_ = false;
}

void InputUnit::seek(Position position) {
  if (position.offset >= buffer_offset_ && position.offset <= buffer_offset_ + end_) {
    begin_ = static_cast<std::size_t>(position.offset - buffer_offset_);
  } else {
    // The file itself is positioned when the bytes are needed.
    buffer_offset_ = position.offset;
    begin_ = end_ = 0;
  }
  next_line_ = position.line;
}

// Reads the bytes that follow buffer_[end_ - 1] in the file into the next
// `room` bytes of the buffer; returns how many arrived (0 at the end).
std::size_t InputUnit::read_at_end(std::size_t room) {
  const std::uint64_t offset = buffer_offset_ + end_;
  if (memory_open_) {
    if (offset >= memory_.size()) return 0;
    std::size_t n = std::min<std::size_t>(room, memory_.size() - static_cast<std::size_t>(offset));
    std::memcpy(buffer_ + end_, memory_.data() + offset, n);
    return n;
  }
  if (file_ == nullptr) return 0;
  if (stream_offset_ != offset) {
    if (!platform::seek(file_, offset))
      throw read_error(ReadFault::end_of_file, name_, "the file cannot be positioned");
    stream_offset_ = offset;
  }
  std::size_t n = std::fread(buffer_ + end_, 1, room, file_);
  if (n == 0 && std::ferror(file_))
    throw read_error(ReadFault::end_of_file, name_, "the file cannot be read (input/output error)");
  stream_offset_ += n;
  return n;
}

bool InputUnit::refill() {
  buffer_offset_ += end_;
  begin_ = end_ = 0;
  end_ = read_at_end(BUFFER);
  return end_ > 0;
}

// Keeps the unread bytes and reads more behind them.
bool InputUnit::read_more() {
  if (begin_ > 0) {
    std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
    buffer_offset_ += begin_;
    end_ -= begin_;
    begin_ = 0;
  }
  std::size_t n = read_at_end(BUFFER - end_);
  end_ += n;
  return n > 0;
}

int InputUnit::skip_to_prefix(std::span<const std::string_view> prefixes) {
  std::size_t longest = 0;
  for (std::string_view prefix : prefixes) longest = std::max(longest, prefix.size());
  // Most records differ from a prefix at its first character that is not a
  // blank: test that one before the whole prefix.
  std::size_t probe[8];
  const std::size_t count = prefixes.size();
  if (count > std::size(probe)) {
    std::fputs("\ninternal fault: more than 8 prefixes for one skip\n", stderr);
    std::abort();
  }
  for (std::size_t i = 0; i < count; ++i)
    probe[i] = std::min(prefixes[i].find_first_not_of(' '), prefixes[i].size() - 1);

  for (;;) {
    // At the start of a record: hold its first `longest` bytes, or all of it.
    while (end_ - begin_ < longest && std::memchr(buffer_ + begin_, '\n', end_ - begin_) == nullptr) {
      if (!read_more()) break;
    }
    const std::size_t available = end_ - begin_;
    if (available == 0) return -1;
    const char* p = buffer_ + begin_;
    for (std::size_t i = 0; i < count; ++i) {
      std::string_view prefix = prefixes[i];
      if (prefix.size() <= available && p[probe[i]] == prefix[probe[i]] &&
          std::memcmp(p, prefix.data(), prefix.size()) == 0)
        return static_cast<int>(i);
    }
    // Pass over the record, which may run on beyond the buffer.
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', available));
    while (lf == nullptr) {
      begin_ = end_;
      if (!refill()) {
        ++next_line_;  // a last line without LF
        return -1;
      }
      lf = static_cast<const char*>(std::memchr(buffer_, '\n', end_));
    }
    begin_ = static_cast<std::size_t>(lf - buffer_) + 1;
    ++next_line_;
  }
}

bool InputUnit::next(Record& record) {
  if (begin_ == end_ && !refill()) return false;
  last_ = position();
  record.size = 0;
  record.line = next_line_++;
  bool data_done = false;
  for (;;) {
    if (begin_ == end_ && !refill()) break;  // a last line without LF
    const char* p = buffer_ + begin_;
    std::size_t available = end_ - begin_;
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', available));
    std::size_t segment = lf != nullptr ? static_cast<std::size_t>(lf - p) : available;
    if (!data_done) {
      std::size_t room = std::min(segment, Record::CAPTURE - record.size);
      const char* cr = static_cast<const char*>(std::memchr(p, '\r', room));
      std::size_t take = cr != nullptr ? static_cast<std::size_t>(cr - p) : room;
      std::memcpy(record.data + record.size, p, take);
      record.size += take;
      data_done = cr != nullptr || record.size == Record::CAPTURE;
    }
    if (lf != nullptr) {
      begin_ += segment + 1;
      break;
    }
    begin_ = end_;
  }
  return true;
}

bool InputUnit::skip() {
  if (begin_ == end_ && !refill()) return false;
  last_ = position();
  ++next_line_;
  for (;;) {
    const char* p = buffer_ + begin_;
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', end_ - begin_));
    if (lf != nullptr) {
      begin_ = static_cast<std::size_t>(lf - buffer_) + 1;
      return true;
    }
    begin_ = end_;
    if (!refill()) return true;  // a last line without LF
  }
}

}  // namespace toval
