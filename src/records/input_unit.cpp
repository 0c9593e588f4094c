#include "records/input_unit.h"

#include <algorithm>
#include <cstring>

#include "records/platform.h"
#include "records/prefix_match.h"
#include "records/run_error.h"

namespace toval {

InputUnit::~InputUnit() {
  close();
}

bool InputUnit::open(const std::string& path) {
  close();
  // A name holding a NUL byte names no file; a directory opens but cannot be read.
  if (path.find('\0') != std::string::npos || path.empty() || platform::is_directory(path)) return false;
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return false;
  // The unit's own buffer is the only one: each read goes straight into it.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  take_buffer();
  drop_kept();
  detached_ = NOWHERE;
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
  take_buffer();
  drop_kept();
  detached_ = NOWHERE;
  name_ = std::move(name);
  buffer_offset_ = 0;
  begin_ = end_ = 0;
  next_line_ = 1;
}

void InputUnit::take_buffer() {
  if (!storage_) {
    storage_ = std::make_unique<platform::MemoryBlock>(BUFFER);
    buffer_ = storage_->data();
  }
}

void InputUnit::close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  memory_open_ = false;
  drop_kept();
}

void InputUnit::drop_kept() {
  kept_blocks_.clear();
  kept_count_ = 0;
  kept_bytes_ = 0;
  wants_.clear();
  want_next_ = NO_WANT;
  serving_ = NOT_SERVING;
  bytes_read_ = 0;
}

void InputUnit::seek(Position position) {
  next_line_ = position.line;
  detached_ = NOWHERE;
  // A walk goes on where it stands: nothing to look up.
  if (serving_ < kept_count_ && kept_at(serving_).offset == position.offset) return;
  serving_ = kept_find(position.offset);
  if (serving_ == kept_count_) {
    serving_ = NOT_SERVING;
    seek_buffer(position.offset);
  }
}

std::size_t InputUnit::kept_find(std::uint64_t offset) const {
  if (kept_count_ == 0 || offset < kept_at(0).offset || offset > kept_at(kept_count_ - 1).offset)
    return kept_count_;
  std::size_t low = 0, high = kept_count_;  // the first kept at or after offset lies in [low, high)
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    if (kept_at(mid).offset < offset)
      low = mid + 1;
    else
      high = mid;
  }
  return low < kept_count_ && kept_at(low).offset == offset ? low : kept_count_;
}

void InputUnit::seek_buffer(std::uint64_t offset) {
  if (offset >= buffer_offset_ && offset <= buffer_offset_ + end_) {
    begin_ = static_cast<std::size_t>(offset - buffer_offset_);
  } else {
    // The file itself is positioned when the bytes are needed.
    buffer_offset_ = offset;
    begin_ = end_ = 0;
  }
}

