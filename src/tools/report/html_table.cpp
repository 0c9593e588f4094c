#include "tools/report/html_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <sstream>

#include "tools/cli/json_text.h"
#include "tools/report/page_style.h"

namespace toval::tools::report {

Cell real_cell(Real value, int decimals) {
  Cell cell;
  cell.kind = Cell::Kind::real;
  cell.real = value;
  cell.decimals = std::isfinite(value) ? decimals : -1;
  return cell;
}

Cell whole_cell(std::int64_t value) {
  Cell cell;
  cell.kind = Cell::Kind::whole;
  cell.whole = value;
  return cell;
}

Cell text_cell(std::string text) {
  Cell cell;
  cell.text = std::move(text);
  return cell;
}

Cell missing_cell(std::string_view text) {
  Cell cell;
  cell.kind = Cell::Kind::missing;
  cell.text = text;
  return cell;
}

std::string shown_text(const Cell& cell) {
  switch (cell.kind) {
    case Cell::Kind::whole:
      return std::to_string(cell.whole);
    case Cell::Kind::real: {
      if (cell.decimals < 0) return cli::real_json_text(cell.real);
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.*f", cell.decimals, static_cast<double>(cell.real));
      std::string text = buf;
      // A small negative value rounds to zero: shown without a sign.
      if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
      return text;
    }
    case Cell::Kind::text:
    case Cell::Kind::missing:
      break;
  }
  return cell.text;
}

HtmlTable::HtmlTable(std::string id, std::string caption, std::vector<Column> columns)
    : id_(std::move(id)), caption_(std::move(caption)), columns_(std::move(columns)) {}

void HtmlTable::add_row(std::vector<Cell> cells) {
  cells.resize(columns_.size());
  rows_.push_back(std::move(cells));
}

void HtmlTable::start_group() {
  if (group_starts_.empty() || group_starts_.back() != rows_.size()) group_starts_.push_back(rows_.size());
}

// The cells holding the column's extreme; none when the column holds fewer
// than two distinct values (nothing stands out of a column of zeros).
std::vector<bool> HtmlTable::marked_cells(std::size_t column) const {
  std::vector<bool> marked(rows_.size(), false);
  const Mark mark = columns_[column].mark;
  if (mark == Mark::none) return marked;
  const auto key = [&](Real v) {
    return mark == Mark::smallest ? -v : mark == Mark::magnitude ? std::fabs(v) : v;
  };
  std::optional<Real> best, first;
  bool distinct = false;
  for (const auto& row : rows_) {
    const std::optional<Real> v = row[column].value();
    if (!v) continue;
    if (first && *v != *first) distinct = true;
    if (!first) first = v;
    if (!best || key(*v) > key(*best)) best = v;
  }
  if (!distinct) return marked;
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const std::optional<Real> v = rows_[r][column].value();
    marked[r] = v && key(*v) == key(*best);
  }
  return marked;
}

std::vector<std::vector<bool>> HtmlTable::marks() const {
  std::vector<std::vector<bool>> marked;
  for (std::size_t c = 0; c < columns_.size(); ++c) marked.push_back(marked_cells(c));
  return marked;
}

std::string HtmlTable::header() const {
  const auto field = [](const Column& c) {
    return c.field.empty() ? std::string() : " data-field=\"" + c.field + "\"";
  };
  bool grouped = false;
  for (const Column& c : columns_) grouped = grouped || !c.group.empty();
  std::string top = "<tr>", below = "<tr>";
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const Column& c = columns_[i];
    if (!grouped || c.group.empty()) {
      top += std::string("<th scope=\"col\"") + (grouped ? " rowspan=\"2\"" : "") + field(c) + ">" +
             html_escaped(c.heading) + "</th>";
      continue;
    }
    if (i == 0 || columns_[i - 1].group != c.group) {
      std::size_t span = 1;
      while (i + span < columns_.size() && columns_[i + span].group == c.group) ++span;
      top += "<th scope=\"colgroup\" colspan=\"" + std::to_string(span) + "\">" + html_escaped(c.group) +
             "</th>";
    }
    below += "<th scope=\"col\"" + field(c) + ">" + html_escaped(c.heading) + "</th>";
  }
  // The caption again as the header's first row, shown in print alone: a
  // table's header repeats on every page it runs over, its caption does not,
  // and a continued page would not say whose rows it holds (which
  // combination's, say). Hidden from screen readers, who have the caption.
  const std::string caption =
      caption_.empty()
          ? std::string()
          : "<tr class=\"caption-row\" aria-hidden=\"true\"><th scope=\"colgroup\" colspan=\"" +
                std::to_string(columns_.size()) + "\">" + html_escaped(caption_) + "</th></tr>\n";
  return "<thead>" + caption + top + "</tr>\n" + (grouped ? below + "</tr>\n" : "") + "</thead>\n";
}

namespace {

// Printed measures, in mm, of the page style's 8 pt table text: a digit's
// width and a bold capital's (headings, captions, the row's header cell),
// each with some room to spare, a cell's padding and border, and the gap
// between columns (page_style.cpp).
constexpr double PRINT_CHAR_MM = 1.6, PRINT_BOLD_CHAR_MM = 2.2, PRINT_CELL_MM = 2.2, PRINT_GAP_MM = 6;
// Rows of 8 pt text that a printed page takes under a table's header.
constexpr std::size_t PRINT_PAGE_ROWS = 36;
constexpr int MOST_PRINT_COLUMNS = 4;
// Chromium repeats a header in a column only when the column is at least
// four times as tall: a column keeps five times its header's lines. The
// page style's spacers (head-2 to head-4) stand for headers of up to 4
// lines.
constexpr std::size_t ROWS_PER_HEADER_LINE = 5;
constexpr int MOST_HEADER_LINES = 4;

double text_mm(std::size_t chars, double char_mm) {
  return static_cast<double>(chars) * char_mm;
}

}  // namespace

