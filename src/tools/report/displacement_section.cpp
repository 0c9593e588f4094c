#include <array>
#include <ostream>

#include "tools/cli/combined_results.h"
#include "tools/cli/exported_values.h"
#include "tools/report/html_table.h"
#include "tools/report/page_sections.h"

namespace toval::tools::report {

namespace {

// Shown as the fixed report shows displacements: seven decimals.
constexpr int DISPLACEMENT_DECIMALS = 7;

// One characteristic node: its letter, its number as shown, its tables.
struct Place {
  Text letter;
  std::string node;
  const Table<Real>*dx, *dy, *dz;
};

std::array<Place, 3> places(const Store& s, const PageText& t) {
  const DisplacementNodes& n = s.BL7;
  const Displacements& d = s.BL8;
  const auto number = [](Whole node) { return node != 0 ? std::to_string(node) : std::string(); };
  // Without a node on the axis the run gives the mean of the two nodes
  // beside it.
  const std::string axis =
      n.NO_C != 0 || n.NO_CE == 0
          ? number(n.NO_C)
          : t.format(Text::axis_mean, {std::to_string(n.NO_CE), std::to_string(n.NO_CD)});
  return {Place{Text::left_place, number(n.NO_E), &d.DX_E, &d.DY_E, &d.DZ_E},
          Place{Text::axis_place, axis, &d.DX_C, &d.DY_C, &d.DZ_C},
          Place{Text::right_place, number(n.NO_D), &d.DX_D, &d.DY_D, &d.DZ_D}};
}

std::vector<Column> columns(const PageText& t, Text first, const char* first_field) {
  return {{std::string(t(first)), first_field},
          {std::string(t(Text::place_heading)), "place"},
          {std::string(t(Text::node_heading)), "node"},
          {t.heading(Text::dx_heading, cli::Quantity::length), "dx", Mark::magnitude},
          {t.heading(Text::dy_heading, cli::Quantity::length), "dy", Mark::magnitude},
          {t.heading(Text::dz_heading, cli::Quantity::rotation), "dz", Mark::magnitude}};
}

void displacement_case_table(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t) {
  HtmlTable table("displacements", std::string(t(Text::displacements_caption)),
                  columns(t, Text::case_name_heading, "case"));
  for (Whole P = 1; P <= c.NCCAR; ++P) {
    table.start_group();
    for (const Place& p : places(s, t))
      table.add_row({text_cell(cli::name_text(s.BL4.CCAR(P).view())), text_cell(std::string(t(p.letter))),
                     text_cell(p.node), real_cell((*p.dx)(P), DISPLACEMENT_DECIMALS),
                     real_cell((*p.dy)(P), DISPLACEMENT_DECIMALS),
                     real_cell((*p.dz)(P), DISPLACEMENT_DECIMALS)});
  }
  table.write(out);
}

void displacement_combination_table(std::ostream& out, const Store& s, const RunCounts& c,
                                    const PageText& t) {
  HtmlTable table("combined_displacements", std::string(t(Text::combined_displacements_caption)),
                  columns(t, Text::combination_heading, "combination"));
  std::string reasons;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    table.start_group();
    const std::string reason = missing_reason(s, c, I, t);
    if (!reason.empty())
      reasons += "<p class=\"reason\">" + std::to_string(I) + ": " + html_escaped(reason) + "</p>\n";
    for (const Place& p : places(s, t)) {
      std::vector<Cell> row{whole_cell(I), text_cell(std::string(t(p.letter))), text_cell(p.node)};
      for (const auto* table_of : {p.dx, p.dy, p.dz})
        row.push_back(reason.empty() ? real_cell(cli::combined_value(s, c.NCCAR, I,
                                                                     [&](Whole P) { return (*table_of)(P); }),
                                                 DISPLACEMENT_DECIMALS)
                                     : missing_cell(t(Text::missing)));
      table.add_row(std::move(row));
    }
  }
  table.write(out);
  out << reasons;
}

}  // namespace

void displacement_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t) {
  out << "<section id=\"node-displacements\">\n<h2>" << html_escaped(t(Text::displacements_heading))
      << "</h2>\n";
  displacement_case_table(out, s, c, t);
  displacement_combination_table(out, s, c, t);
  out << "</section>\n";
}

}  // namespace toval::tools::report
