#include "records/record_io.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "records/fields.h"
#include "records/prefix_scan.h"
#include "records/read_watch.h"
#include "records/run_error.h"
#include "records/text.h"

namespace toval {

namespace {

[[noreturn]] void layout_fault(const char* what) {
  std::fprintf(stderr, "\ninternal fault: %s\n", what);
  std::abort();
}

// The number written with a decimal comma ("-19,20") when a comma between
// digits ended the field before `from`, whose text begins with the digits
// after it; else nothing.
std::string decimal_comma_before(std::string_view text, std::size_t from) {
  if (from < 2 || from >= text.size() || text[from - 1] != ',' || !is_digit(text[from - 2]) ||
      !is_digit(text[from]))
    return {};
  std::size_t first = from - 1, end = from;
  while (first > 0 && is_digit(text[first - 1])) --first;
  if (first > 0 && (text[first - 1] == '.' || text[first - 1] == 'E' || text[first - 1] == 'e'))
    return {};  // a complete number before the comma: two values parted
  if (first > 0 && (text[first - 1] == '-' || text[first - 1] == '+')) --first;
  while (end < text.size() && is_digit(text[end])) ++end;
  return std::string(text.substr(first, end - first));
}

[[noreturn]] void field_error(const InputUnit& unit, const Record& record, const Item& item, std::size_t from,
                              std::size_t to, const RecordName& what, FieldStatus status) {
  ErrorFields f = file_fault(ReadFault::bad_real, unit.name());
  f.shape = ErrorShape::field;
  f.line = record.line;
  f.first_column = from + 1;
  f.last_column = to;
  char notation[16];
  f.notation = item_notation(item, notation);
  f.item = what.text();
  if (from < record.size) f.found = record.text().substr(from, std::min(to, record.size) - from);
  f.decimal_comma = decimal_comma_before(record.text(), from);
  ReadFault fault = ReadFault::bad_real;
  if (status == FieldStatus::end_of_file_char) {
    f.cause = "which holds the end-of-file character (code 26)";
    fault = ReadFault::end_of_file_character;
  } else if (item.kind == Item::Kind::integer) {
    fault = status == FieldStatus::out_of_range ? ReadFault::integer_range : ReadFault::bad_integer;
    f.cause =
        status == FieldStatus::out_of_range ? "an integer outside -32767..32767" : "which is not an integer";
  } else {
    fault = status == FieldStatus::out_of_range ? ReadFault::real_range : ReadFault::bad_real;
    f.cause = status == FieldStatus::out_of_range ? "a real number beyond the 32-bit range"
                                                  : "which is not a real number";
  }
  f.code = static_cast<int>(fault);
  throw RunError(std::move(f));
}

}  // namespace

[[noreturn]] void end_of_file(const InputUnit& unit, std::string_view expected, const Asker& asker) {
  ErrorFields f = file_fault(ReadFault::end_of_file, unit.name());
  f.shape = ErrorShape::end_of_file;
  // The line a user can look at: the last one the file has.
  f.line = std::max(0L, unit.next_line() - 1);
  f.cause = expected;
  f.asker = asker;
  throw RunError(std::move(f));
}

std::string heading_not_found(std::string_view heading) {
  return "the heading " + quoted(heading) + " (columns 1-" + std::to_string(heading.size()) +
         ") was not found";
}

void read_fields(const InputUnit& unit, const Record& record, Layout layout, std::span<const Target> targets,
                 const RecordName& what) {
  ReadWatch* const watch = unit.watch();
  std::size_t column = 0;  // from 0
  std::size_t next = 0;
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const Item& item = layout[i];
    if (item.kind == Item::Kind::skip) {
      column = std::min(column + static_cast<std::size_t>(item.width), std::max(column, record.size));
      continue;
    }
    if (!item.takes_value()) continue;
    if (next == targets.size()) layout_fault("more fields than targets in a read");
    const Target& target = targets[next++];
    const auto width = static_cast<std::size_t>(item.width);
    if (item.kind == Item::Kind::chars) {
      if (target.kind != Target::Kind::chars) layout_fault("A item read into a number");
      char field[Record::CAPTURE];
      for (std::size_t k = 0; k < width && k < sizeof field; ++k)
        field[k] = column + k < record.size ? record.data[column + k] : ' ';
      chars_from_field({field, std::min(width, sizeof field)}, static_cast<char*>(target.where),
                       target.length);
      column += width;
      continue;
    }
    // A numeric field ends at a comma, which is consumed.
    std::size_t end = std::min(column + width, std::max(column, record.size));
    std::size_t stop = column + width;
    if (end > column) {
      if (const void* comma = std::memchr(record.data + column, ',', end - column)) {
        end = static_cast<std::size_t>(static_cast<const char*>(comma) - record.data);
        stop = end + 1;
      }
    }
    std::string_view text = column < end ? record.text().substr(column, end - column) : std::string_view{};
    FieldStatus status;
    if (item.kind == Item::Kind::integer) {
      if (target.kind != Target::Kind::whole) layout_fault("I item read into a non-integer");
      status = parse_integer(text, *static_cast<Whole*>(target.where));
    } else {
      if (target.kind != Target::Kind::real) layout_fault("F item read into a non-real");
      status = parse_real(text, item.decimals, *static_cast<Real*>(target.where));
    }
    if (status != FieldStatus::ok) field_error(unit, record, item, column, column + width, what, status);
    if (watch != nullptr) {
      const bool next_numeric = i + 1 < layout.size() && (layout[i + 1].kind == Item::Kind::integer ||
                                                          layout[i + 1].kind == Item::Kind::real);
      watch->numeric_field(unit, record, what, {next - 1, column, end, stop, item, next_numeric});
    }
    column = stop;
  }
  if (next != targets.size()) layout_fault("more targets than fields in a read");
  if (watch != nullptr) watch->record_read(unit, record, what, column);
}

