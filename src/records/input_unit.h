// An input file read record by record, holding no more of a record than the
// columns a layout can need: a line of any length passes in constant memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/platform.h"

namespace toval {

// One record as read: its data up to the first CR or LF, of which at most
// CAPTURE columns are seen. The data is the unit's own (its buffer, or a
// record it keeps), read where it stands: valid until the unit's next read
// or seek.
struct Record {
  static constexpr std::size_t CAPTURE = 256;
  const char* data = "";
  std::size_t size = 0;
  long line = 0;         // line number in the file, from 1
  bool line_end = true;  // false for a last line that the file ends without a line feed

  std::string_view text() const { return {data, size}; }
};

class PrefixMatch;
class ReadWatch;

class InputUnit {
 public:
  // Where a record starts; handed back to seek() to read it again.
  struct Position {
    std::uint64_t offset = 0;
    long line = 1;  // line number of the record that starts there
  };

  InputUnit() = default;
  InputUnit(const InputUnit&) = delete;
  InputUnit& operator=(const InputUnit&) = delete;
  ~InputUnit();

  // Open an existing file for reading; false when it cannot be opened.
  bool open(const std::string& path);
  // Read from bytes held by the caller (tests, fuzzing); the bytes must
  // outlive the unit's use.
  void open_memory(std::string name, std::string_view bytes);
  void close();
  bool is_open() const { return file_ != nullptr || memory_open_; }
  const std::string& name() const { return name_; }
  // The next record; false at the end of the file.
  bool next(Record& record);
  // Passes over the next record without copying it; false at the end.
  bool skip();
  void rewind() { seek(Position{}); }
  // Back to the start of the record just read.
  void backspace() { seek(last_); }
  Position position() const {
    if (serving_ < kept_count_) return {kept_at(serving_).offset, next_line_};
    return {detached_ != NOWHERE ? detached_ : buffer_offset_ + begin_, next_line_};
  }
  void seek(Position position);
  // Line number the next record would have (for end-of-file messages).
  long next_line() const { return next_line_; }

  // Passes over whole records, without copying them, up to the first one
  // whose data begins with one of the prefixes (at most 8, none empty, none
  // holding a CR or LF) and leaves the unit at its start: returns the index
  // of the prefix. At the end of the file returns -1 with the unit after the
  // last record.
  int skip_to_prefix(std::span<const std::string_view> prefixes);

  // Keeps the `records` records from `from` on in memory as they are read
  // (the captured columns, their line ends and where the next starts), so
  // that a seek back to them reads them from there and not from the file.
  // Records are kept in file order only, and only while the bytes kept stay
  // within the budget; what is not kept is read from the file as before.
  void keep(Position from, long records);
  void set_keep_budget(std::size_t bytes) { keep_budget_ = bytes; }
  std::size_t kept_bytes() const { return kept_bytes_; }
  std::size_t kept_records() const { return kept_count_; }
  // Bytes brought in from the file (or the caller's memory) since it opened.
  std::uint64_t bytes_read() const { return bytes_read_; }

  // The watch told of every record read with a layout and of every numeric
  // field in it (records/read_watch.h); none by default. Reading is the
  // same with one.
  ReadWatch* watch() const { return watch_; }

  // Sets a watch on a unit for its own lifetime and puts back the one before
  // (nullptr silences the unit for a while).
  class Watching {
   public:
    Watching(InputUnit& unit, ReadWatch* watch) : unit_(unit), before_(unit.watch_) { unit.watch_ = watch; }
    ~Watching() { unit_.watch_ = before_; }
    Watching(const Watching&) = delete;
    Watching& operator=(const Watching&) = delete;

   private:
    InputUnit& unit_;
    ReadWatch* before_;
  };

 private:
  bool refill();
  bool read_more();
  std::size_t read_at_end(std::size_t room);
  void seek_buffer(std::uint64_t offset);
  void attach();
  // The pieces of skip_to_prefix.
  int pass_in_buffer(const PrefixMatch& match);
  std::size_t hold_record_start(std::size_t longest);
  bool pass_record(std::size_t available);

  // A record kept in memory, by where it starts in the file.
  struct Kept {
    std::uint64_t offset;
    const char* data;
    std::uint32_t length;  // to where the record after it starts
    std::uint16_t size;
    bool line_end;
    std::uint64_t next() const { return offset + length; }
  };
  // Kept records fill a block from its front, their data from its back.
  struct KeptBlock {
    platform::MemoryBlock memory;
    std::size_t first = 0;  // index of its first record
    std::size_t count = 0;
    std::size_t data_low = 0;
    const Kept* entries() const { return std::launder(reinterpret_cast<const Kept*>(memory.data())); }
  };
  struct Want {
    std::uint64_t offset;  // the next record to keep
    long records;          // how many more
  };
  const Kept& kept_at(std::size_t i) const {
    std::size_t b = kept_blocks_.size() - 1;
    while (kept_blocks_[b].first > i) --b;
    return kept_blocks_[b].entries()[i - kept_blocks_[b].first];
  }
  std::size_t kept_find(std::uint64_t offset) const;  // index of the record kept there, else kept_count_
  void serve(Record& record);
  void kept_read(const Record& record, std::uint64_t offset);
  void advance_wants(std::uint64_t offset, std::uint64_t next);
  void drop_wants_before(std::uint64_t offset);
  void drop_kept();

  // Large enough that a walk back over a case block finds it read already,
  // small enough for the whole run to stay in a few MiB. Taken when a file
  // is first opened, so that a unit never opened costs nothing.
  static constexpr std::size_t BUFFER = 1 << 18;
  void take_buffer();
  std::FILE* file_ = nullptr;
  bool memory_open_ = false;
  std::string_view memory_;
  std::string name_;
  std::unique_ptr<platform::MemoryBlock> storage_;
  char* buffer_ = nullptr;           // storage_'s BUFFER bytes
  std::size_t begin_ = 0;            // next unread byte in buffer_
  std::size_t end_ = 0;              // bytes valid in buffer_
  std::uint64_t buffer_offset_ = 0;  // file offset of buffer_[0]
  std::uint64_t stream_offset_ = 0;  // where the next fread reads; a seek only moves buffer_offset_
  long next_line_ = 1;
  Position last_;  // start of the record just read
  ReadWatch* watch_ = nullptr;
  std::uint64_t bytes_read_ = 0;
  // Kept records in file order, in blocks that never move.
  static constexpr std::size_t KEPT_BLOCK = platform::MemoryBlock::LARGE;
  std::vector<KeptBlock> kept_blocks_;
  std::size_t kept_count_ = 0;
  std::size_t kept_bytes_ = 0, keep_budget_ = 0;
  std::vector<Want> wants_;
  static constexpr std::uint64_t NO_WANT = ~std::uint64_t{0};
  std::uint64_t want_next_ = NO_WANT;  // the nearest record a want waits for
  static constexpr std::size_t NOT_SERVING = ~std::size_t{0};
  // While a seek has landed on kept records: the one read next.
  std::size_t serving_ = NOT_SERVING;
  bool passing_ = false;
  // Where the unit stands after kept records, when the buffer is elsewhere.
  static constexpr std::uint64_t NOWHERE = ~std::uint64_t{0};
  std::uint64_t detached_ = NOWHERE;  // the record being read is one the scan passes over
  // The captured columns of a record that runs on past the buffer.
  char long_record_[Record::CAPTURE];
};

}  // namespace toval
