#include "input/case_blocks.h"

#include <array>
#include <string>

#include "store/read_memo.h"
#include "store/record_io.h"

namespace toval {

namespace {

// The heading without its last blank: a record that ends right after the
// colon still reads as the heading of a blank name.
constexpr std::string_view HEADING_START = CASE_HEADING.substr(0, CASE_HEADING.size() - 1);

bool remembering = true;

// The first block of one case name, as far as the reading has got.
struct Block {
  Name<4> name;
  bool found = false;
  InputUnit::Position heading;        // start of its heading record
  InputUnit::Position after_heading;  // start of record 1
  bool resultants_found = false;
  InputUnit::Position resultants;        // start of the first resultants heading after it
  InputUnit::Position after_resultants;  // start of the record after that
};

// What reading the forces file from the top has shown so far. Only the
// names the store can ask for are kept (the cases and the cases that the
// terms name), so the memory is the same size whatever the file holds.
struct Memory {
  std::uint64_t opening = 0;  // of unit 4, when this was learnt
  std::array<Block, MAX_CASES + MAX_COMBINATIONS * MAX_TERMS> blocks;
  std::size_t count = 0;
  InputUnit::Position frontier;  // every record before it has been looked at
  bool at_end = false;
};

Memory memory;

void forget(const Store& s) {
  memory = Memory{};
  memory.opening = s.unit4.opening();
  auto keep = [](const Name<4>& name) {
    for (std::size_t k = 0; k < memory.count; ++k)
      if (memory.blocks[k].name == name) return;
    memory.blocks[memory.count++].name = name;
  };
  for (Whole i = 1; i <= MAX_CASES; ++i) keep(s.BL4.CCAR(i));
  for (Whole i = 1; i <= MAX_COMBINATIONS; ++i)
    for (Whole j = 1; j <= MAX_TERMS; ++j) keep(s.BL5.CASO(i, j));
}

// The memory's entry for `name`, or nullptr when nothing is remembered for it.
Block* block_of(const Store& s, const Name<4>& name) {
  if (!remembering || s.unit4.opening() == 0) return nullptr;
  if (memory.opening != s.unit4.opening()) forget(s);
  for (std::size_t k = 0; k < memory.count; ++k)
    if (memory.blocks[k].name == name) return &memory.blocks[k];
  return nullptr;
}

void note_heading(const Record& record, const InputUnit::Position& at, const InputUnit::Position& after) {
  // Columns 19 to 23, blank padded: the blank that ends the heading text,
  // then the name.
  char columns[5] = {' ', ' ', ' ', ' ', ' '};
  for (std::size_t k = 0; k < 5 && HEADING_START.size() + k < record.size; ++k)
    columns[k] = record.data[HEADING_START.size() + k];
  if (columns[0] != ' ') return;
  const Name<4> name = Name<4>::of({columns + 1, 4});
  for (std::size_t k = 0; k < memory.count; ++k) {
    Block& block = memory.blocks[k];
    if (block.name == name && !block.found) {
      block.found = true;
      block.heading = at;
      block.after_heading = after;
    }
  }
}

void note_resultants(const InputUnit::Position& at, const InputUnit::Position& after) {
  for (std::size_t k = 0; k < memory.count; ++k) {
    Block& block = memory.blocks[k];
    if (block.found && !block.resultants_found) {
      block.resultants_found = true;
      block.resultants = at;
      block.after_resultants = after;
    }
  }
}

// Reads on from the frontier, noting headings, until `learnt()` holds;
// false when the file ends first.
template <class Learnt>
bool read_on(InputUnit& unit, Learnt learnt) {
  if (memory.at_end) return false;
  static constexpr std::string_view prefixes[] = {HEADING_START, RESULTANTS_HEADING};
  unit.seek(memory.frontier);
  Record record;
  for (;;) {
    const int which = unit.skip_to_prefix(prefixes);
    if (which < 0) {
      memory.frontier = unit.position();
      memory.at_end = true;
      return false;
    }
    const InputUnit::Position at = unit.position();
    unit.next(record);
    memory.frontier = unit.position();
    if (which == 0)
      note_heading(record, at, memory.frontier);
    else
      note_resultants(at, memory.frontier);
    if (learnt()) return true;
  }
}

}  // namespace

void remember_case_blocks(bool on) {
  remembering = on;
  remember_reads(on);
}

void block_search(Store& s, const Name<4>& name) {
  InputUnit& unit = s.unit4;
  Block* block = block_of(s, name);
  if (block != nullptr && (block->found || read_on(unit, [block] { return block->found; }))) {
    unit.pass(block->heading, block->after_heading);  // as if the heading had just been read
    return;
  }
  // Nothing remembered, or no block of that name: the scan from the top,
  // which also gives the error at the end of the file.
  unit.rewind();
  std::string heading(CASE_HEADING);
  heading += name.view();
  section_scan(unit, heading);
}

void resultants_search(Store& s, const Name<4>& name) {
  InputUnit& unit = s.unit4;
  Block* block = block_of(s, name);
  const InputUnit::Position start = unit.position();
  if (block != nullptr && block->found && start.offset == block->after_heading.offset) {
    if (block->resultants_found || read_on(unit, [block] { return block->resultants_found; })) {
      unit.pass(block->resultants, block->after_resultants);
      return;
    }
    unit.seek(start);
  }
  section_scan(unit, RESULTANTS_HEADING);
}

}  // namespace toval
