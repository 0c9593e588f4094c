#include "tools/export/workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <vector>

#include "records/run_error.h"
#include "tools/cli/exported_values.h"
#include "tools/export/csv_tables.h"
#include "tools/export/table_sink.h"

namespace toval::tools::export_ {

namespace {

// The cells of every table, row by row, into the sheets of one workbook
// written in constant memory: the library keeps one row and writes it out
// when the next begins.
class WorkbookSink final : public TableSink {
 public:
  explicit WorkbookSink(const WorkbookTarget& target)
      : shown_name_(target.shown_name), sheet_rows_(std::max<std::uint32_t>(target.sheet_rows, 2)) {
    // Its working files go beside the workbook, not into a temporary folder
    // that may be memory or, on Windows, not writable.
    std::string folder = std::filesystem::path(target.file).parent_path().string();
    if (folder.empty()) folder = ".";
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = folder.data();
    workbook_ = workbook_new_opt(target.file.c_str(), &options);
    if (workbook_ == nullptr) fail("the workbook cannot be created");
    if (target.created) {
      lxw_doc_properties properties{};
      properties.created = static_cast<std::time_t>(*target.created);
      check(workbook_set_properties(workbook_, &properties));
    }
  }
  ~WorkbookSink() override {
    if (workbook_ != nullptr) lxw_workbook_free(workbook_);
  }
  WorkbookSink(const WorkbookSink&) = delete;
  WorkbookSink& operator=(const WorkbookSink&) = delete;

  // Writes the file; nothing may be added after.
  void close() {
    set_widths();
    const lxw_error error = workbook_close(workbook_);
    workbook_ = nullptr;
    check(error);
  }

  void begin(std::string_view table) override {
    table_ = table;
    part_ = 0;
    columns_.clear();
    next_sheet();
  }
  void header(std::span<const std::string> columns) override {
    columns_.assign(columns.begin(), columns.end());
    write_header();
  }
  void text(std::string_view value) override {
    const std::string held = cell_text(value);
    place();
    widen(shown_chars(value));
    check(worksheet_write_string(sheet_, row_, column_++, held.c_str(), nullptr));
  }
  void real(Real value) override {
    place();
    widen(REAL_CHARS);
    number(cli::real_number(value));
  }
  void whole(Whole value) override {
    place();
    widen(std::to_string(value).size());
    number(static_cast<double>(value));
  }
  void boolean(bool value) override {
    place();
    widen(5);
    check(worksheet_write_boolean(sheet_, row_, column_++, value ? 1 : 0, nullptr));
  }
  void absent() override {
    place();
    ++column_;
  }
  void names(const std::vector<std::string>& values) override {
    std::string joined;
    for (const std::string& n : values) joined += (joined.empty() ? "" : ";") + n;
    text(joined);
  }
  void end_row() override {
    ++row_;
    column_ = 0;
  }

 private:
  [[noreturn]] void fail(std::string_view why) const {
    throw file_error(ReadFault::write, shown_name_, std::string(why));
  }
  void check(lxw_error error) const {
    if (error != LXW_NO_ERROR) fail(std::string("the workbook cannot be written: ") + lxw_strerror(error));
  }

  // A row that would pass the sheet's last begins the table's next sheet.
  void place() {
    if (column_ == 0 && row_ >= sheet_rows_) {
      next_sheet();
      write_header();
    }
  }
  void number(double value) {
    place();
    check(worksheet_write_number(sheet_, row_, column_++, value, nullptr));
  }

  // A column as wide as its widest cell, within bounds: a spreadsheet's
  // default width cuts headers such as N_max_combination and the names of
  // combinations. Set when the sheet is done (the library writes the widths
  // when the workbook closes, in constant memory too).
  static constexpr std::size_t REAL_CHARS = 12, NARROWEST = 8, WIDEST = 60;
  static std::size_t shown_chars(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
  }
  void widen(std::size_t chars) {
    if (widths_.size() <= column_) widths_.resize(column_ + 1, 0);
    widths_[column_] = std::max(widths_[column_], chars);
  }
  void set_widths() {
    if (sheet_ == nullptr) return;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
      const double width = static_cast<double>(std::clamp(widths_[c] + 2, NARROWEST, WIDEST));
      check(
          worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width, nullptr));
    }
    widths_.clear();
  }

  void next_sheet() {
    set_widths();
    ++part_;
    const std::string name = sheet_name(table_, part_);
    sheet_ = workbook_add_worksheet(workbook_, name.c_str());
    if (sheet_ == nullptr) fail("the workbook cannot take a sheet named " + name);
    row_ = 0;
    column_ = 0;
  }
  void write_header() {
    for (const std::string& c : columns_) text(c);
    end_row();
    worksheet_freeze_panes(sheet_, 1, 0);
  }

  std::string shown_name_;
  std::uint32_t sheet_rows_;
  lxw_workbook* workbook_ = nullptr;
  lxw_worksheet* sheet_ = nullptr;
  std::string table_;
  std::vector<std::string> columns_;
  std::vector<std::size_t> widths_;  // of the sheet's columns, in characters
  int part_ = 0;
  lxw_row_t row_ = 0;
  lxw_col_t column_ = 0;
};

}  // namespace

std::string sheet_name(std::string_view table, int part) {
  constexpr std::size_t LONGEST = 31;
  const std::string suffix = part > 1 ? " (" + std::to_string(part) + ")" : "";
  return std::string(table.substr(0, LONGEST - suffix.size())) + suffix;
}

std::string cell_text(std::string_view text) {
  const auto hex4 = [](std::string_view s) {
    return s.size() >= 6 && s[0] == 'x' && s[5] == '_' &&
           s.substr(1, 4).find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
  };
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c < 0x20 && c != '\t' && c != '\n') || (c == '_' && hex4(text.substr(i + 1)))) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "_x%04X_", c);
      out += escape;
    } else {
      out += text[i];
    }
  }
  return out;
}

void write_workbook(cli::LoadedRun& run, std::span<const std::string_view> tables,
                    const WorkbookTarget& target) {
  WorkbookSink sink(target);
  for (std::string_view table : tables) write_table(run, table, sink, target.units);
  sink.close();
}

}  // namespace toval::tools::export_
