// The CSV tables that name and group combinations: the combinations with
// their sets and names, and the envelopes of every set.
#pragma once

#include <optional>

#include "tools/cli/loaded_run.h"
#include "tools/cli/units.h"
#include "tools/export/table_sink.h"

namespace toval::tools::export_ {

// One row per term: combination, set, name, term, multiplier, case; a
// combination without terms has one row with the term's fields empty.
void combinations(const cli::LoadedRun& run, TableSink& out);
// One row per support and component, over every combination (the set
// column empty) and then per set; with units, the last column names each
// row's.
void reaction_envelope(const cli::LoadedRun& run, TableSink& out, const std::optional<cli::Units>& units);
// The envelope's columns after a set column, per set and bar.
void set_envelopes(const cli::LoadedRun& run, TableSink& out, const std::optional<cli::Units>& units);
// One row per set, characteristic node and component; with units, the last
// column names each row's.
void displacement_envelope(const cli::LoadedRun& run, TableSink& out, const std::optional<cli::Units>& units);
// Every node's displacement envelope per set: one row per set and node, the
// columns of node_displacement_envelope after a set column. The case
// blocks are read through the run's listing.
void set_node_envelopes(cli::LoadedRun& run, TableSink& out, const std::optional<cli::Units>& units);

}  // namespace toval::tools::export_
