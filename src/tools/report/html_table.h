// HTML tables of the report page: a caption, header cells with their scope,
// right-aligned numbers, every real with its exact value in data-value (the
// export's JSON text of it), and the extreme of each marked column.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/types.h"
#include "tools/cli/markup_text.h"

namespace toval::tools::report {

// Text safe inside an element or a quoted attribute: the one rule of the
// page and its picture.
inline std::string html_escaped(std::string_view text) {
  return cli::markup_text(text);
}

// Which value of a column is its extreme.
enum class Mark { none, largest, smallest, magnitude };

struct Column {
  Column(std::string heading_, std::string field_ = {}, Mark mark_ = Mark::none, std::string group_ = {})
      : heading(std::move(heading_)), field(std::move(field_)), mark(mark_), group(std::move(group_)) {}
  std::string heading;
  std::string field;  // data-field of the header cell: the export's column name, or none
  Mark mark = Mark::none;
  std::string group;  // heading above a run of adjacent columns of the same group
};

// How a table prints: in `count` columns side by side (1: as it is), under
// a header of `header_lines` lines of text.
struct PrintColumns {
  int count = 1;
  int header_lines = 1;
};

// A cell holds its value as it is: it is formed into text once, as it is
// written, in the plain and in the packed form alike.
struct Cell {
  enum class Kind { whole, real, text, missing };
  Kind kind = Kind::text;
  std::int64_t whole = 0;
  Real real = 0;
  int decimals = -1;  // a finite real: the decimals it is shown with
  std::string text;   // a text or missing cell's
  std::string title;  // shown on pointing at the cell; none when empty

  // A real's value (written in data-value, and marked when extreme).
  std::optional<Real> value() const { return kind == Kind::real ? std::optional<Real>(real) : std::nullopt; }
  // Aligned right, as every cell not marked as text.
  bool number() const { return kind == Kind::whole || kind == Kind::real; }
};

// The value rounded to `decimals` for the eye; data-value keeps it exact.
Cell real_cell(Real value, int decimals);
Cell whole_cell(std::int64_t value);
Cell text_cell(std::string text);
Cell missing_cell(std::string_view text);

// The cell as the page shows it.
std::string shown_text(const Cell& cell);

class HtmlTable {
 public:
  HtmlTable(std::string id, std::string caption, std::vector<Column> columns);
  // The first cell is the row's header cell.
  void add_row(std::vector<Cell> cells);
  // Rows from the next one on form a group of their own (kept on one page).
  void start_group();
  std::size_t rows() const { return rows_.size(); }
  // The table in a box that scrolls sideways on a narrow screen, written
  // row by row.
  void write(std::ostream& out) const;
  std::string html() const;
  // The same table with its body packed (see packed_rows.h), for the page's
  // script to unfold; none when a cell cannot be packed.
  std::optional<std::string> packed_html() const;
  // In how many columns side by side the table prints on A4 landscape
  // paper, its rows read down one and on into the next: 2 to 4 for a table
  // both long (more rows than a page takes) and narrow (it fits twice
  // across), 1 otherwise. Guessed from the longest text of each column.
  PrintColumns print_columns() const;

 private:
  std::vector<bool> marked_cells(std::size_t column) const;
  // Every column's marked cells, by column, then by row.
  std::vector<std::vector<bool>> marks() const;
  std::string header() const;
  // The box and header, and their end, for the table printed in `columns`.
  std::string opening(const PrintColumns& columns) const;
  std::string closing(const PrintColumns& columns) const;
  void write_row(std::ostream& out, std::size_t r, const std::vector<std::vector<bool>>& marked) const;

  std::string id_, caption_;
  std::vector<Column> columns_;
  std::vector<std::vector<Cell>> rows_;
  std::vector<std::size_t> group_starts_;
};

}  // namespace toval::tools::report
