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
  // a value shifted by a column, a number cut short
  inner_blank,
  runs_into_next,
  decimal_comma_field,
  beyond_last_column,
  cut_short,
  // a marker in lower case, and how the reader takes its line
  miscased_marker,
  read_as_head,
  read_as_case_entry,
  read_as_after_entry,
  read_as_after_case_list,
  read_as_term,
  read_as_after_combination,
  write_marker,
  // the case list and the combinations
  case_blank_name,
  case_repeated_name,
  term_decimal_comma,
  term_blank_case,
  term_unknown_case,
  unused_case,
  entry_over_fime_alone,
  entry_over_fime_before_combinations,
  entry_over_block,
  // records numbered out of place
  displacement_numbering,
  bar_group_numbering,
  resultant_numbering,
  more_records,
  second_case_block,
  node_numbering,
  bar_numbering,
  node_given_already,
  bar_given_already,
  number_below_1,
  node_number_follows,
  bar_number_follows,
  node_number_absent,
  bar_number_absent,
  node_repeated_change,
  node_moved_change,
  bar_change,
  // the geometry
  node_misplaced_by_bar,
  node_misplaced_by_bars,
  bar_misfit,
  bar_misfit_beyond,
  bar_misfit_why,
  fits_initial_node,
  fits_final_node,
  list_comma,
  list_or,
  would_fit,
  several_would_fit,
  none_would_fit,
  node_off_axis,
  would_lie_on_axis,
  would_mirror_node,
  would_pair,
  or_other_node,
  axis_and_advice,
  near_mirror_bars,
  left_node_role,
  centre_node_role,
  right_node_role,
  support_node,
  // the rules file in place of a combination file
  block_named_by_no_action,
  count
};

struct Phrase {
  Text key = Text::run_error;
  std::vector<std::string> args;
  bool operator==(const Phrase&) const = default;
};

// The phrases in one language, one after the other.
std::string text_of(const std::vector<Phrase>& phrases, cli::Language language);

}  // namespace toval::tools::check
