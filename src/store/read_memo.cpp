#include "store/read_memo.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace toval {

namespace {

constexpr std::size_t VALUE_BYTES = 16;

bool remembering = true;

// One kind of read: a layout with the kinds of its targets. Reads are told
// apart by a small number, so that an entry stays small. The layout's items
// are copied (their literals play no part in a read): a layout built on the
// stack may later hold other items at the same address.
constexpr std::size_t MAX_ITEMS = 16;
struct Reading {
  const Item* layout = nullptr;
  std::size_t items = 0;
  std::array<Item, MAX_ITEMS> copy{};
  std::size_t count = 0;    // targets
  std::uint32_t reals = 0;  // bit k set: target k is a real, else a whole number
  bool keepable = false;    // values of a few numbers, reals among them
  bool kept = false;        // a record was read this way twice: values are kept
};
constexpr std::uint8_t NONE = 0;
constexpr std::size_t MAX_READINGS = 128;
std::array<Reading, MAX_READINGS> readings;  // entry 0 unused
std::size_t reading_count = 1;

// Where one record starts and ends, in 8 bytes: its start (below 2^40), its
// length to the next record, the reading it was last read with and whether
// that reading's values are kept; 0 for a free entry (no record is empty).
struct Record_end {
  std::uint64_t where = 0;

  std::uint64_t start() const { return where & ((std::uint64_t{1} << 40) - 1); }
  std::uint64_t length() const { return (where >> 40) & 0xFFFF; }
  std::uint8_t reading() const { return static_cast<std::uint8_t>((where >> 56) & 0x7F); }
  bool has_values() const { return (where >> 63) != 0; }
  void set_reading(std::uint8_t reading, bool values) {
    where =
        (where & ((std::uint64_t{1} << 56) - 1)) | std::uint64_t{reading} << 56 | std::uint64_t{values} << 63;
  }
};
static_assert(sizeof(Record_end) == 8);

// Entries by line number: a pass over a block reads its records in line
// order, so it touches the table in order too and only where it reads (on
// some systems every page first touched is dear). 32768 lines cover the
// passes over the blocks of a forces file of 500 nodes and 500 bars; lines
// further on share entries with earlier ones, and the first kept stays
// (passes come back in long cycles, in which pushing out an old entry for a
// new one would lose each record just before it is needed again). Two
// different records never start at one offset, so the start tells the
// record; each page of entries belongs to one opening of a unit.
constexpr std::size_t SLOTS = std::size_t{1} << 15;
constexpr std::size_t ENDS_PER_PAGE = 4096 / sizeof(Record_end);
std::array<Record_end, SLOTS> ends;
std::array<std::uint64_t, SLOTS / ENDS_PER_PAGE> page_opening;  // 0: the page was never written
std::array<std::array<std::uint8_t, VALUE_BYTES>, SLOTS> values;

std::size_t slot_of(long line) {
  return static_cast<std::size_t>(line) & (SLOTS - 1);
}

std::size_t size_of(Target::Kind kind) {
  return kind == Target::Kind::real ? sizeof(Real) : sizeof(Whole);
}

bool same_reading(const Reading& g, Layout layout, std::span<const Target> targets) {
  if (g.layout != layout.data() || g.items != layout.size() || g.count != targets.size()) return false;
  for (std::size_t k = 0; k < targets.size(); ++k)
    if (((g.reals >> k) & 1u) != (targets[k].kind == Target::Kind::real ? 1u : 0u)) return false;
  for (std::size_t k = 0; k < layout.size(); ++k) {
    const Item& a = g.copy[k];
    const Item& b = layout[k];
    if (a.kind != b.kind || a.width != b.width || a.decimals != b.decimals) return false;
  }
  return true;
}

// The number of the reading with this layout and these targets (kept or
// not), or NONE when there are too many kinds of reading.
std::uint8_t reading_of(Layout layout, std::span<const Target> targets) {
  // Readers read runs of records with one layout: try the last one first.
  static std::size_t last = 0;
  if (last != 0 && same_reading(readings[last], layout, targets)) return static_cast<std::uint8_t>(last);
  for (std::size_t r = 1; r < reading_count; ++r)
    if (same_reading(readings[r], layout, targets)) return static_cast<std::uint8_t>(last = r);
  if (reading_count == MAX_READINGS || targets.size() > 32 || layout.size() > MAX_ITEMS) return NONE;
  Reading g{layout.data(), layout.size(), {}, targets.size(), 0, true, false};
  std::copy(layout.begin(), layout.end(), g.copy.begin());
  std::size_t bytes = 0;
  for (std::size_t k = 0; k < targets.size(); ++k) {
    if (targets[k].kind == Target::Kind::chars) g.keepable = false;
    if (targets[k].kind == Target::Kind::real) g.reals |= 1u << k;
    bytes += size_of(targets[k].kind);
  }
  // Values cost memory; they pay for records of several reals, whose
  // reading costs most.
  if (bytes > VALUE_BYTES || std::popcount(g.reals) < 3) g.keepable = false;
  readings[reading_count] = g;
  return static_cast<std::uint8_t>(last = reading_count++);
}

// The entry of the record at `start`, or nullptr when none is kept.
const Record_end* kept(const InputUnit& unit, const InputUnit::Position& start) {
  const std::size_t slot = slot_of(start.line);
  if (!remembering || unit.opening() == 0 || page_opening[slot / ENDS_PER_PAGE] != unit.opening())
    return nullptr;
  const Record_end& e = ends[slot];
  return e.where != 0 && e.start() == start.offset ? &e : nullptr;
}

// The entry for the record from `start` to the unit's position, filled in
// with its end; nullptr when it cannot be kept (its entry holds another
// record, or a number is too large for the entry).
Record_end* keep(const InputUnit& unit, const InputUnit::Position& start) {
  const std::uint64_t length = unit.position().offset - start.offset;
  if (!remembering || unit.opening() == 0 || start.offset >= (std::uint64_t{1} << 40) || length == 0 ||
      length > 0xFFFF)
    return nullptr;
  const std::size_t slot = slot_of(start.line);
  std::uint64_t& owner = page_opening[slot / ENDS_PER_PAGE];
  if (owner != unit.opening()) {
    // The page held records of another opening (or none): they go.
    if (owner != 0)
      std::fill_n(ends.begin() + static_cast<long>(slot / ENDS_PER_PAGE * ENDS_PER_PAGE), ENDS_PER_PAGE,
                  Record_end{});
    owner = unit.opening();
  }
  Record_end& e = ends[slot];
  if (e.where != 0) return e.start() == start.offset ? &e : nullptr;
  e.where = start.offset | length << 40;
  return &e;
}

void pass(InputUnit& unit, const InputUnit::Position& start, const Record_end& e) {
  unit.pass(start, {start.offset + e.length(), start.line + 1});
}

}  // namespace

