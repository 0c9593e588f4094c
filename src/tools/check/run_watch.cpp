#include "tools/check/run_watch.h"

#include <algorithm>

#include "input/combination_dialect.h"

namespace toval::tools {

namespace {

// Record K (from 1) of a list at its line; a record read again keeps its line.
void note_line(std::vector<long>& lines, long K, long line) {
  if (K < 1) return;
  const auto index = static_cast<std::size_t>(K - 1);
  if (index >= lines.size()) lines.resize(index + 1, 0);
  if (lines[index] == 0) lines[index] = line;
}

long line_at(const std::vector<long>& lines, long K) {
  return K >= 1 && static_cast<std::size_t>(K) <= lines.size() ? lines[static_cast<std::size_t>(K - 1)] : 0;
}

bool read_for_columns_1_to_4(RecordKind kind) {
  switch (kind) {
    case RecordKind::head:
    case RecordKind::case_name:
    case RecordKind::case_entry:
    case RecordKind::after_entry:
    case RecordKind::after_case_list:
    case RecordKind::after_combination: return true;
    default: return false;
  }
}

}  // namespace

RunWatch::RunWatch(InputUnit& combination_file, InputUnit& forces_file, HazardList& hazards)
    : combination_(combination_file, this),
      forces_(forces_file, this),
      combination_file_(combination_file),
      hazards_(hazards) {}

void RunWatch::numeric_field(const InputUnit& unit, const Record& record, const RecordName&, const FieldCut& cut) {
  // A read that failed half-way left cuts of its own record behind.
  if (&unit != cut_unit_ || record.line != cut_line_ || (!cuts_.empty() && cut.value <= cuts_.back().value))
    cuts_.clear();
  cut_unit_ = &unit;
  cut_line_ = record.line;
  cuts_.push_back(cut);
}

void RunWatch::record_read(const InputUnit& unit, const Record& record, const RecordName& what, std::size_t) {
  if (&unit != cut_unit_ || record.line != cut_line_) cuts_.clear();
  const Source source = &unit == &combination_file_ ? Source::combination_file : Source::forces_file;
  std::vector<NumericCut> numeric;
  for (const FieldCut& c : cuts_)
    numeric.push_back({c.from, c.end, c.next, c.item.width, c.item.decimals, c.item.kind == Item::Kind::integer,
                       c.next_is_numeric});
  for (const FieldShift& shift : field_shifts(record.text(), numeric))
    hazards_.warn(source, record.line, shift.column, shift.text);

  const RecordTag& tag = what.tag();
  if (tag.kind == RecordKind::node) note_line(node_lines_, tag.number, record.line);
  if (tag.kind == RecordKind::bar) note_line(bar_lines_, tag.number, record.line);
  if (tag.kind == RecordKind::case_name) case_entries_ = std::max(case_entries_, tag.number);
  if (read_for_columns_1_to_4(tag.kind))
    markers_.try_emplace(record.line,
                         record.text().substr(0, std::min(combination_dialect::MARKER_WIDTH, record.size)));
  if (tag.kind == RecordKind::term && cuts_.size() == 1)
    terms_[record.line] = {cuts_[0].from, cuts_[0].end, cuts_[0].next, std::string(record.text())};
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
