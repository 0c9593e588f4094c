// The combination file's dialect: its markers, its record layouts and the
// columns of a term record. The combination file's reader and the check of
// inputs read this.
#pragma once

#include <cstddef>
#include <string_view>

#include "records/layout.h"

namespace toval::combination_dialect {

// Markers stand in columns 1-4, in capitals.
constexpr std::size_t MARKER_WIDTH = 4;
constexpr std::string_view FIMG = "FIMG";  // ends the head of the file
constexpr std::string_view FIMC = "FIMC";  // ends a case entry or a combination's terms
constexpr std::string_view FIME = "FIME";  // ends the case list or the combinations
constexpr std::string_view MARKERS[] = {FIMG, FIMC, FIME};

// The same letters in either case: a marker written in the wrong case is
// not one, but a fault that follows is most likely its doing.
constexpr bool same_letters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  for (std::size_t k = 0; k < a.size(); ++k)
    if (upper(a[k]) != upper(b[k])) return false;
  return true;
}

// Records 2-4: the project, client and frame titles.
constexpr Item TITLE_RECORD[] = {A(40)};
// Columns 1-4: a marker, a case name or a header, as the grammar places it.
constexpr Item MARKER_RECORD[] = {A(4)};
// Marker columns, multiplier, case name.
constexpr Item TERM_RECORD[] = {A(4), F(10, 0), A(4)};

// Columns of a term record (from 0, `_END` past the last) when no comma cuts
// the multiplier short.
constexpr std::size_t MULTIPLIER_FROM = 4;
constexpr std::size_t MULTIPLIER_END = 14;
constexpr std::size_t TERM_NAME_FROM = 14;

}  // namespace toval::combination_dialect
