#include "records/layout.h"

#include <cstdio>

namespace toval {

std::string_view item_notation(const Item& item, char (&buf)[16]) {
  int n = 0;
  switch (item.kind) {
    case Item::Kind::integer:
      n = std::snprintf(buf, sizeof buf, "I%d", item.width);
      break;
    case Item::Kind::real:
      n = std::snprintf(buf, sizeof buf, "F%d.%d", item.width, item.decimals);
      break;
    case Item::Kind::chars:
      n = std::snprintf(buf, sizeof buf, "A%d", item.width);
      break;
    case Item::Kind::skip:
      n = std::snprintf(buf, sizeof buf, "%dX", item.width);
      break;
    default:
      n = std::snprintf(buf, sizeof buf, "%s", "/");
      break;
  }
  return {buf, static_cast<std::size_t>(n)};
}

ValueColumns value_columns(Layout layout, std::size_t value) {
  std::size_t column = 0;
  for (const Item& item : layout) {
    const auto width = static_cast<std::size_t>(item.width);
    if (item.takes_value() && value-- == 0) return {column + 1, column + width, item};
    if (item.takes_value() || item.kind == Item::Kind::skip) column += width;
  }
  return {};
}

}  // namespace toval
