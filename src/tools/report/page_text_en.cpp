// The page in English.
#include "tools/report/page_text.h"

namespace toval::tools::report {

namespace {

constexpr CatalogueEntry ENGLISH_TEXTS[] = {
    {Text::lang_attribute, "en"},
    {Text::page_title, "CALCULATION REPORT"},
    {Text::made_by, "Issued on %1 by toval-tools %2."},
    {Text::input_files_caption, "INPUT FILES"},
    {Text::file_role_heading, "FILE"},
    {Text::file_name_heading, "NAME"},
    {Text::file_size_heading, "BYTES"},
    {Text::file_digest_heading, "SHA-256"},
    {Text::combination_file_role, "combinations"},
    {Text::forces_file_role, "forces"},
    {Text::warnings_heading, "WARNINGS FROM THE CHECK OF THE INPUT FILES"},
    {Text::warnings_intro_one,
     "The check of the input files (toval-tools check) found 1 warning. The numbers of this report may be "
     "wrong because of it:"},
    {Text::warnings_intro_many,
     "The check of the input files (toval-tools check) found %1 warnings. The numbers of this report may be "
     "wrong because of them:"},
    {Text::picture_heading, "FRAME"},
    {Text::picture_caption,
     "The frame to scale, with the symmetry axis, the mirror pairs, the characteristic nodes E, C and D and "
     "the envelope of normal force (blue: tension; red: compression)."},
    {Text::combinations_heading, "COMBINATIONS"},
    {Text::cases_caption, "LOAD CASES"},
    {Text::case_number_heading, "C"},
    {Text::case_name_heading, "LOAD CASE"},
    {Text::combinations_caption, "COMBINATIONS - BAR ELEMENTS"},
    {Text::combination_heading, "COMBINATION"},
    {Text::multiplier_heading, "MULTIPLIER"},
    {Text::marking_note,
     "In every column the extreme value is marked; beside every maximum and minimum stands the combination "
     "(C) "
     "that governs it."},
    {Text::envelope_heading, "ENVELOPE OF BAR FORCES"},
    {Text::envelope_intro,
     "Normal force, shear and moment at each end of the bar, largest and smallest over all combinations. "
     "Every bar with a mirror bar is followed by it (SMT), as in the fixed report."},
    {Text::envelope_caption, "ENVELOPE - NORMAL FORCE, SHEAR, MOMENT"},
    {Text::bar_heading, "BAR"},
    {Text::mirror_heading, "SMT"},
    {Text::normal_group, "NORMAL N"},
    {Text::shear_start_group, "SHEAR Vi"},
    {Text::shear_end_group, "SHEAR Vf"},
    {Text::moment_start_group, "MOMENT Mi"},
    {Text::moment_end_group, "MOMENT Mf"},
    {Text::max_heading, "MAX"},
    {Text::min_heading, "MIN"},
    {Text::governing_heading, "C"},
    {Text::bending_flag_heading, "BENDING"},
    {Text::yes, "yes"},
    {Text::no, "no"},
    {Text::pairs_caption, "MIRROR PAIRS - ENVELOPE OF NORMAL FORCE (GOVERNING BAR)"},
    {Text::governing_bar_heading, "BAR"},
    {Text::no_pairs, "No bar has a mirror bar."},
    {Text::reactions_heading, "REACTIONS"},
    {Text::reaction_envelope_caption, "ENVELOPE OF COMBINED REACTIONS - FOUNDATIONS"},
    {Text::node_heading, "NODE"},
    {Text::component_heading, "REACTION"},
    {Text::reaction_1, "REACTION 1"},
    {Text::reaction_2, "REACTION 2"},
    {Text::reaction_3, "REACTION 3"},
    {Text::reactions_caption, "REACTIONS - LOAD CASES"},
    {Text::combined_reactions_caption, "REACTIONS - COMBINATION %1"},
    {Text::missing, "missing"},
    {Text::missing_reason,
     "No values: %1 is not in the case list of the combination file, and the displacements and reactions of "
     "cases are read only for the listed cases."},
    {Text::no_supports, "The frame has no supports."},
    {Text::displacements_heading, "DISPLACEMENTS OF THE CHARACTERISTIC NODES"},
    {Text::displacements_caption, "DISPLACEMENTS - LOAD CASES"},
    {Text::combined_displacements_caption, "DISPLACEMENTS - COMBINATIONS"},
    {Text::place_heading, "PLACE"},
    {Text::left_place, "E"},
    {Text::axis_place, "C"},
    {Text::right_place, "D"},
    {Text::dx_heading, "DX"},
    {Text::dy_heading, "DY"},
    {Text::dz_heading, "DZ"},
    {Text::axis_mean, "mean %1/%2"},
    {Text::bending_heading, "BARS IN BENDING"},
    {Text::bending_intro,
     "Per combination, the bars in which an end moment exceeds a tenth of the normal force, as the fixed "
     "report's frame-bar table lists them: the bar's row ends with its length L, the mirror bar's (SMT) with "
     "the bar's property P."},
    {Text::bending_caption, "NORMAL FORCE, SHEAR, MOMENT: FRAME BARS - COMBINATION %1"},
    {Text::bending_summary, "COMBINATION %1: %2 bar(s) in bending"},
    {Text::no_bending, "No bar is in bending in any combination."},
    {Text::packed_note,
     "This table's rows are packed in the page and the browser unfolds them when the table is opened; "
     "without scripts, the export's bar_forces table holds the same values."},
    {Text::ni_heading, "Ni"},
    {Text::vi_heading, "Vi"},
    {Text::mi_heading, "Mi"},
    {Text::nf_heading, "Nf"},
    {Text::vf_heading, "Vf"},
    {Text::mf_heading, "Mf"},
    {Text::length_property_heading, "L / P"},
    {Text::case_description_heading, "DESCRIPTION"},
    {Text::combination_name_heading, "NAME"},
    {Text::set_name_uls, "ULS - ULTIMATE LIMIT STATES"},
    {Text::set_name_sls_characteristic, "SLS - CHARACTERISTIC COMBINATIONS"},
    {Text::set_name_sls_frequent, "SLS - FREQUENT COMBINATIONS"},
    {Text::set_name_sls_quasi_permanent, "SLS - QUASI-PERMANENT COMBINATIONS"},
    {Text::set_envelope_heading, "ENVELOPE - %1"},
    {Text::set_members, "Combinations of this set: %1."},
    {Text::set_envelope_caption, "ENVELOPE OF BAR FORCES - NORMAL FORCE, SHEAR, MOMENT"},
    {Text::set_reactions_uls_caption,
     "ENVELOPE OF COMBINED REACTIONS - STRUCTURAL DESIGN OF THE FOUNDATIONS"},
    {Text::set_reactions_characteristic_caption, "ENVELOPE OF COMBINED REACTIONS - SOIL"},
    {Text::set_reactions_caption, "ENVELOPE OF COMBINED REACTIONS"},
    {Text::mixed_envelope_note,
     "The envelopes of this section and that of the reactions below span every combination of every set, "
     "ultimate and serviceability together: they are not design envelopes. Use the envelope of each set, "
     "above."},
};

}  // namespace

std::span<const CatalogueEntry> english_catalogue() {
  return ENGLISH_TEXTS;
}

}  // namespace toval::tools::report
