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
// column empty) and then per set.
void reaction_envelope(const cli::LoadedRun& run, TableSink& out);
// The envelope's columns after a set column, per set and bar; their units
// named as in the envelope's header.
void set_envelopes(const cli::LoadedRun& run, TableSink& out,
                   const std::optional<cli::Units>& units = std::nullopt);
// One row per set, characteristic node and component.
void displacement_envelope(const cli::LoadedRun& run, TableSink& out);

}  // namespace toval::tools::export_
