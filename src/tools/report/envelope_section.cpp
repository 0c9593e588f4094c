#include <ostream>

#include "combine/extremes.h"
#include "report/pair_envelope.h"
#include "tools/cli/combined_results.h"
#include "tools/report/html_table.h"
#include "tools/report/page_sections.h"

namespace toval::tools::report {

void add_extreme_columns(std::vector<Column>& columns, const PageText& t, Text group, cli::Quantity q,
                         const std::string& prefix) {
  const std::string g = t.heading(group, q);
  columns.push_back({std::string(t(Text::max_heading)), prefix + "_max", Mark::largest, g});
  columns.push_back({std::string(t(Text::governing_heading)), prefix + "_max_combination", Mark::none, g});
  columns.push_back({std::string(t(Text::min_heading)), prefix + "_min", Mark::smallest, g});
  columns.push_back({std::string(t(Text::governing_heading)), prefix + "_min_combination", Mark::none, g});
}

void add_extreme_cells(std::vector<Cell>& cells, const Extremes& e, GoverningNames& names) {
  cells.push_back(real_cell(e.max, FORCE_DECIMALS));
  cells.push_back(names.cell(e.max_combination));
  cells.push_back(real_cell(e.min, FORCE_DECIMALS));
  cells.push_back(names.cell(e.min_combination));
}

namespace {

bool bends_anywhere(const Store& s, const RunCounts& c, Whole K) {
  for (Whole I = 1; I <= s.BL5.NCOB; ++I)
    if (s.BL9.BESF_VM(slot(I, c.NBAR, K)) == 1) return true;
  return false;
}

// The row of bar K; `partner` is the bar it stands beside (its mirror bar
// or, on a mirror row, the lower bar), 0 when none.
std::vector<Cell> bar_row(const Store& s, const RunCounts& c, const PageText& t, GoverningNames& names,
                          Whole K, Whole partner) {
  std::vector<Cell> cells{whole_cell(K), partner != 0 ? whole_cell(partner) : text_cell("")};
  const cli::BarForceEnvelope x = cli::bar_force_envelope(s, c.NBAR, K);
  add_extreme_cells(cells, x.N, names);
  for (const auto* ends : {&x.V, &x.M})
    for (const Extremes& e : *ends) add_extreme_cells(cells, e, names);
  cells.push_back(text_cell(std::string(bends_anywhere(s, c, K) ? t(Text::yes) : t(Text::no))));
  return cells;
}

void pair_table(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t,
                GoverningNames& names) {
  const std::string bar(t(Text::bar_heading)), c_heading(t(Text::governing_heading));
  HtmlTable pairs("pairs", std::string(t(Text::pairs_caption)),
                  {{bar, "lower_bar"},
                   {std::string(t(Text::mirror_heading)), "higher_bar"},
                   {t.heading(Text::max_heading, cli::Quantity::force), "max", Mark::largest},
                   {bar, "max_bar"},
                   {c_heading, "max_combination"},
                   {t.heading(Text::min_heading, cli::Quantity::force), "min", Mark::smallest},
                   {bar, "min_bar"},
                   {c_heading, "min_combination"}});
  for (Whole K = 1; K <= c.NBAR; ++K) {
    const Whole J = s.BL6.BAR_SIM(K);
    if (J == 0 || K > J) continue;
    const PairEnvelope x = pair_envelope(s, K, J);
    pairs.add_row({whole_cell(K), whole_cell(J), real_cell(x.ESF1, FORCE_DECIMALS), whole_cell(x.B1),
                   names.cell(x.C1), real_cell(x.ESF2, FORCE_DECIMALS), whole_cell(x.B2), names.cell(x.C2)});
  }
  if (pairs.rows() == 0)
    out << "<p>" << html_escaped(t(Text::no_pairs)) << "</p>\n";
  else
    pairs.write(out);
}

}  // namespace

void envelope_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t,
                      GoverningNames& names) {
  std::vector<Column> columns{{std::string(t(Text::bar_heading)), "bar"},
                              {std::string(t(Text::mirror_heading)), "mirror"}};
  add_extreme_columns(columns, t, Text::normal_group, cli::Quantity::force, "N");
  add_extreme_columns(columns, t, Text::shear_start_group, cli::Quantity::force, "V_start");
  add_extreme_columns(columns, t, Text::shear_end_group, cli::Quantity::force, "V_end");
  add_extreme_columns(columns, t, Text::moment_start_group, cli::Quantity::moment, "M_start");
  add_extreme_columns(columns, t, Text::moment_end_group, cli::Quantity::moment, "M_end");
  columns.push_back({std::string(t(Text::bending_flag_heading)), "bending"});
  HtmlTable table("envelope", std::string(t(Text::envelope_caption)), std::move(columns));
  // The order of the truss-bar table: a higher bar of a pair only beside
  // its lower bar.
  for (Whole K = 1; K <= c.NBAR; ++K) {
    const Whole J = s.BL6.BAR_SIM(K);
    if (J != 0 && K > J) continue;
    table.start_group();
    table.add_row(bar_row(s, c, t, names, K, J));
    if (J != 0) table.add_row(bar_row(s, c, t, names, J, K));
  }
  out << "<section id=\"bar-envelope\">\n<h2>" << html_escaped(t(Text::envelope_heading)) << "</h2>\n<p>"
      << html_escaped(t(Text::envelope_intro)) << " " << html_escaped(t(Text::marking_note)) << "</p>\n";
  table.write(out);
  pair_table(out, s, c, t, names);
  out << "</section>\n";
}

}  // namespace toval::tools::report