// Reads the bytes that follow buffer_[end_ - 1] in the file into the next
// `room` bytes of the buffer; returns how many arrived (0 at the end).
std::size_t InputUnit::read_at_end(std::size_t room) {
  const std::uint64_t offset = buffer_offset_ + end_;
  if (memory_open_) {
    if (offset >= memory_.size()) return 0;
    std::size_t n = std::min<std::size_t>(room, memory_.size() - static_cast<std::size_t>(offset));
    std::memcpy(buffer_ + end_, memory_.data() + offset, n);
    bytes_read_ += n;
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
  bytes_read_ += n;
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

// The pieces of skip_to_prefix, inline: as calls of their own they made a
// run over the benchmark's FULL frame 1.7 % more instructions (callgrind).

// Records that start with room for the longest prefix before the end of the
// buffer: passed in a tight loop, which stops at a record to keep. Returns
// the index of the prefix found, else -1 with the unit at the record where
// the loop stopped.
inline int InputUnit::pass_in_buffer(const PrefixMatch& match) {
  const char* p = buffer_ + begin_;
  const char* const end = buffer_ + end_;
  const char* stop = end;
  if (want_next_ >= buffer_offset_ + begin_ && want_next_ < buffer_offset_ + end_)
    stop = buffer_ + (want_next_ - buffer_offset_);
  const int found = match.pass_records(p, end, stop, next_line_);
  begin_ = static_cast<std::size_t>(p - buffer_);
  return found;
}

// At the start of a record: holds its first `longest` bytes in the buffer,
// or all of it; returns how many bytes of it are at hand (0 at the end).
inline std::size_t InputUnit::hold_record_start(std::size_t longest) {
  while (end_ - begin_ < longest && std::memchr(buffer_ + begin_, '\n', end_ - begin_) == nullptr) {
    if (!read_more()) break;
  }
  return end_ - begin_;
}

// Passes over the record at the start of the buffer, of which `available`
// bytes are there; it may run on beyond the buffer. False when the file
// ends in it (a last line without LF).
inline bool InputUnit::pass_record(std::size_t available) {
  const char* lf = static_cast<const char*>(std::memchr(buffer_ + begin_, '\n', available));
  while (lf == nullptr) {
    begin_ = end_;
    if (!refill()) {
      ++next_line_;
      return false;
    }
    lf = static_cast<const char*>(std::memchr(buffer_, '\n', end_));
  }
  begin_ = static_cast<std::size_t>(lf - buffer_) + 1;
  ++next_line_;
  return true;
}

int InputUnit::skip_to_prefix(std::span<const std::string_view> prefixes) {
  const PrefixMatch match(prefixes);
  for (;;) {
    if (serving_ < kept_count_) {
      const Kept& k = kept_at(serving_);
      if (const int found = match.match(k.data, k.size); found >= 0) return found;
      Record passed_over;
      serve(passed_over);
      continue;
    }
    attach();
    if (want_next_ < buffer_offset_ + begin_) drop_wants_before(buffer_offset_ + begin_);
    if (const int found = pass_in_buffer(match); found >= 0) return found;

    const std::size_t available = hold_record_start(match.longest());
    if (available == 0) return -1;
    if (const int found = match.match(buffer_ + begin_, available); found >= 0) return found;
    if (buffer_offset_ + begin_ == want_next_) {
      // Passed over here, so a walk will come back for it: kept.
      Record kept;
      passing_ = true;
      next(kept);
      passing_ = false;
      continue;
    }
    if (!pass_record(available)) return -1;
  }
}

void InputUnit::serve(Record& record) {
  const Kept& k = kept_at(serving_);
  last_ = position();
  record.data = k.data;
  record.size = k.size;
  record.line = next_line_++;
  record.line_end = k.line_end;
  const std::uint64_t next = k.next();
  if (serving_ + 1 < kept_count_ && kept_at(serving_ + 1).offset == next) {
    ++serving_;
  } else {
    // Back to the file, whose buffer is kept until a read needs it moved.
    serving_ = NOT_SERVING;
    detached_ = next;
  }
}

void InputUnit::attach() {
  if (detached_ == NOWHERE) return;
  seek_buffer(detached_);
  detached_ = NOWHERE;
}

bool InputUnit::next(Record& record) {
  if (serving_ < kept_count_) {
    serve(record);
    return true;
  }
  attach();
  if (begin_ == end_ && !refill()) return false;
  last_ = position();
  if (want_next_ < last_.offset) drop_wants_before(last_.offset);
  record.line = next_line_++;
  // The columns a layout can see are held together in the buffer, so that
  // the record is read where it stands.
  while (end_ - begin_ < Record::CAPTURE && std::memchr(buffer_ + begin_, '\n', end_ - begin_) == nullptr) {
    if (!read_more()) break;
  }
  const char* p = buffer_ + begin_;
  const std::size_t available = end_ - begin_;
  const char* lf = static_cast<const char*>(std::memchr(p, '\n', available));
  const std::size_t segment = lf != nullptr ? static_cast<std::size_t>(lf - p) : available;
  const std::size_t room = std::min(segment, Record::CAPTURE);
  const char* cr = static_cast<const char*>(std::memchr(p, '\r', room));
  record.size = cr != nullptr ? static_cast<std::size_t>(cr - p) : room;
  record.data = p;
  if (lf != nullptr) {
    begin_ += segment + 1;
    record.line_end = true;
  } else {
    // A record running on past the buffer: its columns are copied before
    // the buffer is refilled, and the rest is passed over.
    std::memcpy(long_record_, p, record.size);
    record.data = long_record_;
    record.line_end = false;
    for (;;) {
      begin_ = end_;
      if (!refill()) break;  // a last line without LF
      const char* end_of_line = static_cast<const char*>(std::memchr(buffer_, '\n', end_));
      if (end_of_line != nullptr) {
        begin_ = static_cast<std::size_t>(end_of_line - buffer_) + 1;
        record.line_end = true;
        break;
      }
    }
  }
  if (last_.offset == want_next_) {
    // A record that a walk reads as it goes is behind it for good: only
    // the records that the scan passes over are kept.
    if (passing_)
      kept_read(record, last_.offset);
    else
      advance_wants(last_.offset, position().offset);
  }
  return true;
}

bool InputUnit::skip() {
  if (serving_ < kept_count_) {
    Record passed_over;
    serve(passed_over);
    return true;
  }
  attach();
  if (want_next_ < position().offset) drop_wants_before(position().offset);
  if (position().offset == want_next_) {
    Record passed_over;
    return next(passed_over);  // which moves the wants on
  }
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

void InputUnit::keep(Position from, long records) {
  if (keep_budget_ == 0 || records <= 0) return;
  Want w{from.offset, records};
  // Through what is kept already.
  for (std::size_t at = kept_find(w.offset);
       w.records > 0 && at < kept_count_ && kept_at(at).offset == w.offset; ++at) {
    w.offset = kept_at(at).next();
    --w.records;
  }
  // Records are kept in file order only: those behind the last kept are read from the file.
  if (w.records <= 0 || (kept_count_ > 0 && w.offset <= kept_at(kept_count_ - 1).offset)) return;
  wants_.push_back(w);
  want_next_ = std::min(want_next_, w.offset);
}

void InputUnit::kept_read(const Record& record, std::uint64_t offset) {
  const std::uint64_t next = position().offset;
  const std::size_t need = sizeof(Kept) + record.size;
  const auto room = [](const KeptBlock& b) { return b.data_low - b.count * sizeof(Kept); };
  bool full = next - offset > UINT32_MAX;  // a line of gigabytes is read from the file
  if (!full && (kept_blocks_.empty() || room(kept_blocks_.back()) < need)) {
    full = kept_bytes_ + KEPT_BLOCK > keep_budget_;
    if (!full) {
      kept_blocks_.push_back({platform::MemoryBlock(KEPT_BLOCK), kept_count_, 0, KEPT_BLOCK});
      kept_bytes_ += KEPT_BLOCK;
    }
  }
  if (full) {
    // What is not kept is read from the file.
    wants_.clear();
    want_next_ = NO_WANT;
    return;
  }
  KeptBlock& b = kept_blocks_.back();
  b.data_low -= record.size;
  char* data = b.memory.data() + b.data_low;
  std::memcpy(data, record.data, record.size);
  new (b.memory.data() + b.count * sizeof(Kept))
      Kept{offset, data, static_cast<std::uint32_t>(next - offset), static_cast<std::uint16_t>(record.size),
           record.line_end};
  ++b.count;
  ++kept_count_;
  advance_wants(offset, next);
}

// Wants that the reading has gone past without meeting them (it went on
// elsewhere): their records are read from the file, and the wants after
// them are not held up.
void InputUnit::drop_wants_before(std::uint64_t offset) {
  want_next_ = NO_WANT;
  std::size_t live = 0;
  for (const Want& w : wants_)
    if (w.offset >= offset) {
      wants_[live++] = w;
      want_next_ = std::min(want_next_, w.offset);
    }
  wants_.resize(live);
}

void InputUnit::advance_wants(std::uint64_t offset, std::uint64_t next) {
  want_next_ = NO_WANT;
  std::size_t live = 0;
  for (Want& w : wants_) {
    if (w.offset == offset) {
      w.offset = next;
      --w.records;
    }
    if (w.records > 0) {
      wants_[live++] = w;
      want_next_ = std::min(want_next_, w.offset);
    }
  }
  wants_.resize(live);
}

}  // namespace toval
