// Records that every section of the report shares: the rulers, the page
// break, and the slot of a bar in a combination.
#pragma once

#include <algorithm>
#include <string_view>

#include "records/layout.h"
#include "records/record_io.h"
#include "records/record_sink.h"
#include "store/types.h"

namespace toval::report {

// A blank, `count` copies of `mark`, then `tail` blanks.
constexpr bool is_ruler(std::string_view text, char mark, std::size_t count, std::size_t tail) {
  return text.size() == 1 + count + tail && text.front() == ' ' &&
         std::all_of(text.begin() + 1, text.begin() + 1 + static_cast<long>(count),
                     [mark](char c) { return c == mark; }) &&
         std::all_of(text.end() - static_cast<long>(tail), text.end(), [](char c) { return c == ' '; });
}

constexpr std::string_view LONG_EQUALS =
    " =============================================================================";
constexpr std::string_view LONG_DASHES =
    " -----------------------------------------------------------------------------";
constexpr std::string_view SHORT_EQUALS = " =============================== ";
static_assert(is_ruler(LONG_EQUALS, '=', 77, 0));
static_assert(is_ruler(LONG_DASHES, '-', 77, 0));
static_assert(is_ruler(SHORT_EQUALS, '=', 31, 1));

constexpr Item LONG_EQUALS_RULER[] = {Text(LONG_EQUALS)};
constexpr Item LONG_DASH_RULER[] = {Text(LONG_DASHES)};
constexpr Item SHORT_EQUALS_RULER[] = {Text(SHORT_EQUALS)};

// The page break is a record of its own: the form feed written with A1.
constexpr Item PAGE_BREAK[] = {A(1)};
constexpr std::string_view FORM_FEED = "\f";

inline void page_break(RecordSink& out) {
  write_record(out, PAGE_BREAK, FORM_FEED);
}

// The opening of a section: long ruler, title, empty record, column
// heading, long ruler; every section but the combination list starts with an
// empty record first.
enum class SectionStart { at_ruler, after_empty_record };
inline void open_section(RecordSink& out, Layout title, Layout heading, SectionStart start) {
  if (start == SectionStart::after_empty_record) empty_record(out);
  write_record(out, LONG_EQUALS_RULER);
  write_record(out, title);
  empty_record(out);
  write_record(out, heading);
  write_record(out, LONG_EQUALS_RULER);
}

}  // namespace toval::report
