#include <array>
#include <optional>
#include <ostream>

#include "combine/extremes.h"
#include "tools/cli/combined_results.h"
#include "tools/cli/exported_values.h"
#include "tools/report/html_table.h"
#include "tools/report/page_sections.h"

namespace toval::tools::report {

namespace {

// Shown as the fixed report shows reactions: three decimals.
constexpr int REACTION_DECIMALS = 3;

const Table2<Real>* component_table(const Reactions& r, int component) {
  const std::array<const Table2<Real>*, 3> tables{&r.RES1, &r.RES2, &r.RES3};
  return tables[static_cast<std::size_t>(component - 1)];
}

Real combined_reaction(const Store& s, const RunCounts& c, Whole I, Whole N, int component) {
  const auto* table = component_table(s.BL11, component);
  return cli::combined_value(s, c.NCCAR, I, [&](Whole P) { return (*table)(P, N); });
}

std::vector<Column> reaction_columns(const PageText& t, const char* first_field) {
  return {{std::string(t(Text::node_heading)), first_field},
          {t.heading(Text::reaction_1, cli::Quantity::force), "reaction_1", Mark::magnitude},
          {t.heading(Text::reaction_2, cli::Quantity::force), "reaction_2", Mark::magnitude},
          {t.heading(Text::reaction_3, cli::Quantity::moment), "reaction_3", Mark::magnitude}};
}

}  // namespace

void reaction_envelope_table(std::ostream& out, const Store& s,
                             const std::vector<cli::ComponentExtremes>& supports, const std::string& id,
                             const std::string& caption, const PageText& t, GoverningNames& names) {
  const std::string comb(t(Text::governing_heading));
  HtmlTable table(id, caption,
                  {{std::string(t(Text::node_heading)), "node"},
                   {std::string(t(Text::component_heading)), "reaction"},
                   {std::string(t(Text::max_heading)), "max", Mark::largest},
                   {comb, "max_combination"},
                   {std::string(t(Text::min_heading)), "min", Mark::smallest},
                   {comb, "min_combination"}});
  for (std::size_t n = 0; n < supports.size(); ++n) {
    table.start_group();
    for (int component = 1; component <= 3; ++component) {
      // Its unit beside the component's number: the rows mix forces and moments.
      const cli::Quantity q = component == 3 ? cli::Quantity::moment : cli::Quantity::force;
      std::vector<Cell> row{whole_cell(s.BL11.NO_RES(static_cast<Whole>(n + 1))),
                            t.unit(q).empty()
                                ? whole_cell(component)
                                : text_cell(std::to_string(component) + " (" + t.unit(q) + ")")};
      if (const cli::MaybeExtremes& e = supports[n][static_cast<std::size_t>(component - 1)]) {
        row.insert(row.end(), {real_cell(e->max, REACTION_DECIMALS), names.cell(e->max_combination),
                               real_cell(e->min, REACTION_DECIMALS), names.cell(e->min_combination)});
      } else {
        for (int i = 0; i < 4; ++i) row.push_back(missing_cell(t(Text::missing)));
      }
      table.add_row(std::move(row));
    }
  }
  table.write(out);
}

namespace {

void reaction_case_table(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t) {
  std::vector<Column> columns = reaction_columns(t, "node");
  columns.insert(columns.begin(), {std::string(t(Text::case_name_heading)), "case"});
  HtmlTable table("reactions", std::string(t(Text::reactions_caption)), std::move(columns));
  for (Whole P = 1; P <= c.NCCAR; ++P) {
    table.start_group();
    for (Whole N = 1; N <= c.NRES; ++N) {
      const Reactions& r = s.BL11;
      table.add_row({text_cell(cli::name_text(s.BL4.CCAR(P).view())), whole_cell(r.NO_RES(N)),
                     real_cell(r.RES1(P, N), REACTION_DECIMALS), real_cell(r.RES2(P, N), REACTION_DECIMALS),
                     real_cell(r.RES3(P, N), REACTION_DECIMALS)});
    }
  }
  table.write(out);
}

void reaction_combination_table(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t,
                                Whole I) {
  HtmlTable table("combined_reactions-" + std::to_string(I),
                  t.format(Text::combined_reactions_caption, {std::to_string(I)}),
                  reaction_columns(t, "node"));
  const std::string reason = missing_reason(s, c, I, t);
  for (Whole N = 1; N <= c.NRES; ++N) {
    std::vector<Cell> row{whole_cell(s.BL11.NO_RES(N))};
    for (int component = 1; component <= 3; ++component)
      row.push_back(reason.empty() ? real_cell(combined_reaction(s, c, I, N, component), REACTION_DECIMALS)
                                   : missing_cell(t(Text::missing)));
    table.add_row(std::move(row));
  }
  table.write(out);
  if (!reason.empty()) out << "<p class=\"reason\">" << html_escaped(reason) << "</p>\n";
}

}  // namespace

void reaction_section(std::ostream& out, const Store& s, const RunCounts& c,
                      const cli::RunEnvelopes& envelopes, const PageText& t, GoverningNames& names) {
  out << "<section id=\"support-reactions\">\n<h2>" << html_escaped(t(Text::reactions_heading)) << "</h2>\n";
  if (c.NRES == 0) {
    out << "<p>" << html_escaped(t(Text::no_supports)) << "</p>\n</section>\n";
    return;
  }
  reaction_envelope_table(out, s, envelopes.reactions, "reaction_envelope",
                          std::string(t(Text::reaction_envelope_caption)), t, names);
  out << "<div class=\"tables\">\n";
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) reaction_combination_table(out, s, c, t, I);
  out << "</div>\n";
  reaction_case_table(out, s, c, t);
  out << "</section>\n";
}

}  // namespace toval::tools::report
