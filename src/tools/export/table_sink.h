// Where the export's tables go, cell by cell: the tables (csv_tables.cpp)
// say once which columns and rows each has and what kind each value is,
// and each form (CSV text, a workbook) lays the cells out its own way.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/types.h"

namespace toval::tools::export_ {

class TableSink {
 public:
  virtual ~TableSink() = default;

  // A new table, named, then its header row.
  virtual void begin(std::string_view table) = 0;
  virtual void header(std::span<const std::string> columns) = 0;

  // The cells of a row, left to right, then end_row().
  virtual void text(std::string_view value) = 0;
  virtual void real(Real value) = 0;
  virtual void whole(Whole value) = 0;
  virtual void boolean(bool value) = 0;
  virtual void absent() = 0;  // a value that does not exist (JSON null)
  virtual void names(const std::vector<std::string>& values) = 0;
  virtual void end_row() = 0;
};

}  // namespace toval::tools::export_
