#include "tools/check/run_watch.h"

#include <algorithm>

#include "input/combination_dialect.h"
#include "records/fields.h"
#include "records/run_error.h"
#include "records/text.h"

namespace toval::tools::check {

namespace {

// Record K (from 1) of a list at its line; a record read again keeps its line.
void note_line(std::vector<long>& lines, long K, long line) {
  if (K < 1) return;
  const auto index = static_cast<std::size_t>(K - 1);
  if (index >= lines.size()) lines.resize(index + 1, 0);
  if (lines[index] == 0) lines[index] = line;
}

// Record K of a section with the number its first field holds; that field
// read without fault, so it parses again.
void note_record(std::vector<SectionRecord>& list, long K, const Record& record,
                 const std::vector<FieldCut>& cuts) {
  if (K < 1) return;
  const auto index = static_cast<std::size_t>(K - 1);
  if (index >= list.size()) list.resize(index + 1);
  if (list[index].line != 0) return;
  Whole number = 0;
  if (!cuts.empty() && cuts[0].value == 0)
    (void)parse_integer(record.text().substr(cuts[0].from, cuts[0].end - cuts[0].from), number);
  list[index] = {record.line, number};
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
    case RecordKind::after_combination:
      return true;
    default:
      return false;
  }
}

// Records read with the whole layout of a data record of the forces file
// (not a displacement record's node number alone).
bool whole_data_record(RecordKind kind) {
  switch (kind) {
    case RecordKind::node:
    case RecordKind::bar:
    case RecordKind::displacement:
    case RecordKind::end_force:
    case RecordKind::resultant:
      return true;
    default:
      return false;
  }
}

// What may follow the end of a number's digits within the same number.
bool continues_number(char c) {
  return is_digit(c) || c == '.' || c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// How the combination file's reader takes a line whose columns 1-4 were
// looked at for a marker.
std::string read_as(const RecordTag& tag) {
  const std::string n = std::to_string(tag.number);
  switch (tag.kind) {
    case RecordKind::head:
      return "a line of the head of the file";
    case RecordKind::case_entry:
      return "a line of the entry of case " + n;
    case RecordKind::after_entry:
      return "the name record of a case after case " + n;
    case RecordKind::after_case_list:
      return "the header of combination 1";
    case RecordKind::term:
      return "a term record of combination " + n;
    case RecordKind::after_combination:
      return "the header of a combination after combination " + n;
    default:
      return {};
  }
}

}  // namespace

RunWatch::RunWatch(InputUnit& combination_file, InputUnit& forces_file, HazardList& hazards)
    : combination_(combination_file, this),
      forces_(forces_file, this),
      combination_file_(combination_file),
      hazards_(hazards) {}

void RunWatch::numeric_field(const InputUnit& unit, const Record& record, const RecordName&,
                             const FieldCut& cut) {
  // A read that failed half-way left cuts of its own record behind.
  if (&unit != cut_unit_ || record.line != cut_line_ || (!cuts_.empty() && cut.value <= cuts_.back().value))
    cuts_.clear();
  cut_unit_ = &unit;
  cut_line_ = record.line;
  cuts_.push_back(cut);
}

void RunWatch::record_read(const InputUnit& unit, const Record& record, const RecordName& what,
                           std::size_t columns_read) {
  if (&unit != cut_unit_ || record.line != cut_line_) cuts_.clear();
  const Source source = &unit == &combination_file_ ? Source::combination_file : Source::forces_file;
  std::vector<NumericCut> numeric;
  for (const FieldCut& c : cuts_)
    numeric.push_back({c.from, c.end, c.next, c.item.width, c.item.decimals,
                       c.item.kind == Item::Kind::integer, c.next_is_numeric});
  for (const FieldShift& shift : field_shifts(record.text(), numeric))
    hazards_.warn(source, record.line, shift.column, Kind::shifted_value, shift.text);

  const RecordTag& tag = what.tag();
  if (whole_data_record(tag.kind)) {
    beyond_last_field(record, columns_read);
    if (!record.line_end) cut_short(record);
  }
  if (source == Source::combination_file) {
    if (pending_.line != 0 && record.line != pending_.line) {
      const bool settled = record.line == pending_.line + 1 &&
                           record.text().substr(0, combination_dialect::MARKER_WIDTH) == pending_.awaited;
      if (!settled)
        hazards_.warn(Source::combination_file, pending_.line, 1, Kind::miscased_marker, pending_.text);
      pending_ = {};
    }
    miscased_marker(record, tag);
  }
  if (tag.kind == RecordKind::case_entry && (entry_lines_.empty() || entry_lines_.back().line < record.line))
    entry_lines_.push_back({record.line, tag.number});
  if (tag.kind == RecordKind::node) note_line(node_lines_, tag.number, record.line);
  if (tag.kind == RecordKind::bar) note_line(bar_lines_, tag.number, record.line);
  if (tag.kind == RecordKind::node) note_record(node_records_, tag.number, record, cuts_);
  if (tag.kind == RecordKind::bar) note_record(bar_records_, tag.number, record, cuts_);
  if (tag.kind == RecordKind::case_name) case_entries_ = std::max(case_entries_, tag.number);
  if (read_for_columns_1_to_4(tag.kind))
    markers_.try_emplace(record.line,
                         record.text().substr(0, std::min(combination_dialect::MARKER_WIDTH, record.size)));
  if (tag.kind == RecordKind::term && cuts_.size() == 1)
    terms_[record.line] = {cuts_[0].from, cuts_[0].end, cuts_[0].next, std::string(record.text())};
  cuts_.clear();
  cut_unit_ = nullptr;
}

// A number of the last field that goes on past the record's last column:
// the run reads it without its last digits or its exponent.
void RunWatch::beyond_last_field(const Record& record, std::size_t columns_read) {
  if (cuts_.empty() || columns_read == 0 || record.size <= columns_read) return;
  const FieldCut& last = cuts_.back();
  if (last.next != columns_read || last.end != last.next) return;  // not the last item, or a comma ended it
  const char before = record.data[columns_read - 1], after = record.data[columns_read];
  if (!(is_digit(before) || before == '.') || !continues_number(after)) return;
  const std::string_view text = record.text();
  const std::string_view read = number_text(text.substr(last.from, last.end - last.from));
  std::size_t stop = columns_read;
  while (stop < text.size() && (continues_number(text[stop]) || text[stop] == '+' || text[stop] == '-'))
    ++stop;
  const std::string_view beyond = text.substr(columns_read, stop - columns_read);
  hazards_.warn(Source::forces_file, record.line, static_cast<long>(columns_read + 1),
                Kind::beyond_last_column,
                "the number " + quoted(read) + " (" + columns_text(last.from + 1, last.end) +
                    ") goes on beyond column " + std::to_string(columns_read) + " as " + quoted(beyond) +
                    ": the run reads columns 1-" + std::to_string(columns_read) + " only, so it reads " +
                    quoted(read) + " for " + quoted(std::string(read) + std::string(beyond)) +
                    "; a value shifted to the right, probably: write each value within its own columns");
}

// The file's last line, without a line end, stopping inside a number that
// is written right-aligned: the rest of its digits are missing. A field
// that starts in its first column is written left-aligned and may end
// anywhere.
void RunWatch::cut_short(const Record& record) {
  for (const FieldCut& c : cuts_) {
    const std::size_t field_end = c.from + static_cast<std::size_t>(c.item.width);
    if (!(c.from < record.size && record.size < field_end && c.end == record.size)) continue;
    const char first = record.data[c.from], last = record.data[record.size - 1];
    if (first != ' ' || last == ' ' || last == '\t') return;
    const std::string_view read = number_text(record.text().substr(c.from, c.end - c.from));
    hazards_.warn(Source::forces_file, record.line, static_cast<long>(record.size + 1), Kind::cut_short,
                  "the file ends in the middle of the number " + quoted(read) + " (" +
                      columns_text(c.from + 1, field_end) + "): its last line stops at column " +
                      std::to_string(record.size) +
                      " without a line end, and the missing columns read as blanks; the file was cut short, "
                      "probably: write the rest of the record");
    return;
  }
}

// Columns 1-4 that would be a marker in capitals, where the reader looks
// for one.
void RunWatch::miscased_marker(const Record& record, const RecordTag& tag) {
  const std::string role = read_as(tag);
  if (role.empty() || record.size < combination_dialect::MARKER_WIDTH) return;
  const std::string_view columns_1_4 = record.text().substr(0, combination_dialect::MARKER_WIDTH);
  for (std::string_view marker : combination_dialect::MARKERS) {
    if (columns_1_4 == marker || !combination_dialect::same_letters(columns_1_4, marker)) continue;
    std::string text = "columns 1-4 hold " + quoted(columns_1_4) + ", which is not the marker " +
                       quoted(marker) + ": markers are written in capitals, so this line is read as " + role +
                       "; write " + quoted(marker);
    if (tag.kind == RecordKind::head || tag.kind == RecordKind::case_entry) {
      if (pending_.line == 0)
        pending_ = {record.line,
                    tag.kind == RecordKind::head ? combination_dialect::FIMG : combination_dialect::FIMC,
                    std::move(text)};
    } else {
      hazards_.warn(Source::combination_file, record.line, 1, Kind::miscased_marker, std::move(text));
    }
    return;
  }
}

void RunWatch::finish() {
  if (pending_.line != 0)
    hazards_.warn(Source::combination_file, pending_.line, 1, Kind::miscased_marker, pending_.text);
  pending_ = {};
}

long RunWatch::node_line(long K) const {
  return line_at(node_lines_, K);
}
long RunWatch::bar_line(long K) const {
  return line_at(bar_lines_, K);
}

std::string RunWatch::marker_columns(long line) const {
  auto it = markers_.find(line);
  return it == markers_.end() ? std::string() : it->second;
}

const TermCut* RunWatch::term(long line) const {
  auto it = terms_.find(line);
  return it == terms_.end() ? nullptr : &it->second;
}

}  // namespace toval::tools::check
