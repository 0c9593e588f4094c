// The words of the picture. Every text the picture shows, its hover texts
// included, comes from this catalogue (picture_text.cpp: each key's
// Portuguese and English side by side); code names a text by its key only.
// draw writes English unless --lang asks otherwise, so that a picture
// drawn without it stays as it always was; a page passes its own language.
#pragma once

#include "tools/cli/catalogue.h"

namespace toval::tools::draw {

using cli::Language;

enum class Word {
  forces_of_combination,  // %1 the combination, %2 the number of combinations
  forces_envelope_one,    // %1 the number of combinations (1)
  forces_envelope_many,   // %1 the number of combinations
  input_files,            // %1 the combination file, %2 the forces file
  counts_line,            // %1 the forces line, %2 nodes, %3 bars
  tension,
  compression,
  width_grows,  // %1 the largest |N|
  none,
  one_bar_prefix,
  bars_prefix,
  in_combination,  // %1 the combination
  in_some_combination,
  in_some_combination_of_set,
  forces_envelope_of_set,     // %1 the set's name, %2 its key, %3 its combinations, %4 all combinations
  forces_envelope_every_set,  // %1 the number of combinations
  uls_set,
  sls_characteristic_set,
  sls_frequent_set,
  sls_quasi_permanent_set,
  in_bending,      // %1 where
  bending_reason,  // after "in bending ...", before the bars
  bars_count_one,  // %1 the count (1)
  bars_count_many,
  pairs_count_one,
  pairs_count_many,
  bending_note,  // %1 "in bending ..." with its reason, %2 the count
  unpaired_prefix,
  unpaired_note,  // %1 the count
  own_mirror,
  pairs_prefix,
  pairs_note,          // %1 the count
  axis_row,            // %1 the abscissa
  characteristic_row,  // %1 the nodes
  support_row,         // %1 the kind
  unplaced_prefix,     // %1 the number of nodes
  fixed,
  pinned,
  roller_x,
  roller_y,
  guided_x,
  guided_y,
  rotation_only,
  free,
  node_name,  // %1 the node
  no_node,
  characteristic_line,  // %1 E's node, %2 C's words, %3 D's node
  c_node,               // %1 the node
  c_mean,               // %1, %2 the flanking nodes
  c_none,
  c_half,       // %1 the node
  axis_label,   // %1 the abscissa
  bar_hover,    // %1 bar, %2 and %3 its nodes, %4 its length
  hover_shown,  // %1 N, %2 the combination
  hover_max,
  hover_min,
  hover_mirror,  // %1 the pairs
  hover_pair,    // %1 the other bar, %2 the tag
  hover_unpaired,
  node_hover,  // %1 node, %2 x, %3 y
  count        // not a text: the number of keys
};

class PictureText : public cli::Catalogue<Word> {
 public:
  explicit PictureText(Language language = Language::en);
};

}  // namespace toval::tools::draw
