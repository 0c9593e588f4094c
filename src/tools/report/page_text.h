// The words of the report page. Every text the page shows comes from the
// page's catalogue (page_text.cpp: each key's Portuguese and English side by
// side); code names a text by its key only.
#pragma once

#include <optional>
#include <string>

#include "tools/cli/catalogue.h"
#include "tools/cli/units.h"

namespace toval::tools::report {

using cli::Language;

enum class Text {
  lang_attribute,  // the page's lang attribute
  page_title,
  made_by,  // %1 the date, %2 the version
  input_files_caption,
  file_role_heading,
  file_name_heading,
  file_size_heading,
  file_digest_heading,
  combination_file_role,
  forces_file_role,
  units_note,        // without units: the forces file's
  units_named_note,  // %1 force, %2 moment, %3 length: the units --units names
  sign_note,
  warnings_heading,
  warnings_intro_one,
  warnings_intro_many,  // %1 the count
  picture_heading,
  picture_caption,
  combinations_heading,
  cases_caption,
  case_number_heading,
  case_name_heading,
  combinations_caption,
  combination_heading,
  multiplier_heading,
  marking_note,
  envelope_heading,
  envelope_intro,
  envelope_caption,
  bar_heading,
  mirror_heading,
  normal_group,
  shear_start_group,
  shear_end_group,
  moment_start_group,
  moment_end_group,
  max_heading,
  min_heading,
  governing_heading,
  bending_flag_heading,
  yes,
  no,
  pairs_caption,
  governing_bar_heading,
  no_pairs,
  reactions_heading,
  reaction_envelope_caption,
  node_heading,
  component_heading,
  reaction_1,
  reaction_2,
  reaction_3,
  reactions_caption,
  combined_reactions_caption,  // %1 the combination
  missing,
  missing_reason,  // %1 the cases
  no_supports,
  displacements_heading,
  displacements_caption,
  combined_displacements_caption,
  place_heading,
  left_place,
  axis_place,
  right_place,
  dx_heading,
  dy_heading,
  dz_heading,
  axis_mean,  // %1 and %2 the flanking nodes
  bending_heading,
  bending_intro,
  bending_caption,  // %1 the combination
  bending_summary,  // %1 the combination, %2 the number of bars
  no_bending,
  packed_note,  // %1 the combination
  ni_heading,
  vi_heading,
  mi_heading,
  nf_heading,
  vf_heading,
  mf_heading,
  length_property_heading,
  // Names, sets and descriptions.
  case_description_heading,
  combination_name_heading,
  set_name_uls,
  set_name_sls_characteristic,
  set_name_sls_frequent,
  set_name_sls_quasi_permanent,
  set_envelope_heading,  // %1 the set's name
  set_members,           // %1 the combinations' numbers
  set_envelope_caption,
  set_reactions_uls_caption,
  set_reactions_characteristic_caption,
  set_reactions_caption,
  mixed_envelope_note,
  node_displacements_heading,
  node_displacements_intro,
  node_envelope_caption,
  node_combination_caption,     // %1 the combination
  node_combination_summary,     // %1 the combination, %2 the number of nodes
  node_combinations_in_export,  // %1 the number of rows
  rz_heading,
  dx_group,
  dy_group,
  rz_group,
  picture_set_caption,  // %1 the set's name
  picture_every_set_caption,
  set_heading,
  governing_legend_note,
  governing_legend_caption,
  count  // not a text: the number of keys
};

// The page's texts in one language.
class PageText : public cli::Catalogue<Text> {
 public:
  explicit PageText(Language language, std::optional<cli::Units> units = std::nullopt);
  // The text of `key` with the unit of `q` after it, when the page has units.
  std::string heading(Text key, cli::Quantity q) const;
  // The unit of `q` ("kN·m"); empty without units.
  std::string unit(cli::Quantity q) const { return cli::unit_text(units_, q); }

 private:
  std::optional<cli::Units> units_;
};

}  // namespace toval::tools::report
