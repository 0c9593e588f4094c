// What the check of inputs says, as data: every finding has a kind (a stable
// name that scripts and editors match), and its text is a list of phrases,
// each a key of the check's catalogue with its arguments, formed in the
// user's language only when the list is written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/cli/language.h"

namespace toval::tools::check {

enum class Kind {
  shifted_value,
  beyond_last_column,
  cut_short,
  miscased_marker,
  case_name,
  decimal_comma,
  term_case,
  unused_case,
  case_entry,
  record_numbering,
  second_case_block,
  section_numbering,
  geometry,
  record_shift,
  run_error,
  count
};

// "record-shift", "decimal-comma", ...
std::string_view kind_name(Kind kind);

enum class Text {
  as_written,  // a text formed elsewhere, the same in both languages
  run_error,
  count_one,
  count_many,
  count_with_error,
  // a line too many or too few in a case block
  shift_extra_one,
  shift_extra_many,
  shift_missing_one,
  shift_missing_many,
  shift_missing_node,
  shift_in_displacements,
  shift_in_bar_groups,
  shift_in_resultants,
  offset_late_one,
  offset_late_many,
  offset_early_one,
  offset_early_many,
  advice_remove_line,
  advice_restore_line,
  blank_end_force,
  // a line too many or too few in the node or bar section
  titles_extra,
  titles_missing,
  list_ended_early,
  nodes_short,
  bars_short,
  count
};

struct Phrase {
  Text key = Text::as_written;
  std::vector<std::string> args;
  bool operator==(const Phrase&) const = default;
};

// The phrases in one language, one after the other.
std::string text_of(const std::vector<Phrase>& phrases, cli::Language language);

}  // namespace toval::tools::check