void read_record(InputUnit& unit, Layout layout, const RecordName& what, std::span<const Target> targets) {
  Record record;
  if (!unit.next(record)) record_missing(unit, what);
  read_fields(unit, record, layout, targets, what);
}

void skip_record(InputUnit& unit, const RecordName& what) {
  if (!unit.skip()) record_missing(unit, what);
}

void record_missing(const InputUnit& unit, const RecordName& what) {
  end_of_file(unit, "a " + what.text() + " was expected");
}

void section_scan(InputUnit& unit, std::string_view heading, const Asker& asker) {
  Record record;
  if (!heading.empty() && heading.back() != ' ') {
    // A record equals such a heading exactly when its bytes begin with it
    // (the heading holds no CR), so records are passed without being read.
    const std::string_view prefix[] = {heading};
    InputUnit::Position at;
    if (read_to_prefix(unit, prefix, record, at) == 0) return;
  } else {
    while (unit.next(record)) {
      std::string_view text = record.text().substr(0, std::min(record.size, heading.size()));
      if (text == heading.substr(0, text.size()) &&
          heading.find_first_not_of(' ', text.size()) == std::string_view::npos)
        return;
    }
  }
  end_of_file(unit, heading_not_found(heading), asker);
}

void write_record(RecordSink& sink, Layout layout, std::span<const Value> values) {
  std::string record;
  record.reserve(160);             // every record of the system fits: one allocation
  std::size_t pending_blanks = 0;  // X items count only when output follows
  std::size_t next = 0;
  bool open_end = false;
  auto flush_blanks = [&] {
    record.append(pending_blanks, ' ');
    pending_blanks = 0;
  };
  for (const Item& item : layout) {
    if (item.takes_value() && next == values.size()) break;  // values used up
    switch (item.kind) {
      case Item::Kind::skip:
        pending_blanks += static_cast<std::size_t>(item.width);
        break;
      case Item::Kind::text:
        flush_blanks();
        record += item.literal;
        break;
      case Item::Kind::slash:
        sink.put_record(record, true);
        record.clear();
        pending_blanks = 0;
        break;
      case Item::Kind::no_end:
        open_end = true;
        break;
      case Item::Kind::integer:
      case Item::Kind::real:
      case Item::Kind::chars: {
        flush_blanks();
        const Value& v = values[next++];
        if (item.kind == Item::Kind::integer && v.kind == Value::Kind::whole)
          format_integer(v.whole, item.width, record);
        else if (item.kind == Item::Kind::real && v.kind == Value::Kind::real)
          format_real(v.real, item.width, item.decimals, record);
        else if (item.kind == Item::Kind::chars && v.kind == Value::Kind::chars)
          format_chars(v.chars, item.width, record);
        else
          layout_fault("value of the wrong kind for its item in a write");
        break;
      }
    }
  }
  if (next != values.size()) layout_fault("more values than fields in a write");
  sink.put_record(record, !open_end);
}

void empty_record(RecordSink& sink) {
  sink.put_record(" ", true);
}

}  // namespace toval
