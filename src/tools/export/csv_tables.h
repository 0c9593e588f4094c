// The tables of an export: their columns and rows, formed once and given
// cell by cell to a TableSink as each row is formed; and the sink that
// writes them as CSV (RFC 4180): a header row, one row per entry, CR LF line
// ends, "." as the decimal point, the values of the JSON document written
// the same way.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tools/cli/loaded_run.h"
#include "tools/cli/units.h"
#include "tools/export/table_sink.h"

namespace toval::tools::export_ {

// Every table name, in the order of the document.
std::span<const std::string_view> csv_table_names();

bool is_csv_table(std::string_view name);

// The table `name` (one of csv_table_names()) of a run, into `out`; with
// units, each header that measures something names its unit ("N (kN)").
// The tables of every node's displacements and of each case's bar forces
// read the case blocks through the run's listing.
void write_table(cli::LoadedRun& run, std::string_view name, TableSink& out,
                 const std::optional<cli::Units>& units = std::nullopt);

// The same as CSV text.
void write_csv_table(cli::LoadedRun& run, std::string_view name, std::ostream& out,
                     const std::optional<cli::Units>& units = std::nullopt);

// One field: quoted when it holds a comma, a quote, a CR or an LF.
std::string csv_field(std::string_view text);

}  // namespace toval::tools::export_
