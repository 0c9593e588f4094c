#include "input/listing.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "input/case_name.h"
#include "input/listing_dialect.h"
#include "input/miscount.h"
#include "records/prefix_scan.h"
#include "records/record_io.h"

namespace toval {

namespace {

using namespace dialect;

// More distinct case names than a run can ask for (10 cases and 100 terms),
// with room to spare; names seen beyond it are found by a rescan instead.
constexpr std::size_t MAX_NOTED_NAMES = 4096;

constexpr std::string_view SCAN_PREFIXES[] = {CASE_HEADING_START, RESULTANTS_HEADING};

std::string case_heading(const Name<4>& name) {
  std::string heading(CASE_HEADING);
  heading += name.view();
  return heading;
}

// The name of a heading record (its columns 20-23, blank padded), or false
// when column 19 is not the blank that ends the heading text.
bool heading_name(const Record& record, Name<4>& name) {
  char columns[5] = {' ', ' ', ' ', ' ', ' '};
  const std::size_t first = CASE_HEADING_START.size();
  for (std::size_t k = 0; k < 5 && first + k < record.size; ++k) columns[k] = record.data[first + k];
  if (columns[0] != ' ') return false;
  name = Name<4>::of({columns + 1, 4});
  return true;
}

template <class T>
const T* find_record(const std::vector<std::pair<Whole, T>>& records, Whole k) {
  for (const auto& [at, record] : records)
    if (at == k) return &record;
  return nullptr;
}

}  // namespace

Listing::Key Listing::key_of(const Name<4>& name) {
  Key key = 0;
  std::memcpy(&key, name.chars.data(), sizeof key);
  return key;
}

// ---------------------------------------------------------------------------
// The scan for headings: from the top of the file to its end, at most once
// in a run, going only as far as a question needs. Every case heading and
// every resultants heading passed is noted; a block's resultants are the
// first resultants heading after its heading, wherever that stands.

bool Listing::scan_until(Key wanted, bool for_resultants) {
  auto done = [&] {
    auto found = by_name_.find(wanted);
    if (found == by_name_.end()) return false;
    return !for_resultants || blocks_[found->second]->resultants_found;
  };
  if (done()) return true;
  if (at_end_) return false;
  unit_.seek(frontier_);
  Record record;
  InputUnit::Position at;
  for (;;) {
    const int which = read_to_prefix(unit_, SCAN_PREFIXES, record, at);
    if (which < 0) {
      frontier_ = unit_.position();
      at_end_ = true;
      return false;
    }
    frontier_ = unit_.position();
    if (which == 0)
      note_heading(record, at, frontier_);
    else
      note_resultants(frontier_);
    if (done()) return true;
  }
}

// A record read from the frontier on by the structure reader: noted as the
// scan would note it, and the frontier moves past it.
void Listing::note_record(const Record& record, const InputUnit::Position& at) {
  if (at_end_ || at.offset != frontier_.offset) return;
  const std::string_view data = record.text();
  if (data.substr(0, CASE_HEADING_START.size()) == CASE_HEADING_START)
    note_heading(record, at, unit_.position());
  else if (data.substr(0, RESULTANTS_HEADING.size()) == RESULTANTS_HEADING)
    note_resultants(unit_.position());
  frontier_ = unit_.position();
}

void Listing::scan_for_heading(std::string_view heading) {
  if (at_end_ || unit_.position().offset != frontier_.offset) {
    section_scan(unit_, heading);
    return;
  }
  const std::string_view prefixes[] = {heading, CASE_HEADING_START, RESULTANTS_HEADING};
  Record record;
  InputUnit::Position at;
  for (;;) {
    const int which = read_to_prefix(unit_, prefixes, record, at);
    if (which < 0) {
      frontier_ = unit_.position();
      at_end_ = true;
      end_of_file(unit_, heading_not_found(heading));
    }
    // Every record before this one has been looked at for headings.
    frontier_ = at;
    note_record(record, at);
    if (which == 0) return;
  }
}

void Listing::next_record(Record& record, const RecordName& what) {
  const InputUnit::Position at = unit_.position();
  if (!unit_.next(record)) record_missing(unit_, what);
  note_record(record, at);
}

void Listing::note_heading(const Record& record, const InputUnit::Position& at,
                           const InputUnit::Position& after) {
  Name<4> name;
  if (!heading_name(record, name)) return;
  if (by_name_.count(key_of(name)) != 0) return;  // the first block of a name wins
  if (blocks_.size() == MAX_NOTED_NAMES) {
    names_dropped_ = true;
    return;
  }
  keep_from_heading(new_block(name, at.line, after));
  awaiting_resultants_.push_back(blocks_.size() - 1);
}

void Listing::note_resultants(const InputUnit::Position& after) {
  bool keep = false;
  for (std::size_t index : awaiting_resultants_) {
    Block& b = *blocks_[index];
    b.resultants_found = true;
    b.from_resultants = {after, 1, after};
    keep = keep || kept(b);
  }
  // Blocks that share the heading share its records.
  if (keep) unit_.keep(after, keep_resultants_records_);
  awaiting_resultants_.clear();
}

bool Listing::kept(const Block& b) const {
  return std::find(keep_names_.begin(), keep_names_.end(), key_of(b.name)) != keep_names_.end();
}

void Listing::keep_from_heading(const Block& b) {
  if (kept(b)) unit_.keep(b.from_heading.start, keep_heading_records_);
}

void Listing::keep_from_resultants(const Block& b) {
  if (b.resultants_found && kept(b)) unit_.keep(b.from_resultants.start, keep_resultants_records_);
}

void Listing::keep_blocks(std::span<const Name<4>> names, Whole NNOS, Whole NBAR) {
  keep_names_.clear();
  for (const Name<4>& name : names)
    if (std::find(keep_names_.begin(), keep_names_.end(), key_of(name)) == keep_names_.end())
      keep_names_.push_back(key_of(name));
  // As far as any walk goes: the last bar group, the last resultant record.
  keep_heading_records_ = RECORDS_BEFORE_DISPLACEMENTS + NNOS + RECORDS_BEFORE_BAR_GROUPS +
                          RECORDS_PER_BAR_GROUP * static_cast<long>(NBAR);
  keep_resultants_records_ = RECORDS_BEFORE_RESULTANTS + NNOS;
  // Blocks noted already (headings among the structure sections).
  for (const auto& b : blocks_) {
    keep_from_heading(*b);
    keep_from_resultants(*b);
  }
}

Listing::Block& Listing::new_block(const Name<4>& name, long heading_line, const InputUnit::Position& after) {
  auto b = std::make_unique<Block>();
  b->name = name;
  b->label = case_label(name);
  b->heading_line = heading_line;
  b->from_heading = {after, 1, after};
  blocks_.push_back(std::move(b));
  by_name_[key_of(name)] = blocks_.size() - 1;
  return *blocks_.back();
}

// A name the scan could not note (too many names before it): found as a
// pass from the top finds it, its resultants by a search of their own.
Listing::Block& Listing::rescanned_block(const Name<4>& name, const Asker& asker) {
  unit_.rewind();
  section_scan(unit_, case_heading(name), asker);
  Block& b = new_block(name, unit_.position().line - 1, unit_.position());
  b.tracked = false;
  return b;
}

Listing::Block& Listing::block(const Name<4>& name, const Asker& asker) {
  const Key key = key_of(name);
  if (!scan_until(key, false)) {
    if (names_dropped_) {
      Block& b = rescanned_block(name, asker);
      asked_.push_back(blocks_.size() - 1);
      return b;
    }
    // The whole file has been scanned: the error of a pass that reads to
    // its end looking for the heading.
    unit_.seek(frontier_);
    end_of_file(unit_, heading_not_found(case_heading(name)), asker);
  }
  const std::size_t index = by_name_.at(key);
  if (std::find(asked_.begin(), asked_.end(), index) == asked_.end()) asked_.push_back(index);
  return *blocks_[index];
}

void Listing::find_resultants(Block& b) {
  if (b.resultants_found) return;
  if (b.tracked) {
    if (scan_until(key_of(b.name), true)) return;
    unit_.seek(frontier_);
    end_of_file(unit_, heading_not_found(RESULTANTS_HEADING));
  }
  unit_.seek(b.from_heading.start);
  section_scan(unit_, RESULTANTS_HEADING);
  b.resultants_found = true;
  b.from_resultants = {unit_.position(), 1, unit_.position()};
}

// ---------------------------------------------------------------------------
// Walks over the records of a block, counted from a heading. Records that
// no question needs are passed over one by one, as a pass would pass them,
// so that a file ending early ends the run at the same record.

RecordName Listing::heading_walk_label(const Block& b, long r, Whole NNOS) const {
  const std::string_view name = b.label;
  if (r <= RECORDS_BEFORE_DISPLACEMENTS) return RecordName("record ", r, " after the heading of case ", name);
  r -= RECORDS_BEFORE_DISPLACEMENTS;
  if (r <= NNOS)
    return RecordName(RecordTag{RecordKind::displacement_number, r, 0, name}, "displacement record ", r,
                      " in case ", name);
  r -= NNOS;
  if (r <= RECORDS_BEFORE_BAR_GROUPS)
    return RecordName("record ", r, " of the nine before the bar groups of case ", name);
  r -= RECORDS_BEFORE_BAR_GROUPS + 1;
  const long K = r / RECORDS_PER_BAR_GROUP + 1;
  switch (r % RECORDS_PER_BAR_GROUP) {
    case 0:
      return RecordName(RecordTag{RecordKind::end_force, K, 1, name}, "force record of end 1 of bar ", K,
                        " in case ", name);
    case 1:
      return RecordName(RecordTag{RecordKind::end_force, K, 2, name}, "force record of end 2 of bar ", K,
                        " in case ", name);
    default:
      return RecordName("third record of the group of bar ", K, " in case ", name);
  }
}

RecordName Listing::resultants_walk_label(const Block& b, long r) const {
  const std::string_view name = b.label;
  if (r <= RECORDS_BEFORE_RESULTANTS)
    return RecordName("record ", r, " after the nodal resultants heading of case ", name);
  const long J = r - RECORDS_BEFORE_RESULTANTS;
  return RecordName(RecordTag{RecordKind::resultant, J, 0, name}, "nodal resultant record of node ", J,
                    " in case ", name);
}

// Leaves the unit at the start of record r of the walk.
void Listing::reach(Block& b, Walk& w, long r, Whole NNOS, bool heading_walk) {
  if (r < w.next) {  // behind the walk: walk again from its start
    w.next = 1;
    w.at = w.start;
  }
  unit_.seek(w.at);
  Record record;
  while (w.next < r) {
    // The record's name is put together only when it is missing. A walk
    // that stands at the frontier of the scan for headings looks at what it
    // passes, so that the scan need not read those records again.
    const InputUnit::Position at = unit_.position();
    const bool at_frontier = !at_end_ && at.offset == frontier_.offset;
    if (!(at_frontier ? unit_.next(record) : unit_.skip()))
      record_missing(unit_,
                     heading_walk ? heading_walk_label(b, w.next, NNOS) : resultants_walk_label(b, w.next));
    if (at_frontier) note_record(record, at);
    ++w.next;
    w.at = unit_.position();
  }
}

// Reads the next record of a walk with a layout, noting it when the walk
// stands at the frontier of the scan for headings. A record of another kind
// that cannot be read there tells the block's count as the likely cause.
template <class... T>
void Listing::read_walked(const Block& b, const Walk& w, Layout layout, const RecordName& what,
                          T&... targets) {
  const InputUnit::Position at = unit_.position();
  Record record;
  if (!unit_.next(record)) record_missing(unit_, what);
  const std::array<Target, sizeof...(T)> list{into(targets)...};
  try {
    read_fields(unit_, record, layout, list, what);
  } catch (const RunError& e) {
    const Miscount::Holds holds = holds_instead(record.text(), e.fields());
    if (holds == Miscount::Holds::nothing) throw;
    ErrorFields f = e.fields();
    f.miscount = {holds, b.label, b.heading_line, &w == &b.from_resultants ? w.start.line - 1 : 0};
    throw RunError(std::move(f));
  }
  note_record(record, at);
}

// The records before r exist and have been passed; the unit is left
// wherever that took it.
void Listing::pass_before(Block& b, Walk& w, long r, Whole NNOS, bool heading_walk) {
  if (w.next >= r) return;
  reach(b, w, r, NNOS, heading_walk);
}

Listing::Block& Listing::displacements_of(const Name<4>& name, const Asker& asker, Whole NNOS) {
  Block& b = block(name, asker);
  pass_before(b, b.from_heading, RECORDS_BEFORE_DISPLACEMENTS + 1, NNOS, true);
  return b;
}

Listing::Block& Listing::bar_groups_of(const Name<4>& name, const Asker& asker, Whole NNOS) {
  Block& b = block(name, asker);
  pass_before(b, b.from_heading, RECORDS_BEFORE_DISPLACEMENTS + NNOS + RECORDS_BEFORE_BAR_GROUPS + 1, NNOS,
              true);
  return b;
}

Listing::Block& Listing::resultants_of(const Name<4>& name, const Asker& asker) {
  Block& b = block(name, asker);
  find_resultants(b);
  pass_before(b, b.from_resultants, RECORDS_BEFORE_RESULTANTS + 1, 0, false);
  return b;
}

Whole Listing::displacement_node(Block& b, Whole NNOS, Whole k) {
  const auto index = static_cast<std::size_t>(k - 1);
  if (index < b.displacement_nodes.size() && b.displacement_nodes[index].read)
    return b.displacement_nodes[index].N;
  const long r = RECORDS_BEFORE_DISPLACEMENTS + k;
  reach(b, b.from_heading, r, NNOS, true);
  Block::NodeNumber n;
  n.read = true;
  n.start = unit_.position();
  read_walked(b, b.from_heading, NODE_NUMBER, heading_walk_label(b, r, NNOS), n.N);
  b.from_heading.next = r + 1;
  b.from_heading.at = unit_.position();
  if (index >= b.displacement_nodes.size()) b.displacement_nodes.resize(index + 1);
  b.displacement_nodes[index] = n;
  return n.N;
}

const NodeValuesRecord& Listing::displacement(Block& b, Whole NNOS, Whole k) {
  // A reader of every node asks for every record: found by its place, not
  // by a search through those read.
  const auto index = static_cast<std::size_t>(k - 1);
  if (index < b.displacement_at.size() && b.displacement_at[index] != 0)
    return b.displacements[b.displacement_at[index] - 1].second;
  // The record is read again in full after its node number.
  const Whole N = displacement_node(b, NNOS, k);
  unit_.seek(b.displacement_nodes[static_cast<std::size_t>(k - 1)].start);
  NodeValuesRecord v;
  v.line = unit_.position().line;
  read_record(unit_, NODE_VALUES_RECORD,
              RecordName(RecordTag{RecordKind::displacement, k, 0, b.label}, "displacement record of node ",
                         N, " in case ", b.label),
              v.N, v.V1, v.V2, v.V3);
  b.displacements.emplace_back(k, v);
  if (index >= b.displacement_at.size()) b.displacement_at.resize(index + 1);
  b.displacement_at[index] = static_cast<std::uint32_t>(b.displacements.size());
  return b.displacements.back().second;
}

const BarGroup& Listing::read_bar_groups(Block& b, Whole NNOS, Whole K) {
  while (b.bar_groups.size() < static_cast<std::size_t>(K)) {
    const long group = static_cast<long>(b.bar_groups.size()) + 1;
    const long first = RECORDS_BEFORE_DISPLACEMENTS + NNOS + RECORDS_BEFORE_BAR_GROUPS +
                       (group - 1) * RECORDS_PER_BAR_GROUP + 1;
    reach(b, b.from_heading, first, NNOS, true);
    BarGroup g;
    for (EndForceRecord* e : {&g.end1, &g.end2}) {
      const long r = e == &g.end1 ? first : first + 1;
      e->line = unit_.position().line;
      read_walked(b, b.from_heading, END_FORCE_RECORD, heading_walk_label(b, r, NNOS), e->B, e->N, e->ESFN,
                  e->ESFV, e->ESFM);
    }
    b.from_heading.next = first + 2;
    b.from_heading.at = unit_.position();
    reach(b, b.from_heading, first + RECORDS_PER_BAR_GROUP, NNOS, true);  // past the third record
    b.bar_groups.push_back(g);
  }
  return b.bar_groups[static_cast<std::size_t>(K - 1)];
}

long Listing::resultant_line(Block& b, Whole J) {
  find_resultants(b);
  reach(b, b.from_resultants, RECORDS_BEFORE_RESULTANTS + J, 0, false);
  return unit_.position().line;
}

const NodeValuesRecord& Listing::resultant(Block& b, Whole J) {
  if (const NodeValuesRecord* kept = find_record(b.resultants, J)) return *kept;
  find_resultants(b);
  const long r = RECORDS_BEFORE_RESULTANTS + J;
  reach(b, b.from_resultants, r, 0, false);
  NodeValuesRecord v;
  v.line = unit_.position().line;
  read_walked(b, b.from_resultants, NODE_VALUES_RECORD, resultants_walk_label(b, r), v.N, v.V1, v.V2, v.V3);
  b.from_resultants.next = r + 1;
  b.from_resultants.at = unit_.position();
  b.resultants.emplace_back(J, v);
  return b.resultants.back().second;
}

void Listing::pass_resultant(Block& b, Whole J) {
  find_resultants(b);
  const long r = RECORDS_BEFORE_RESULTANTS + J;
  if (b.from_resultants.next > r) return;  // passed before: it is there
  reach(b, b.from_resultants, r + 1, 0, false);
}

std::vector<CaseHeading> Listing::all_case_headings() {
  std::vector<CaseHeading> headings;
  unit_.rewind();
  Record record;
  InputUnit::Position at;
  for (int which; (which = read_to_prefix(unit_, SCAN_PREFIXES, record, at)) >= 0;) {
    Name<4> name;
    if (which == 0 && heading_name(record, name)) headings.push_back({name, at.line});
  }
  return headings;
}

std::vector<Listing::Block::NumberRead> Listing::Block::displacement_numbers_read() const {
  std::vector<NumberRead> numbers;
  for (std::size_t k = 0; k < displacement_nodes.size(); ++k)
    if (displacement_nodes[k].read)
      numbers.push_back(
          {static_cast<Whole>(k + 1), displacement_nodes[k].N, displacement_nodes[k].start.line});
  return numbers;
}

std::vector<std::pair<Whole, NodeValuesRecord>> Listing::Block::resultants_read() const {
  auto read = resultants;
  std::stable_sort(read.begin(), read.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return read;
}

std::vector<const Listing::Block*> Listing::blocks_asked() const {
  std::vector<const Block*> asked;
  for (std::size_t index : asked_) asked.push_back(blocks_[index].get());
  return asked;
}

}  // namespace toval
