#include "input/miscount.h"

#include "input/listing_dialect.h"
#include "records/text.h"

namespace toval {

namespace {

bool is_letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Three letters in a row: a word, which no number holds (an exponent is one
// letter).
bool has_word(std::string_view text) {
  int run = 0;
  for (char c : text) {
    run = is_letter(c) ? run + 1 : 0;
    if (run == 3) return true;
  }
  return false;
}

bool has_digit(std::string_view text) {
  for (char c : text)
    if (is_digit(c)) return true;
  return false;
}

}  // namespace

Miscount::Holds holds_instead(std::string_view record, const ErrorFields& fault) {
  using Holds = Miscount::Holds;
  if (fault.shape != ErrorShape::field) return Holds::nothing;
  if (record.starts_with(dialect::CASE_HEADING_START) || record.starts_with(dialect::RESULTANTS_HEADING))
    return Holds::heading;
  if (has_word(record) || !has_digit(record)) return Holds::title;
  // A real in an integer field after the first (the end-force record's node
  // number): a displacement or resultant record, whose values start further
  // left.
  if (fault.code == static_cast<int>(ReadFault::bad_integer) && fault.first_column > 1 &&
      fault.found.find('.') != std::string::npos)
    return Holds::other_record;
  return Holds::nothing;
}

}  // namespace toval
