// The one exception that ends a run. It carries the fault as data (code,
// operation, file, line, columns, field, record, the text found, who asked)
// and the text for the error stream, formed from those fields in one place;
// main prints the text and ends with exit status 1.
#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace toval {

// Error numbers of the file errors "F6nnn" and the arithmetic error "M6nnn".
// The number tells the operation the message names: open, write, or read
// for all the others.
enum class ReadFault : int {
  end_of_file = 6501,
  bad_integer = 6502,
  integer_range = 6503,
  bad_real = 6504,
  real_range = 6505,
  end_of_file_character = 6506,
  input_output = 6507,  // the system failed to read a file (toval-tools' own inputs)
  capacity = 6510,
  bad_reference = 6511,
  open = 6520,
  write = 6521,
  same_file = 6522,
};

enum class MathFault : int { invalid = 6101, divide_by_zero = 6103, overflow = 6104 };

// Who asked for a record that the file does not have: a case of the case
// list, or a term of a combination, with its line in the combination file.
struct Asker {
  enum class Kind { none, case_entry, term };
  Kind kind = Kind::none;
  long entry = 0;    // case I of the case list, or combination I
  long term = 0;     // term J of combination I
  long line = 0;     // in `file`; 0 when not known
  std::string file;  // the combination file
  std::string note;  // what looks wrong with the name it gives, if anything
};

// "it was asked for by term 2 of combination 1, line 15 of A.CMB; <note>"
std::string asker_text(const Asker& asker);

// A record of another kind read where a case block's count puts a data
// record: the block seems to hold a record too few or too many above it,
// though the fault shows only where the count runs into something else.
struct Miscount {
  enum class Holds { nothing, heading, title, other_record };
  Holds holds = Holds::nothing;  // what stands where the data record is read
  std::string block;             // the case name as messages show it
  long heading_line = 0;
  long resultants_line = 0;  // the resultants heading, when the count starts there
};

// What the description says first, which decides how the fields read in it.
enum class ErrorShape {
  none,         // the cause alone
  field,        // "line L, columns F-T (N) of a RECORD: found TEXT, CAUSE"
  record,       // "line L, columns F-T (N) of RECORD: CAUSE"
  end_of_file,  // "end of file after line L: CAUSE; ASKER" (L = 0: an empty file)
  capacity,     // "capacity exceeded at line L: CAUSE"
};

struct ErrorFields {
  char letter = 'F';  // F for the file errors, M for arithmetic
  int code = 0;
  std::string operation;  // "READ", "OPEN", "WRITE" or "MATH"
  std::string file;       // empty for arithmetic
  ErrorShape shape = ErrorShape::none;
  long line = 0;                                  // from 1; 0 when the fault has none
  std::size_t first_column = 0, last_column = 0;  // from 1; 0 when none
  std::string notation;                           // the field as the layout gives it: "I8", "F15.0"
  std::string item;                               // the record: "node record of the node section"
  std::string found;                              // the field's text as it stands in the file
  std::string cause;
  Asker asker;
  Miscount miscount;
  std::string decimal_comma;  // "-19,20": the number a comma ended just before this field
  std::string hint;           // where the cause probably lies, when it is elsewhere
};

class RunError : public std::exception {
 public:
  explicit RunError(ErrorFields fields);
  // A fault of a toval-tools input of its own (a rules file), whose whole
  // text is given as a compiler would write it: no code, no place.
  explicit RunError(std::string text);

  const ErrorFields& fields() const { return fields_; }
  // The line after "- " on the error stream.
  const std::string& description() const { return description_; }
  // The whole text for the error stream.
  const char* what() const noexcept override { return message_.c_str(); }
  // The same fault with a hint added to its description.
  [[nodiscard]] RunError with_hint(std::string hint) const;

 private:
  ErrorFields fields_;
  std::string description_, message_;
};

// "columns F-T", F and T counted from 1: where a field stands in its line.
std::string columns_text(std::size_t first_column, std::size_t last_column);

// "\nrun-time error F6nnn: READ(<file>)\n- <description>\n", with OPEN or
// WRITE in place of READ for the faults of those operations.
[[nodiscard]] RunError file_error(ReadFault fault, std::string_view file, std::string_view description);
// The same, for the faults met while reading.
[[nodiscard]] RunError read_error(ReadFault fault, std::string_view file, std::string_view description);

// The operation a fault belongs to: "OPEN", "WRITE" or "READ".
std::string_view operation_of(ReadFault fault);

// The fields of a file error, to be completed by the one who meets it.
ErrorFields file_fault(ReadFault fault, std::string_view file);

// "\nrun-time error M6nnn: MATH\n- floating-point error: <kind>\n"
[[nodiscard]] RunError math_error(MathFault fault);

// Text from a file shown in a message: quoted, control bytes escaped, cut
// when long, so that a user can find it in the file.
std::string quoted(std::string_view text, std::size_t limit = 60);

}  // namespace toval
