#include "tools/check/run_watch.h"

#include <algorithm>

#include "input/listing_dialect.h"

namespace toval::tools {

namespace {

using dialect::BAR_RECORD;
using dialect::NODE_RECORD;
// The combination file's records, told apart by their items.
constexpr Item MARKER_RECORD[] = {A(4)};
constexpr Item TERM_RECORD[] = {A(4), F(10, 0), A(4)};

bool same_layout(Layout a, Layout b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Item& x, const Item& y) {
    return x.kind == y.kind && x.width == y.width && x.decimals == y.decimals && x.literal == y.literal;
  });
}

bool numeric(const Item& item) { return item.kind == Item::Kind::integer || item.kind == Item::Kind::real; }

// The k-th record (from 1) seen at a new line is record k of its list.
void note_line(std::vector<long>& lines, long line) {
  if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
}

long line_at(const std::vector<long>& lines, long K) {
  return K >= 1 && static_cast<std::size_t>(K) <= lines.size() ? lines[static_cast<std::size_t>(K - 1)] : 0;
}

}  // namespace

RunWatch::RunWatch(Store& s, HazardList& hazards) : s_(s), hazards_(hazards) {
  s_.unit3.watch = this;
  s_.unit4.watch = this;
}

RunWatch::~RunWatch() {
  s_.unit3.watch = nullptr;
  s_.unit4.watch = nullptr;
}

void RunWatch::numeric_field(const InputUnit& unit, const Record& record, const Item& item, std::size_t from,
                             std::size_t end, std::size_t next) {
  // A read that failed half-way left cuts of its own record behind.
  if (&unit != cut_unit_ || record.line != cut_line_ || (!cuts_.empty() && from < cuts_.back().next)) cuts_.clear();
  cut_unit_ = &unit;
  cut_line_ = record.line;
  cuts_.push_back({from, end, next, item.width, item.decimals, item.kind == Item::Kind::integer, false});
}

void RunWatch::record_read(const InputUnit& unit, const Record& record, Layout layout, const RecordName&) {
  if (&unit != cut_unit_ || record.line != cut_line_) cuts_.clear();
  // Which numeric fields are followed right away by another numeric field.
  std::size_t k = 0;
  for (std::size_t i = 0; i < layout.size() && k < cuts_.size(); ++i) {
    if (!layout[i].takes_value()) continue;
    if (numeric(layout[i])) cuts_[k++].next_is_numeric = i + 1 < layout.size() && numeric(layout[i + 1]);
  }
  const Source source = &unit == &s_.unit3 ? Source::combination_file : Source::forces_file;
  for (const FieldShift& shift : field_shifts(record.text(), cuts_))
    hazards_.warn(source, record.line, shift.column, shift.text);

  if (source == Source::forces_file) {
    if (same_layout(layout, NODE_RECORD)) note_line(node_lines_, record.line);
    if (same_layout(layout, BAR_RECORD)) note_line(bar_lines_, record.line);
  } else if (same_layout(layout, MARKER_RECORD)) {
    markers_.try_emplace(record.line, record.text().substr(0, std::min<std::size_t>(4, record.size)));
  } else if (same_layout(layout, TERM_RECORD) && cuts_.size() == 1) {
    terms_[record.line] = {cuts_[0].from, cuts_[0].end, cuts_[0].next, std::string(record.text())};
  }
  cuts_.clear();
  cut_unit_ = nullptr;
}

long RunWatch::node_line(long K) const { return line_at(node_lines_, K); }
long RunWatch::bar_line(long K) const { return line_at(bar_lines_, K); }

std::string RunWatch::marker_columns(long line) const {
  auto it = markers_.find(line);
  return it == markers_.end() ? std::string() : it->second;
}

const TermCut* RunWatch::term(long line) const {
  auto it = terms_.find(line);
  return it == terms_.end() ? nullptr : &it->second;
}

}  // namespace toval::tools
