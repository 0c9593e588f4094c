#include "store/input_unit.h"

#include <cstring>

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
  buffer_offset_ = 0;
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
    if (file_ != nullptr && !platform::seek(file_, position.offset))
      throw read_error(ReadFault::end_of_file, name_, "the file cannot be positioned");
    buffer_offset_ = position.offset;
    begin_ = end_ = 0;
  }
  next_line_ = position.line;
}

bool InputUnit::refill() {
  buffer_offset_ += end_;
  begin_ = end_ = 0;
  if (memory_open_) {
    if (buffer_offset_ >= memory_.size()) return false;
    end_ = std::min<std::size_t>(BUFFER, memory_.size() - static_cast<std::size_t>(buffer_offset_));
    std::memcpy(buffer_, memory_.data() + buffer_offset_, end_);
    return true;
  }
  if (file_ == nullptr) return false;
  end_ = std::fread(buffer_, 1, BUFFER, file_);
  if (end_ == 0 && std::ferror(file_))
    throw read_error(ReadFault::end_of_file, name_, "the file cannot be read (input/output error)");
  return end_ > 0;
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

}  // namespace toval
