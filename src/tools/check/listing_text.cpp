#include "tools/check/listing_text.h"

#include <algorithm>

#include "records/fields.h"

namespace toval::tools::check {

ListingText ListingText::read(InputUnit& unit) {
  const InputUnit::Watching unwatched(unit, nullptr);
  unit.rewind();
  std::vector<std::string> lines;
  Record record;
  while (unit.next(record)) lines.emplace_back(record.text());
  return ListingText(std::move(lines));
}

std::string_view ListingText::at(long line) const {
  if (line < 1 || line > size()) return {};
  return lines_[static_cast<std::size_t>(line - 1)];
}

long ListingText::find(std::string_view prefix, long from) const {
  for (long k = std::max(from, 1L); k <= size(); ++k)
    if (at(k).substr(0, prefix.size()) == prefix) return k;
  return 0;
}

bool blank_line(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<std::vector<double>> numeric_record(std::string_view line, Layout layout) {
  if (blank_line(line)) return std::nullopt;
  std::vector<double> values;
  std::size_t at = 0;
  for (const Item& item : layout) {
    const std::size_t from = std::min(at, line.size());
    std::string_view field = line.substr(from, static_cast<std::size_t>(item.width));
    at = from + field.size();
    if (const auto comma = field.find(','); comma != std::string_view::npos) {
      field = field.substr(0, comma);
      at = from + comma + 1;
    }
    if (item.kind == Item::Kind::integer) {
      Whole v = 0;
      if (parse_integer(field, v) != FieldStatus::ok) return std::nullopt;
      values.push_back(v);
    } else {
      Real v = 0.0f;
      if (parse_real(field, item.decimals, v) != FieldStatus::ok) return std::nullopt;
      values.push_back(v);
    }
  }
  return values;
}

}  // namespace toval::tools::check
