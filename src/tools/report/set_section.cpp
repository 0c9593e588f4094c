#include <ostream>

#include "tools/report/page_sections.h"

namespace toval::tools::report {

namespace {

// The ultimate envelope serves the foundation's structural design, the
// characteristic one the soil.
Text reactions_caption(cli::CombinationSet set) {
  if (set == cli::CombinationSet::uls) return Text::set_reactions_uls_caption;
  if (set == cli::CombinationSet::sls_characteristic) return Text::set_reactions_characteristic_caption;
  return Text::set_reactions_caption;
}

void bar_table(std::ostream& out, const cli::SetEnvelope& e, const std::string& key, const PageText& t,
               GoverningNames& names) {
  std::vector<Column> columns{{std::string(t(Text::bar_heading)), "bar"}};
  add_extreme_columns(columns, t, Text::normal_group, cli::Quantity::force, "N");
  add_extreme_columns(columns, t, Text::shear_start_group, cli::Quantity::force, "V_start");
  add_extreme_columns(columns, t, Text::shear_end_group, cli::Quantity::force, "V_end");
  add_extreme_columns(columns, t, Text::moment_start_group, cli::Quantity::moment, "M_start");
  add_extreme_columns(columns, t, Text::moment_end_group, cli::Quantity::moment, "M_end");
  HtmlTable table("envelope-" + key, std::string(t(Text::set_envelope_caption)), std::move(columns));
  for (std::size_t k = 0; k < e.bars.size(); ++k) {
    const cli::BarEnvelope& bar = e.bars[k];
    std::vector<Cell> cells{whole_cell(static_cast<long>(k + 1))};
    add_extreme_cells(cells, bar.N, names);
    for (const auto* ends : {&bar.V, &bar.M})
      for (const Extremes& x : *ends) add_extreme_cells(cells, x, names);
    table.add_row(std::move(cells));
  }
  table.write(out);
}

std::string members(const cli::SetEnvelope& e) {
  std::string list;
  for (Whole I : e.combinations) list += (list.empty() ? "" : ", ") + std::to_string(I);
  return list;
}

}  // namespace

Text set_name(cli::CombinationSet set) {
  constexpr Text NAMES[] = {Text::set_name_uls, Text::set_name_sls_characteristic,
                            Text::set_name_sls_frequent, Text::set_name_sls_quasi_permanent};
  return NAMES[static_cast<int>(set)];
}

bool set_sections(std::ostream& out, const Store& s, const RunCounts& c, const cli::RunEnvelopes& envelopes,
                  const PageText& t, GoverningNames& names) {
  if (envelopes.sets.size() < 2) return false;
  for (const cli::SetEnvelope& e : envelopes.sets) {
    const std::string key(cli::set_key(e.set));
    out << "<section id=\"set-" << key << "\" class=\"set-envelope\">\n<h2>"
        << html_escaped(t.format(Text::set_envelope_heading, {t(set_name(e.set))})) << "</h2>\n<p>"
        << html_escaped(t.format(Text::set_members, {members(e)})) << "</p>\n";
    bar_table(out, e, key, t, names);
    if (c.NRES > 0)
      reaction_envelope_table(out, s, e.reactions, "reaction_envelope-" + key,
                              std::string(t(reactions_caption(e.set))), t, names);
    out << "</section>\n";
  }
  return true;
}

}  // namespace toval::tools::report
