#include <array>
#include <ostream>
#include <span>

#include "tools/cli/combined_results.h"
#include "tools/report/html_table.h"
#include "tools/report/page_sections.h"

namespace toval::tools::report {

namespace {

// Shown as the characteristic nodes' displacements are: seven decimals.
constexpr int NODE_DECIMALS = 7;

constexpr std::array<const char*, 3> COMPONENTS = {"dx", "dy", "rz"};
constexpr std::array<Text, 3> GROUPS = {Text::dx_group, Text::dy_group, Text::rz_group};
constexpr std::array<cli::Quantity, 3> QUANTITIES = {cli::Quantity::length, cli::Quantity::length,
                                                     cli::Quantity::rotation};

// Per node and component over `combinations`, the largest and smallest with
// their combination; the largest of the maxima and the smallest of the
// minima marked. Each governing combination carries its name.
std::string envelope_table(const Store& s, const PageText& t, GoverningNames& names,
                           const cli::NodeDisplacements& d, std::span<const Whole> combinations,
                           const std::string& id, const std::string& caption) {
  std::vector<Column> columns{{std::string(t(Text::node_heading)), "node"}};
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string g = t.heading(GROUPS[i], QUANTITIES[i]);
    const std::string prefix = COMPONENTS[i];
    columns.push_back({std::string(t(Text::max_heading)), prefix + "_max", Mark::largest, g});
    columns.push_back({std::string(t(Text::governing_heading)), prefix + "_max_combination", Mark::none, g});
    columns.push_back({std::string(t(Text::min_heading)), prefix + "_min", Mark::smallest, g});
    columns.push_back({std::string(t(Text::governing_heading)), prefix + "_min_combination", Mark::none, g});
  }
  HtmlTable table(id, caption, columns);
  const std::vector<cli::NodeExtremes> envelope = cli::node_displacement_envelope(s, d, combinations);
  for (std::size_t k = 0; k < envelope.size(); ++k) {
    std::vector<Cell> row{whole_cell(static_cast<long>(k + 1))};
    for (const std::optional<Extremes>& e : envelope[k])
      if (e) {
        row.insert(row.end(), {real_cell(e->max, NODE_DECIMALS), names.cell(e->max_combination),
                               real_cell(e->min, NODE_DECIMALS), names.cell(e->min_combination)});
      } else {
        for (int i = 0; i < 4; ++i) row.push_back(missing_cell(t(Text::missing)));
      }
    table.add_row(std::move(row));
  }
  return table.html();
}

// One envelope per set, in the sets' order; over every combination when no
// combination has a set.
std::string envelope_tables(const Store& s, const cli::RunLabels& labels, const PageText& t,
                            GoverningNames& names, const cli::NodeDisplacements& d) {
  const std::string caption(t(Text::node_envelope_caption));
  if (labels.sets.empty())
    return envelope_table(s, t, names, d, cli::every_combination(s), "node_displacement_envelope", caption);
  std::string html;
  for (const cli::SetMembers& m : labels.sets)
    html += envelope_table(s, t, names, d, m.combinations,
                           "node_displacement_envelope-" + std::string(cli::set_key(m.set)),
                           caption + " - " + std::string(t(set_name(m.set))));
  return html;
}

HtmlTable combination_table(const PageText& t, Whole I, const std::vector<cli::NodeTriple>& values) {
  std::vector<Column> columns{{std::string(t(Text::node_heading)), "node"}};
  const Text headings[] = {Text::dx_heading, Text::dy_heading, Text::rz_heading};
  for (std::size_t i = 0; i < 3; ++i)
    columns.push_back({t.heading(headings[i], QUANTITIES[i]), COMPONENTS[i], Mark::magnitude});
  HtmlTable table("combined_node_displacements-" + std::to_string(I),
                  t.format(Text::node_combination_caption, {std::to_string(I)}), columns);
  for (std::size_t k = 0; k < values.size(); ++k)
    table.add_row({whole_cell(static_cast<long>(k + 1)), real_cell(values[k][0], NODE_DECIMALS),
                   real_cell(values[k][1], NODE_DECIMALS), real_cell(values[k][2], NODE_DECIMALS)});
  return table;
}

// Per combination its table, each in a fold that is open when all the
// tables together are short, written as it is formed; a combination with
// missing cases says why.
void combination_tables(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t,
                        const cli::NodeDisplacements& d) {
  const std::size_t rows = static_cast<std::size_t>(s.BL5.NCOB) * static_cast<std::size_t>(d.nodes());
  // Beyond the rows that the bending tables would pack, the tables would
  // make the page too large to open or print: the export holds them.
  if (rows > PACKED_BENDING_ROWS) {
    out << "<p class=\"note\">"
        << html_escaped(t.format(Text::node_combinations_in_export, {std::to_string(rows)})) << "</p>\n";
    return;
  }
  const char* open = rows <= OPEN_ROWS ? " open" : "";
  std::vector<cli::NodeTriple> values;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    if (!d.combined(s, I, values)) {
      out << "<p class=\"reason\">" << I << ": " << html_escaped(missing_reason(s, c, I, t)) << "</p>\n";
      continue;
    }
    out << "<details" << open << "><summary>"
        << html_escaped(
               t.format(Text::node_combination_summary, {std::to_string(I), std::to_string(values.size())}))
        << "</summary>\n"
        << combination_table(t, I, values).html() << "</details>\n";
  }
}

}  // namespace

void node_displacement_section(std::ostream& out, const Store& s, const RunCounts& c,
                               const cli::RunLabels& labels, const PageText& t, GoverningNames& names,
                               const cli::NodeDisplacements& d) {
  out << "<section id=\"every-node-displacement\">\n<h2>" << html_escaped(t(Text::node_displacements_heading))
      << "</h2>\n<p>" << html_escaped(t(Text::node_displacements_intro)) << "</p>\n"
      << envelope_tables(s, labels, t, names, d);
  combination_tables(out, s, c, t, d);
  out << "</section>\n";
}

}  // namespace toval::tools::report
