// The names of governing combinations on the page: the number's cell
// carries the name (escaped) as its title, and the legend lists each number
// shown once, in order, with its set's label in the page's language.
#include "tools/report/governing_names.h"

#include <gtest/gtest.h>

namespace toval::tools::report {
namespace {

cli::RunLabels three_labels() {
  cli::RunLabels labels;
  labels.combinations = {{cli::CombinationSet::uls, "ELU 1 - \"G\" & Q"},
                         {std::nullopt, "MONTAGEM"},
                         {cli::CombinationSet::sls_frequent, "ELS FREQUENTE 1"}};
  return labels;
}

TEST(GoverningNames, CellsCarryTheNameAndTheLegendListsTheNumbersShown) {
  const cli::RunLabels labels = three_labels();
  const PageText t(Language::en);
  GoverningNames names(labels, t);
  EXPECT_EQ(names.cell(3).title, "ELS FREQUENTE 1");
  EXPECT_EQ(shown_text(names.cell(1)), "1");
  names.cell(3);
  // No combination governs where there is none: no name, nothing listed.
  EXPECT_EQ(names.cell(0).title, "");
  EXPECT_EQ(names.cell(4).title, "");

  HtmlTable table("t", "T", {{"C", "max_combination"}});
  table.add_row({names.cell(1)});
  EXPECT_NE(table.html().find("<th scope=\"row\" title=\"ELU 1 - &quot;G&quot; &amp; Q\">1</th>"),
            std::string::npos)
      << table.html();

  const std::string legend = names.legend();
  const std::size_t first = legend.find("<th scope=\"row\">1</th><td class=\"t\">ULS</td>");
  const std::size_t third = legend.find("<th scope=\"row\">3</th><td class=\"t\">SLS FREQUENT</td>");
  EXPECT_NE(first, std::string::npos) << legend;
  EXPECT_NE(third, std::string::npos) << legend;
  EXPECT_LT(first, third);
  EXPECT_EQ(legend.find("MONTAGEM"), std::string::npos) << "2 was never shown";
  EXPECT_EQ(legend.find("<th scope=\"row\">3</th>", third + 1), std::string::npos) << "3 listed once";

  const PageText pt(Language::pt);
  GoverningNames in_portuguese(labels, pt);
  in_portuguese.cell(3);
  EXPECT_NE(in_portuguese.legend().find("<td class=\"t\">ELS FREQUENTE</td>"), std::string::npos);
}

TEST(GoverningNames, WithoutNamesThereIsNoLegend) {
  cli::RunLabels labels;
  labels.combinations = {{std::nullopt, ""}, {std::nullopt, ""}};
  const PageText t(Language::pt);
  GoverningNames names(labels, t);
  EXPECT_EQ(names.cell(2).title, "");
  EXPECT_EQ(names.legend(), "");
  EXPECT_EQ(GoverningNames(three_labels(), t).legend(), "") << "nothing shown, nothing listed";
}

}  // namespace
}  // namespace toval::tools::report
