#include "tools/report/governing_names.h"

namespace toval::tools::report {

bool GoverningNames::named(Whole I) const {
  return I >= 1 && static_cast<std::size_t>(I) <= labels_.combinations.size() &&
         !labels_.combination(I).name.empty();
}

Cell GoverningNames::cell(Whole I) {
  Cell c = whole_cell(I);
  // 0 stands where no combination governs (a frame without combinations).
  if (I < 1 || static_cast<std::size_t>(I) > labels_.combinations.size()) return c;
  c.title = labels_.combination(I).name;
  if (shown_.size() < static_cast<std::size_t>(I)) shown_.resize(static_cast<std::size_t>(I), false);
  shown_[static_cast<std::size_t>(I - 1)] = true;
  return c;
}

std::string GoverningNames::legend() const {
  HtmlTable table("governing_combinations", std::string(t_(Text::governing_legend_caption)),
                  {{std::string(t_(Text::combination_heading)), "combination"},
                   {std::string(t_(Text::set_heading)), "set"},
                   {std::string(t_(Text::combination_name_heading)), "name"}});
  bool any_name = false;
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    if (!shown_[i]) continue;
    const Whole I = static_cast<Whole>(i + 1);
    const cli::CombinationLabel& label = labels_.combination(I);
    any_name = any_name || named(I);
    table.add_row(
        {whole_cell(I),
         text_cell(label.set ? std::string(cli::set_label(*label.set, t_.language())) : std::string()),
         text_cell(label.name)});
  }
  if (!any_name) return {};
  return "<section id=\"governing-combination-names\">\n<p>" + html_escaped(t_(Text::governing_legend_note)) +
         "</p>\n" + table.html() + "</section>\n";
}

}  // namespace toval::tools::report
