// The words of the listing for people that came with the sets and the
// summary of design values, pt and en, through the tools' one catalogue.
#pragma once

#include <string>

#include "tools/cli/catalogue.h"

namespace toval::tools::diff {

enum class DiffText {
  summary,            // the opening summary of a set's design values
  largest_of,         // its count when cut: %1 lines of %2 changes
  counts,             // the closing count by table
  reaction_envelope,  // the table of the reaction envelope
  member,             // the summary's column head
  bar_member,         // %1: a bar
  pair_member,        // %1/%2: a mirror pair told on one line
  node_member,        // %1: a support's node
  renumbered,         // %1: a combination's old number where it differs
  set_uls,
  set_sls_characteristic,
  set_sls_frequent,
  set_sls_quasi_permanent,
  count
};

using DiffWords = cli::Catalogue<DiffText>;

DiffWords diff_words(cli::Language language);

// A set as a heading names it: "ELU", "SLS FREQUENT"; another key as it is;
// empty for the combinations in no set.
std::string set_title(const DiffWords& words, const std::string& set);

}  // namespace toval::tools::diff