PrintColumns HtmlTable::print_columns() const {
  if (rows_.size() <= PRINT_PAGE_ROWS || columns_.empty()) return {};
  // Each column as wide as its longest text (a text cell could wrap, but
  // is taken at its length: a wider guess only prints fewer columns); a
  // group's heading over the columns it spans.
  std::vector<double> mm(columns_.size(), 0);
  for (std::size_t c = 0; c < columns_.size(); ++c)
    mm[c] = text_mm(columns_[c].heading.size(), PRINT_BOLD_CHAR_MM);
  for (const auto& row : rows_)
    for (std::size_t c = 0; c < columns_.size(); ++c)
      mm[c] =
          std::max(mm[c], text_mm(shown_text(row[c]).size(), c == 0 ? PRINT_BOLD_CHAR_MM : PRINT_CHAR_MM));
  double width = 0;
  bool grouped = false;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    const std::string& group = columns_[c].group;
    grouped = grouped || !group.empty();
    if (!group.empty() && (c == 0 || columns_[c - 1].group != group)) {
      double under = 0;
      for (std::size_t k = c; k < columns_.size() && columns_[k].group == group; ++k) under += mm[k];
      // A group's heading wider than its columns widens them.
      width += std::max(0.0, text_mm(group.size(), PRINT_BOLD_CHAR_MM) - under);
    }
    width += mm[c] + PRINT_CELL_MM;
  }
  int fit = std::min(static_cast<int>((PICTURE_PRINT_WIDTH_MM + PRINT_GAP_MM) / (width + PRINT_GAP_MM)),
                     MOST_PRINT_COLUMNS);
  // The caption row wraps in a column narrower than the caption; the
  // rows of a column keep the header repeating.
  const double caption_mm = static_cast<double>(caption_.size()) * PRINT_BOLD_CHAR_MM;
  const auto header_lines = [&](int count) {
    const double column_mm = (PICTURE_PRINT_WIDTH_MM + PRINT_GAP_MM) / count - PRINT_GAP_MM;
    return static_cast<int>(std::ceil(caption_mm / column_mm)) + (grouped ? 2 : 1);
  };
  while (fit > 1 && (header_lines(fit) > MOST_HEADER_LINES ||
                     rows_.size() / static_cast<std::size_t>(fit) <
                         ROWS_PER_HEADER_LINE * static_cast<std::size_t>(header_lines(fit))))
    --fit;
  fit = std::max(fit, 1);
  return {fit, header_lines(fit)};
}

// A table printed in columns stands in a box of its own, whose spacer, as
// tall as the header needs, keeps the columns from starting at a page's
// foot (see page_style.cpp).
std::string HtmlTable::opening(const PrintColumns& columns) const {
  const std::string table = "<table id=\"" + html_escaped(id_) + "\">\n<caption>" + html_escaped(caption_) +
                            "</caption>\n" + header();
  if (columns.count < 2) return "<div class=\"scroll\">" + table;
  return "<div class=\"print-columns head-" +
         std::to_string(std::clamp(columns.header_lines, 2, MOST_HEADER_LINES)) +
         "\"><div class=\"scroll columns-" + std::to_string(columns.count) + "\">" + table;
}

std::string HtmlTable::closing(const PrintColumns& columns) const {
  return columns.count > 1 ? "</table></div></div>\n" : "</table></div>\n";
}

void HtmlTable::write_row(std::ostream& out, std::size_t r,
                          const std::vector<std::vector<bool>>& marked) const {
  out << "<tr>";
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    const Cell& cell = rows_[r][c];
    const char* tag = c == 0 ? "th" : "td";
    out << '<' << tag << (c == 0 ? " scope=\"row\"" : "");
    std::string classes;
    // Numbers are the rule (most cells at scale): text is the one marked.
    if (cell.kind == Cell::Kind::missing)
      classes += "m";
    else if (!cell.number())
      classes += "t";
    if (marked[c][r]) classes += classes.empty() ? "x" : " x";
    if (!classes.empty()) out << " class=\"" << classes << '"';
    if (cell.kind == Cell::Kind::real) out << " data-value=\"" << cli::real_json_text(cell.real) << '"';
    if (!cell.title.empty()) out << " title=\"" << html_escaped(cell.title) << '"';
    out << '>' << html_escaped(shown_text(cell)) << "</" << tag << '>';
  }
  out << "</tr>\n";
}

void HtmlTable::write(std::ostream& out) const {
  const std::vector<std::vector<bool>> marked = marks();
  const PrintColumns columns = print_columns();
  out << opening(columns);
  std::size_t next_group = 0;
  bool open = false;
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    if (!open || (next_group < group_starts_.size() && group_starts_[next_group] == r)) {
      while (next_group < group_starts_.size() && group_starts_[next_group] <= r) ++next_group;
      out << (open ? "</tbody>\n<tbody>\n" : "<tbody>\n");
      open = true;
    }
    write_row(out, r, marked);
  }
  if (open) out << "</tbody>\n";
  out << closing(columns);
}

std::string HtmlTable::html() const {
  std::ostringstream out;
  write(out);
  return std::move(out).str();
}

}  // namespace toval::tools::report
