#include <ostream>

#include "tools/report/html_table.h"
#include "tools/report/packed_rows.h"
#include "tools/report/page_sections.h"

namespace toval::tools::report {

namespace {

// The rows of the frame-bar table for combination I: for every bar in
// bending that is not the higher bar of a pair, its row, then its mirror
// bar's row (whatever the mirror bar's flag), the bar's length ending the
// first and its property the second.
HtmlTable bending_combination_table(const Store& s, const RunCounts& c, const PageText& t, Whole I) {
  const BarForces& f = s.BL9;
  HtmlTable table("bar_forces-" + std::to_string(I), t.format(Text::bending_caption, {std::to_string(I)}),
                  {{std::string(t(Text::bar_heading)), "bar"},
                   {t.heading(Text::ni_heading, cli::Quantity::force), "N", Mark::magnitude},
                   {t.heading(Text::vi_heading, cli::Quantity::force), "V_start", Mark::magnitude},
                   {t.heading(Text::mi_heading, cli::Quantity::moment), "M_start", Mark::magnitude},
                   {t.heading(Text::nf_heading, cli::Quantity::force), "N", Mark::magnitude},
                   {t.heading(Text::vf_heading, cli::Quantity::force), "V_end", Mark::magnitude},
                   {t.heading(Text::mf_heading, cli::Quantity::moment), "M_end", Mark::magnitude},
                   {std::string(t(Text::length_property_heading)), "length_property"}});
  const auto forces = [&](Whole bar, Cell last) {
    const long S = slot(I, c.NBAR, bar);
    return std::vector<Cell>{whole_cell(bar),
                             real_cell(f.R_NORMAL(S), FORCE_DECIMALS),
                             real_cell(f.R_CORTTE(S, 1), FORCE_DECIMALS),
                             real_cell(f.R_FLETOR(S, 1), FORCE_DECIMALS),
                             real_cell(f.R_NORMAL(S), FORCE_DECIMALS),
                             real_cell(f.R_CORTTE(S, 2), FORCE_DECIMALS),
                             real_cell(f.R_FLETOR(S, 2), FORCE_DECIMALS),
                             std::move(last)};
  };
  for (Whole K = 1; K <= c.NBAR; ++K) {
    const Whole J = s.BL6.BAR_SIM(K);
    if (J != 0 && K > J) continue;
    if (f.BESF_VM(slot(I, c.NBAR, K)) != 1) continue;
    table.start_group();
    table.add_row(forces(K, real_cell(s.BL3.L(K), FORCE_DECIMALS)));
    if (J != 0) table.add_row(forces(J, whole_cell(s.BL3.PROP(K))));
  }
  return table;
}

// The rows of the table of combination I, counted before it is made.
std::size_t row_count(const Store& s, const RunCounts& c, Whole I) {
  std::size_t rows = 0;
  for (Whole K = 1; K <= c.NBAR; ++K) {
    const Whole J = s.BL6.BAR_SIM(K);
    if ((J == 0 || K < J) && s.BL9.BESF_VM(slot(I, c.NBAR, K)) == 1) rows += J != 0 ? 2 : 1;
  }
  return rows;
}

}  // namespace

void bending_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t,
                     std::size_t packed_rows) {
  out << "<section id=\"bars-in-bending\">\n<h2>" << html_escaped(t(Text::bending_heading)) << "</h2>\n";
  if (s.BL9.ESF_VM == 0) {
    out << "<p>" << html_escaped(t(Text::no_bending)) << "</p>\n</section>\n";
    return;
  }
  out << "<p>" << html_escaped(t(Text::bending_intro)) << "</p>\n";
  std::size_t rows = 0;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) rows += row_count(s, c, I);
  const char* open = rows <= OPEN_ROWS ? " open" : "";
  const bool packed = rows > packed_rows;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    const HtmlTable table = bending_combination_table(s, c, t, I);
    out << "<details" << open << "><summary>"
        << html_escaped(t.format(Text::bending_summary, {std::to_string(I), std::to_string(table.rows())}))
        << "</summary>\n";
    const std::optional<std::string> packed_table = packed ? table.packed_html() : std::nullopt;
    if (packed_table)
      out << "<p class=\"packed-note\">" << html_escaped(t.format(Text::packed_note, {std::to_string(I)}))
          << "</p>\n"
          << *packed_table;
    else
      table.write(out);
    out << "</details>\n";
  }
  if (packed) out << "<script>" << unfold_script() << "</script>\n";
  out << "</section>\n";
}

}  // namespace toval::tools::report
