// The parts of the report page on their own: the digest, the catalogues,
// the tables (escaping, header scopes, groups, exact values, marking), the
// date and the picture taken into the page.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "tools/report/html_table.h"
#include "tools/report/page_text.h"
#include "tools/report/report_command.h"
#include "tools/report/report_page.h"
#include "tools/report/sha256.h"

namespace toval::tools::report {
namespace {

TEST(ReportSha256, KnownDigestsAcrossBlockBoundaries) {
  EXPECT_EQ(sha256_hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(sha256_hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first block.
  EXPECT_EQ(sha256_hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  // Fed in pieces of every size, a million 'a' give the published digest.
  Sha256 h;
  const std::string piece(997, 'a');
  std::size_t fed = 0;
  while (fed + piece.size() <= 1000000) {
    h.add(piece);
    fed += piece.size();
  }
  h.add(std::string(1000000 - fed, 'a'));
  EXPECT_EQ(h.hex_digest(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(ReportText, EveryKeyHasATextInEveryLanguageAndTheLanguagesDiffer) {
  // That every key has its row with both languages is checked where the
  // catalogue is compiled.
  const PageText pt(Language::pt), en(Language::en);
  constexpr auto TEXT_COUNT = static_cast<std::size_t>(Text::count);
  std::size_t same = 0;
  for (std::size_t i = 0; i < TEXT_COUNT; ++i) {
    const auto key = static_cast<Text>(i);
    EXPECT_FALSE(pt(key).empty()) << "pt text " << i;
    EXPECT_FALSE(en(key).empty()) << "en text " << i;
    if (pt(key) == en(key)) ++same;
  }
  EXPECT_EQ(pt(Text::lang_attribute), "pt");
  EXPECT_EQ(en(Text::lang_attribute), "en");
  EXPECT_EQ(pt(Text::combination_heading), "COMBINACAO");
  // Column letters and symbols are the same in both; the sentences are not.
  EXPECT_LT(same, TEXT_COUNT / 3);
}

TEST(ReportText, PlaceholdersAreReplacedInOrder) {
  const PageText en(Language::en);
  EXPECT_EQ(en.format(Text::made_by, {"2026-01-02 03:04 UTC", "9.9"}),
            "Issued on 2026-01-02 03:04 UTC by toval-tools 9.9.");
  EXPECT_EQ(en.format(Text::axis_mean, {"3", "4"}), "mean 3/4");
  EXPECT_EQ(en.format(Text::combined_reactions_caption, {}), "REACTIONS - COMBINATION ");
}

TEST(ReportTable, EscapesTextAndKeepsTheExactValue) {
  EXPECT_EQ(html_escaped("a<b>&\"c\"'"), "a&lt;b&gt;&amp;&quot;c&quot;'");
  HtmlTable t("t<1>", "x & y", {{"A"}, {"B", "b"}});
  t.add_row({text_cell("<r>"), real_cell(0.1f, 2)});
  t.add_row({whole_cell(2), real_cell(-0.0001f, 3)});
  const std::string html = t.html();
  EXPECT_NE(html.find("<table id=\"t&lt;1&gt;\">"), std::string::npos);
  EXPECT_NE(html.find("<caption>x &amp; y</caption>"), std::string::npos);
  EXPECT_NE(html.find("<th scope=\"row\" class=\"t\">&lt;r&gt;</th><td data-value=\"0.1\">0.10</td>"),
            std::string::npos);
  // Rounded to zero for the eye, without a sign; the value stays exact.
  EXPECT_NE(html.find("data-value=\"-0.0001\">0.000</td>"), std::string::npos);
  EXPECT_NE(html.find("<th scope=\"col\" data-field=\"b\">B</th>"), std::string::npos);
  EXPECT_EQ(shown_text(real_cell(6.0f, 1)), "6.0");
  EXPECT_EQ(shown_text(real_cell(-2.5f, 0)), "-2");
}

TEST(ReportTable, GroupedHeadingsSpanTheirColumnsAndOthersSpanBothRows) {
  HtmlTable t("g", "c", {{"BAR"}, {"MAX", "", Mark::none, "N"}, {"MIN", "", Mark::none, "N"}, {"FLAG"}});
  const std::string html = t.html();
  EXPECT_NE(
      html.find("<thead><tr class=\"caption-row\" aria-hidden=\"true\"><th scope=\"colgroup\" "
                "colspan=\"4\">c</th></tr>\n"
                "<tr><th scope=\"col\" rowspan=\"2\">BAR</th><th scope=\"colgroup\" colspan=\"2\">N</th>"
                "<th scope=\"col\" rowspan=\"2\">FLAG</th></tr>\n<tr><th scope=\"col\">MAX</th>"
                "<th scope=\"col\">MIN</th></tr>\n</thead>"),
      std::string::npos)
      << html;
}

TEST(ReportTable, RowGroupsBecomeBodiesAndEmptyGroupsAreNotWritten) {
  HtmlTable t("g", "c", {{"A"}});
  t.start_group();
  t.add_row({whole_cell(1)});
  t.add_row({whole_cell(2)});
  t.start_group();
  t.start_group();
  t.add_row({whole_cell(3)});
  const std::string html = t.html();
  EXPECT_NE(html.find("<tbody>\n<tr><th scope=\"row\">1</th></tr>\n<tr><th scope=\"row\">2</th>"
                      "</tr>\n</tbody>\n<tbody>\n<tr><th scope=\"row\">3</th></tr>\n</tbody>"),
            std::string::npos)
      << html;
}

// The classes of the cells of column 1, row by row.
std::string marks(Mark mark, std::initializer_list<float> values) {
  HtmlTable t("m", "c", {{"K"}, {"V", "", mark}});
  for (float v : values) t.add_row({whole_cell(0), real_cell(v, 1)});
  std::string classes;
  const std::string html = t.html();
  for (std::size_t at = html.find("<td"); at != std::string::npos; at = html.find("<td", at + 1))
    classes += html.compare(at, 13, "<td class=\"x\"") == 0 ? 'x' : '.';
  return classes;
}

TEST(ReportTable, EachColumnMarksItsExtremeWithTies) {
  EXPECT_EQ(marks(Mark::largest, {1, 3, -5, 3}), ".x.x");
  EXPECT_EQ(marks(Mark::smallest, {1, 3, -5, 3}), "..x.");
  EXPECT_EQ(marks(Mark::magnitude, {1, 3, -5, 3}), "..x.");
  EXPECT_EQ(marks(Mark::magnitude, {2, -2}), "xx");
  EXPECT_EQ(marks(Mark::none, {1, 3}), "..");
  // Nothing stands out of a column of one value.
  EXPECT_EQ(marks(Mark::largest, {0, 0, 0}), "...");
  EXPECT_EQ(marks(Mark::largest, {4}), ".");
}

TEST(ReportTable, MissingCellsAreMarkedAndCarryNoValue) {
  HtmlTable t("m", "c", {{"K"}, {"V", "", Mark::largest}});
  t.add_row({whole_cell(1), missing_cell("missing")});
  t.add_row({whole_cell(2), real_cell(1.5f, 1)});
  t.add_row({whole_cell(3), real_cell(2.5f, 1)});
  const std::string html = t.html();
  EXPECT_NE(html.find("<td class=\"m\">missing</td>"), std::string::npos);
  EXPECT_NE(html.find("<td class=\"x\" data-value=\"2.5\">2.5</td>"), std::string::npos);
}

TEST(ReportTable, OnlyTablesOfNumbersArePackedAndTheyKeepTheirHead) {
  HtmlTable numbers("n", "numbers", {{"K"}, {"V", "v", Mark::largest}});
  numbers.add_row({whole_cell(1), real_cell(1.5f, 3)});
  numbers.add_row({whole_cell(2), real_cell(-2.5f, 3)});
  const std::optional<std::string> packed = numbers.packed_html();
  ASSERT_TRUE(packed.has_value());
  // Caption and header as the plain table has them, the rows in the script.
  const std::string plain = numbers.html();
  EXPECT_EQ(packed->substr(0, plain.find("<tbody>")), plain.substr(0, plain.find("<tbody>")));
  EXPECT_NE(packed->find("<script type=\"application/octet-stream\" class=\"packed-rows\">"),
            std::string::npos);
  EXPECT_EQ(packed->find("<tr><th scope=\"row\">"), std::string::npos);
  EXPECT_EQ(packed->find('<', packed->find("class=\"packed-rows\">")), packed->find("</script>"));

  // Text, missing and non-finite cells, or decimals the script cannot round
  // exactly, leave a table plain; so does a table without rows.
  const auto one_row = [](Cell cell) {
    HtmlTable t("o", "one", {{"K"}, {"V"}});
    t.add_row({whole_cell(1), std::move(cell)});
    return t.packed_html();
  };
  EXPECT_FALSE(one_row(text_cell("x")));
  EXPECT_FALSE(one_row(missing_cell("none")));
  EXPECT_FALSE(one_row(real_cell(std::numeric_limits<Real>::infinity(), 3)));
  EXPECT_FALSE(one_row(real_cell(1.0f, 7)));
  EXPECT_TRUE(one_row(real_cell(1.0f, 6)));
  // A whole number is packed as it is held, while it fits the packed int32.
  EXPECT_TRUE(one_row(whole_cell(std::numeric_limits<std::int32_t>::min())));
  EXPECT_FALSE(one_row(whole_cell(std::int64_t{1} << 31)));
  EXPECT_FALSE(HtmlTable("e", "empty", {{"K"}}).packed_html());
}

// Printed, a table more rows long than a page and narrow enough to stand
// twice across flows in columns: as many as fit its width, fewer where a
// column would be too short for its header to repeat. Its box opens and
// closes alike in the plain and the packed form.
TEST(ReportTable, LongNarrowTablesPrintInColumns) {
  const auto table = [](std::size_t rows, std::size_t values, std::string caption = "c") {
    std::vector<Column> columns{{"NO"}};
    for (std::size_t c = 0; c < values; ++c) columns.emplace_back("DX");
    HtmlTable t("t", std::move(caption), std::move(columns));
    for (std::size_t r = 0; r < rows; ++r) {
      std::vector<Cell> cells{whole_cell(static_cast<long>(r + 1))};
      for (std::size_t c = 0; c < values; ++c) cells.push_back(real_cell(-0.0013f, 6));
      t.add_row(std::move(cells));
    }
    return t;
  };
  // A page's rows, or columns too wide to stand twice: as it is.
  EXPECT_EQ(table(36, 3).print_columns().count, 1);
  EXPECT_EQ(table(500, 14).print_columns().count, 1);
  EXPECT_EQ(table(0, 3).print_columns().count, 1);
  EXPECT_EQ(table(500, 3).print_columns().count, 4);
  EXPECT_EQ(table(500, 6).print_columns().count, 2);
  // 39 rows in 4 columns would leave 9 under a header of 2 lines.
  EXPECT_EQ(table(40, 3).print_columns().count, 4);
  EXPECT_EQ(table(39, 3).print_columns().count, 3);
  EXPECT_EQ(table(39, 3).print_columns().header_lines, 2);
  // A caption longer than a column wraps, and the header takes its lines.
  const PrintColumns wrapped = table(500, 3, std::string(80, 'C')).print_columns();
  EXPECT_EQ(wrapped.count, 4);
  EXPECT_EQ(wrapped.header_lines, 4);
  EXPECT_EQ(table(500, 3, std::string(150, 'C')).print_columns().count, 2);
  // A header of more lines than the page style leaves room for: as it is.
  EXPECT_EQ(table(500, 3, std::string(200, 'C')).print_columns().count, 1);

  const HtmlTable t = table(500, 3);
  const std::string html = t.html();
  EXPECT_EQ(
      html.rfind("<div class=\"print-columns head-2\"><div class=\"scroll columns-4\"><table id=\"t\">", 0),
      0u);
  EXPECT_EQ(html.substr(html.size() - 21), "</table></div></div>\n");
  const std::optional<std::string> packed = t.packed_html();
  ASSERT_TRUE(packed);
  EXPECT_EQ(packed->substr(0, 200), html.substr(0, 200));
  EXPECT_EQ(packed->substr(packed->size() - 21), "</table></div></div>\n");
  EXPECT_EQ(table(36, 3).html().rfind("<div class=\"scroll\"><table", 0), 0u);
}

TEST(ReportDate, FromTheSourceDateWhenItIsANumber) {
  EXPECT_EQ(issue_date("0"), "1970-01-01 00:00 UTC");
  EXPECT_EQ(issue_date("951782400"), "2000-02-29 00:00 UTC");  // a leap day
  EXPECT_EQ(issue_date("1765000000"), "2025-12-06 05:46 UTC");
  // Anything else is now: some date in this form.
  for (const char* other : {"", "12x", "-5"}) {
    const std::string now = issue_date(other);
    EXPECT_EQ(now.size(), 20u) << now;
    EXPECT_EQ(now.substr(16), " UTC");
  }
}

}  // namespace
}  // namespace toval::tools::report
