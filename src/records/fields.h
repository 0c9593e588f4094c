// The field rules of every record, in one place: how the text of one field
// becomes a value on input, and how a value becomes its text on output.
#pragma once

#include <string>
#include <string_view>

#include "records/values.h"

namespace toval {

enum class FieldStatus {
  ok,
  not_a_number,      // a character that cannot belong to a number, or no digit
  out_of_range,      // integer outside -32767..32767, real beyond the 32-bit range
  end_of_file_char,  // code 26 inside a numeric field
};

// Iw and Fw.d input. The text is the field's columns (the reader has already
// cut it at a comma); blanks and tabs are ignored wherever they stand.
FieldStatus parse_integer(std::string_view field, Whole& value);
FieldStatus parse_real(std::string_view field, int decimals, Real& value);

// Aw input into a name of `length` characters.
void chars_from_field(std::string_view field, char* name, std::size_t length);

// Output of Iw, Fw.d and Aw, appended to `record`.
void format_integer(long value, int width, std::string& record);
void format_real(Real value, int width, int decimals, std::string& record);
void format_chars(std::string_view value, int width, std::string& record);

}  // namespace toval