bool recall_read(InputUnit& unit, Layout layout, std::span<const Target> targets) {
  const InputUnit::Position start = unit.position();
  const Record_end* e = kept(unit, start);
  if (e == nullptr || !e->has_values() || !same_reading(readings[e->reading()], layout, targets))
    return false;
  const std::uint8_t* at = values[slot_of(start.line)].data();
  for (const Target& t : targets) {
    if (t.kind == Target::Kind::real) {
      std::memcpy(t.where, at, sizeof(Real));
      at += sizeof(Real);
    } else {
      std::memcpy(t.where, at, sizeof(Whole));
      at += sizeof(Whole);
    }
  }
  pass(unit, start, *e);
  return true;
}

void keep_read(const InputUnit& unit, const InputUnit::Position& start, Layout layout,
               std::span<const Target> targets) {
  Record_end* e = keep(unit, start);
  const std::uint8_t reading = reading_of(layout, targets);
  if (e == nullptr || reading == NONE || !readings[reading].keepable || e->has_values()) return;
  // Values are kept only for readings that read records again: the second
  // read of a record the same way shows it (and costs one parse more).
  Reading& g = readings[reading];
  if (e->reading() == reading) g.kept = true;
  if (!g.kept) {
    e->set_reading(reading, false);
    return;
  }
  e->set_reading(reading, true);
  std::uint8_t* at = values[slot_of(start.line)].data();
  for (const Target& t : targets) {
    if (t.kind == Target::Kind::real) {
      std::memcpy(at, t.where, sizeof(Real));
      at += sizeof(Real);
    } else {
      std::memcpy(at, t.where, sizeof(Whole));
      at += sizeof(Whole);
    }
  }
}

bool recall_skip(InputUnit& unit) {
  const InputUnit::Position start = unit.position();
  const Record_end* e = kept(unit, start);
  if (e == nullptr) return false;
  pass(unit, start, *e);
  return true;
}

void keep_skip(const InputUnit& unit, const InputUnit::Position& start) {
  keep(unit, start);
}

void remember_reads(bool on) {
  remembering = on;
}

}  // namespace toval
