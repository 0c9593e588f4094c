// The scan for headings, written once: records are passed without being
// read until one begins with a wanted prefix, which is then read.
#pragma once

#include <span>
#include <string_view>

#include "records/input_unit.h"

namespace toval {

// Reads the first record from the unit's position on whose data begins with
// one of the prefixes (as InputUnit::skip_to_prefix takes them) into
// `record`, with `at` where it starts, and returns the prefix's index; at
// the end of the file returns -1 with the unit after the last record.
inline int read_to_prefix(InputUnit& unit, std::span<const std::string_view> prefixes, Record& record,
                          InputUnit::Position& at) {
  const int which = unit.skip_to_prefix(prefixes);
  if (which < 0) return -1;
  at = unit.position();
  unit.next(record);
  return which;
}

}  // namespace toval
