// Numeric fields whose text shows a value shifted by a column: the field
// rules ignore blanks inside a number, so a digit pushed out of its field
// joins the neighbouring value without any message.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/check/finding_texts.h"

namespace toval::tools::check {

// One numeric field of a record as the reader cut it (columns from 0).
struct NumericCut {
  std::size_t from = 0, end = 0, next = 0;  // text [from, end); the next item starts at `next`
  int width = 0;
  int decimals = 0;
  bool integer = false;
  bool next_is_numeric = false;  // the layout's next item is a numeric field, right after this one
};

struct FieldShift {
  long column = 1;  // from 1: the first blank inside, or the first column of the next field
  std::vector<Phrase> text;
  Kind kind = Kind::shifted_value;  // or decimal_comma
};

// Blanks between the digits (or between a digit and the point or exponent)
// of a field, and a field whose text runs into the first column of the next
// numeric field. Leading blanks, a sign followed by blanks, a comma that ends
// a field and blank fields are all as the listings write them. A comma
// between digits is a decimal comma: it ends the field, and its digits pass
// into the next one. At most one
// finding per record: the first column where a shift shows.
std::vector<FieldShift> field_shifts(std::string_view record, std::span<const NumericCut> cuts);

}  // namespace toval::tools::check
