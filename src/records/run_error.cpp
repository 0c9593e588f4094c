#include "records/run_error.h"

#include <cstdio>

namespace toval {

namespace {

std::string numbered(char letter, int number) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%c%04d", letter, number);
  return buf;
}

std::string columns_of(const ErrorFields& f) {
  return columns_text(f.first_column, f.last_column) + " (" + f.notation + ")";
}

std::string miscount_text(long line, const Miscount& m) {
  std::string holds;
  switch (m.holds) {
    case Miscount::Holds::heading:
      holds = "a heading";
      break;
    case Miscount::Holds::title:
      holds = "a title or rule line";
      break;
    default:
      holds = "a record of another layout";
      break;
  }
  std::string d = "line " + std::to_string(line) + " holds " + holds +
                  " where the block's count puts a data record: the block of case " + m.block +
                  " (heading at line " + std::to_string(m.heading_line) +
                  ") seems to hold a record too few or too many above it";
  if (m.resultants_line > 0)
    return d + " (its nodal resultants are counted from their heading at line " +
           std::to_string(m.resultants_line) + ")";
  return d + " (its records are counted from its heading)";
}

// The one place where a fault's fields become its description.
std::string describe(const ErrorFields& f) {
  std::string d;
  switch (f.shape) {
    case ErrorShape::none:
      d = f.cause;
      break;
    case ErrorShape::field:
      d = "line " + std::to_string(f.line) + ", " + columns_of(f) + " of a " + f.item + ": found " +
          quoted(f.found) + ", " + f.cause;
      break;
    case ErrorShape::record:
      d = "line " + std::to_string(f.line) + ", " + columns_of(f) + " of " + f.item + ": " + f.cause;
      break;
    case ErrorShape::end_of_file:
      d = f.line > 0 ? "end of file after line " + std::to_string(f.line) : "end of file in an empty file";
      d += ": " + f.cause;
      break;
    case ErrorShape::capacity:
      d = "capacity exceeded at line " + std::to_string(f.line) + ": " + f.cause;
      break;
  }
  if (f.asker.kind != Asker::Kind::none) d += "; " + asker_text(f.asker);
  if (!f.decimal_comma.empty()) {
    std::string pointed = f.decimal_comma;
    pointed[pointed.find(',')] = '.';
    d += "; a decimal comma ended the field before it: " + quoted(f.decimal_comma) +
         " reads as far as the comma, and the digits after it begin this field (write the number with a "
         "point, "
         "as " +
         pointed + ")";
  }
  if (f.miscount.holds != Miscount::Holds::nothing) d += "; " + miscount_text(f.line, f.miscount);
  if (!f.hint.empty()) d += "; " + f.hint;
  return d;
}

std::string message_of(const ErrorFields& f, const std::string& description) {
  std::string m = "\nrun-time error " + numbered(f.letter, f.code) + ": " + f.operation;
  if (!f.file.empty() || f.letter == 'F') m += "(" + f.file + ")";
  return m + "\n- " + description + "\n";
}

}  // namespace

std::string columns_text(std::size_t first_column, std::size_t last_column) {
  return "columns " + std::to_string(first_column) + "-" + std::to_string(last_column);
}

std::string asker_text(const Asker& a) {
  std::string who = "it was asked for by ";
  if (a.kind == Asker::Kind::case_entry)
    who += "case " + std::to_string(a.entry) + " of the case list";
  else
    who += "term " + std::to_string(a.term) + " of combination " + std::to_string(a.entry);
  if (a.line > 0) who += ", line " + std::to_string(a.line) + " of " + a.file;
  if (!a.note.empty()) who += "; " + a.note;
  return who;
}

RunError::RunError(ErrorFields fields)
    : fields_(std::move(fields)),
      description_(describe(fields_)),
      message_(message_of(fields_, description_)) {}

RunError::RunError(std::string text) : description_(text), message_(std::move(text)) {
  fields_.letter = 0;
  fields_.cause = description_;
}

RunError RunError::with_hint(std::string hint) const {
  if (fields_.letter == 0) return RunError(description_ + "; " + hint);
  ErrorFields f = fields_;
  f.hint = f.hint.empty() ? std::move(hint) : f.hint + "; " + hint;
  return RunError(std::move(f));
}

std::string_view operation_of(ReadFault fault) {
  switch (fault) {
    case ReadFault::open:
    case ReadFault::same_file:
      return "OPEN";
    case ReadFault::write:
      return "WRITE";
    default:
      return "READ";
  }
}

ErrorFields file_fault(ReadFault fault, std::string_view file) {
  ErrorFields f;
  f.letter = 'F';
  f.code = static_cast<int>(fault);
  f.operation = operation_of(fault);
  f.file = file;
  return f;
}

RunError file_error(ReadFault fault, std::string_view file, std::string_view description) {
  ErrorFields f = file_fault(fault, file);
  f.cause = description;
  return RunError(std::move(f));
}

RunError read_error(ReadFault fault, std::string_view file, std::string_view description) {
  return file_error(fault, file, description);
}

RunError math_error(MathFault fault) {
  ErrorFields f;
  f.letter = 'M';
  f.code = static_cast<int>(fault);
  f.operation = "MATH";
  f.cause = std::string("floating-point error: ") + (fault == MathFault::invalid          ? "invalid"
                                                     : fault == MathFault::divide_by_zero ? "divide by zero"
                                                                                          : "overflow");
  return RunError(std::move(f));
}

std::string quoted(std::string_view text, std::size_t limit) {
  std::string q = "\"";
  std::size_t n = 0;
  for (unsigned char c : text) {
    if (n++ == limit) {
      q += "...";
      break;
    }
    if (c == '"' || c == '\\') {
      q += '\\';
      q += static_cast<char>(c);
    } else if (c == '\t') {
      q += "\\t";
    } else if (c < 0x20 || c >= 0x7f) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      q += buf;
    } else {
      q += static_cast<char>(c);
    }
  }
  q += '"';
  return q;
}

}  // namespace toval
