#include "tools/check/field_shift.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "records/fields.h"
#include "records/run_error.h"
#include "records/text.h"
#include "store/types.h"

namespace toval::tools::check {

namespace {

bool blank(char c) {
  return c == ' ' || c == '\t';
}
// What may stand on either side of a blank inside one number's digits.
bool number_part(char c) {
  return is_digit(c) || c == '.' || c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

std::string_view field_text(std::string_view record, const NumericCut& cut) {
  if (cut.from >= record.size()) return {};
  return record.substr(cut.from, std::min(cut.end, record.size()) - cut.from);
}

// The value the field gives, as the user would write it.
std::string value_read(std::string_view text, const NumericCut& cut) {
  char buf[32];
  if (cut.integer) {
    Whole v = 0;
    if (parse_integer(text, v) != FieldStatus::ok) return "?";
    return std::to_string(v);
  }
  Real v = 0.0f;
  if (parse_real(text, cut.decimals, v) != FieldStatus::ok) return "?";
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, end) : "?";
}

std::string columns(const NumericCut& cut) {
  return columns_text(cut.from + 1, cut.end);
}

// The first blank between two parts of a number, counted in the field's text.
std::optional<std::size_t> inner_blank(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const auto last = text.find_last_not_of(" \t");
  for (std::size_t k = first + 1; k < last; ++k) {
    if (!blank(text[k]) || blank(text[k - 1])) continue;
    std::size_t after = k;
    while (blank(text[after])) ++after;
    if (number_part(text[k - 1]) && number_part(text[after])) return k;
  }
  return std::nullopt;
}

}  // namespace

std::vector<FieldShift> field_shifts(std::string_view record, std::span<const NumericCut> cuts) {
  std::vector<FieldShift> found;
  std::vector<bool> has_blank(cuts.size(), false);
  for (std::size_t k = 0; k < cuts.size(); ++k) {
    const std::string_view text = field_text(record, cuts[k]);
    const auto at = inner_blank(text);
    if (!at) continue;
    has_blank[k] = true;
    found.push_back({static_cast<long>(cuts[k].from + *at + 1),
                     "blanks inside the number " + quoted(number_text(text)) + " (" + columns(cuts[k]) +
                         "): blanks are ignored, so it reads as " + value_read(text, cuts[k]) +
                         "; a value shifted by a column, probably: write each value within its own columns"});
  }
  for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
    const NumericCut& cut = cuts[k];
    const NumericCut& next = cuts[k + 1];
    if (!cut.next_is_numeric || has_blank[k + 1]) continue;
    // Cut by a comma, or short of the record's end: the fields are apart.
    if (cut.end != cut.next || cut.end == cut.from || cut.end >= record.size()) continue;
    const char last = record[cut.end - 1], first = record[cut.end];
    if (blank(last) || blank(first) || first == ',') continue;
    const std::string_view next_text = field_text(record, next);
    found.push_back({static_cast<long>(cut.end + 1),
                     "the number " + quoted(number_text(field_text(record, cut))) + " (" + columns(cut) +
                         ") runs into the next field, whose text " + quoted(number_text(next_text)) +
                         " starts in column " + std::to_string(cut.end + 1) + ": they read as " +
                         value_read(field_text(record, cut), cut) + " and " + value_read(next_text, next) +
                         ", each from its own columns; a value shifted by a column, probably: leave a "
                         "blank between values"});
  }
  // One shift disturbs every field after it: the first place tells it.
  if (found.size() > 1) {
    auto first = std::min_element(found.begin(), found.end(), [](const FieldShift& a, const FieldShift& b) {
      return a.column < b.column;
    });
    found = {*first};
  }
  return found;
}

}  // namespace toval::tools::check
