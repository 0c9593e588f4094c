#include <ostream>

#include "tools/cli/combined_results.h"
#include "tools/cli/exported_values.h"
#include "tools/report/html_table.h"
#include "tools/report/page_sections.h"

namespace toval::tools::report {

std::string missing_reason(const Store& s, const RunCounts& c, Whole I, const PageText& t) {
  const std::vector<Name<4>> missing = cli::missing_cases(s, c.NCCAR, I);
  if (missing.empty()) return {};
  std::string names;
  for (const Name<4>& n : missing) names += (names.empty() ? "\"" : ", \"") + cli::name_text(n.view()) + "\"";
  return t.format(Text::missing_reason, {names});
}

void combination_section(std::ostream& out, const Store& s, const RunCounts& c, const cli::RunLabels& labels,
                         const PageText& t) {
  HtmlTable cases("cases", std::string(t(Text::cases_caption)),
                  {{std::string(t(Text::case_number_heading))},
                   {std::string(t(Text::case_name_heading)), "case"},
                   {std::string(t(Text::case_description_heading)), "description"}});
  for (Whole P = 1; P <= c.NCCAR; ++P)
    cases.add_row(
        {whole_cell(P), text_cell(cli::name_text(s.BL4.CCAR(P).view())), text_cell(labels.description(P))});

  HtmlTable terms("combinations", std::string(t(Text::combinations_caption)),
                  {{std::string(t(Text::combination_heading)), "combination"},
                   {std::string(t(Text::combination_name_heading)), "name"},
                   {std::string(t(Text::multiplier_heading)), "multiplier"},
                   {std::string(t(Text::case_name_heading)), "case"}});
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    terms.start_group();
    const std::string& name = labels.combination(I).name;
    if (s.BL5.NCASO(I) == 0) terms.add_row({whole_cell(I), text_cell(name), text_cell(""), text_cell("")});
    for (Whole J = 1; J <= s.BL5.NCASO(I); ++J)
      terms.add_row({whole_cell(I), text_cell(J == 1 ? name : ""), real_cell(s.BL5.MULT(I, J), 2),
                     text_cell(cli::name_text(s.BL5.CASO(I, J).view()))});
  }
  out << "<section id=\"combination-list\">\n<h2>" << html_escaped(t(Text::combinations_heading))
      << "</h2>\n";
  cases.write(out);
  terms.write(out);
  out << "</section>\n";
}

}  // namespace toval::tools::report
