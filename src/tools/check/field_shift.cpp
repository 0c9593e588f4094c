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

std::string first_column(const NumericCut& cut) {
  return std::to_string(cut.from + 1);
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

// A real written with a decimal comma ("12,000"): the comma ends the field
// within its columns, between digits, and no point or exponent stands
// before it (a comma that only parts two values follows a complete one).
std::optional<FieldShift> decimal_comma(std::string_view record, const NumericCut& cut) {
  const std::size_t comma = cut.end;
  if (cut.integer || comma == cut.from || comma + 1 >= record.size() || record[comma] != ',')
    return std::nullopt;
  if (comma >= cut.from + static_cast<std::size_t>(cut.width)) return std::nullopt;
  if (!is_digit(record[comma - 1]) || !is_digit(record[comma + 1])) return std::nullopt;
  const std::string_view text = field_text(record, cut);
  if (text.find_first_of(".EeDd") != std::string_view::npos) return std::nullopt;
  std::size_t after = comma + 1;
  while (after < record.size() && is_digit(record[after])) ++after;
  const std::string written =
      std::string(number_text(text)) + std::string(record.substr(comma, after - comma));
  return FieldShift{
      static_cast<long>(comma + 1),
      {{Text::decimal_comma_field,
        {quoted(written), first_column(cut), std::to_string(cut.from + static_cast<std::size_t>(cut.width)),
         value_read(text, cut)}}},
      Kind::decimal_comma};
}

}  // namespace

std::vector<FieldShift> field_shifts(std::string_view record, std::span<const NumericCut> cuts) {
  std::vector<FieldShift> found;
  std::vector<bool> has_blank(cuts.size(), false);
  for (std::size_t k = 0; k < cuts.size(); ++k) {
    if (auto comma = decimal_comma(record, cuts[k])) found.push_back(std::move(*comma));
    const std::string_view text = field_text(record, cuts[k]);
    const auto at = inner_blank(text);
    if (!at) continue;
    has_blank[k] = true;
    found.push_back({static_cast<long>(cuts[k].from + *at + 1),
                     {{Text::inner_blank,
                       {quoted(number_text(text)), first_column(cuts[k]), std::to_string(cuts[k].end),
                        value_read(text, cuts[k])}}}});
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
                     {{Text::runs_into_next,
                       {quoted(number_text(field_text(record, cut))), first_column(cut),
                        std::to_string(cut.end), quoted(number_text(next_text)), std::to_string(cut.end + 1),
                        value_read(field_text(record, cut), cut), value_read(next_text, next)}}}});
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
