#include "store/layout.h"

#include <cstdio>

namespace toval {

std::string_view item_notation(const Item& item, char (&buf)[16]) {
  int n = 0;
  switch (item.kind) {
    case Item::Kind::integer: n = std::snprintf(buf, sizeof buf, "I%d", item.width); break;
    case Item::Kind::real: n = std::snprintf(buf, sizeof buf, "F%d.%d", item.width, item.decimals); break;
    case Item::Kind::chars: n = std::snprintf(buf, sizeof buf, "A%d", item.width); break;
    case Item::Kind::skip: n = std::snprintf(buf, sizeof buf, "%dX", item.width); break;
    default: n = std::snprintf(buf, sizeof buf, "%s", "/"); break;
  }
  return {buf, static_cast<std::size_t>(n)};
}

}  // namespace toval
