// Writes the export's workbook of a run with sheets of a few rows, so that
// the workbook test (tools/export/check_workbook.py) sees tables go on into
// further sheets without a million rows:
//   small_sheets_workbook COMBINATION_FILE FORCES_FILE OUT.xlsx ROWS_PER_SHEET
#include <iostream>
#include <string>
#include <vector>

#include "records/run_error.h"
#include "tools/cli/loaded_run.h"
#include "tools/export/csv_tables.h"
#include "tools/export/workbook.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: small_sheets_workbook COMBINATION_FILE FORCES_FILE OUT.xlsx ROWS_PER_SHEET\n";
    return 2;
  }
  namespace export_ = toval::tools::export_;
  try {
    toval::tools::cli::LoadedRun run(argv[1], argv[2]);
    const auto names = export_::csv_table_names();
    const std::vector<std::string_view> tables(names.begin(), names.end());
    export_::write_workbook(
        run, tables, {argv[3], argv[3], 0, static_cast<std::uint32_t>(std::stoul(argv[4])), std::nullopt});
  } catch (const toval::RunError& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
