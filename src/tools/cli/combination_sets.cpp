#include "tools/cli/combination_sets.h"

#include "records/text.h"

namespace toval::tools::cli {

namespace {

// Whether `text` is the label, blanks and a number, ending as a header's
// label part may end.
bool labelled(std::string_view text, std::string_view label) {
  if (text.substr(0, label.size()) != label) return false;
  const std::size_t after_label = label.size();
  std::size_t at = after_label;
  while (at < text.size() && text[at] == ' ') ++at;
  const std::size_t number_from = at;
  while (at < text.size() && is_digit(text[at])) ++at;
  if (number_from == after_label || at == number_from) return false;
  return at == text.size() || text[at] == ' ' || text[at] == '-';
}

}  // namespace

std::optional<CombinationSet> set_of_header(std::string_view header) {
  const std::size_t first = header.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  header.remove_prefix(first);
  for (CombinationSet set : ALL_SETS)
    for (Language language : {Language::pt, Language::en})
      if (labelled(header, set_label(set, language))) return set;
  return std::nullopt;
}

}  // namespace toval::tools::cli
