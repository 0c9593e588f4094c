// The members of the export's document that name and group combinations:
// the case descriptions, the sets, the reaction envelope over every
// combination and the envelopes of each set.
#pragma once

#include "combine/extremes.h"
#include "tools/cli/json_text.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/node_displacements.h"

namespace toval::tools::export_ {

// {"max", "max_combination", "min", "min_combination"}, or null for none.
void json_extreme(cli::JsonWriter& w, const Extremes& e);
void json_extreme(cli::JsonWriter& w, const std::optional<Extremes>& e);

// {"bar", "N", "V", "M"}, as the envelope's entries are.
void json_bar_envelope(cli::JsonWriter& w, Whole bar, const cli::BarEnvelope& e);

void json_case_descriptions(cli::JsonWriter& w, const cli::LoadedRun& run);
void json_sets(cli::JsonWriter& w, const cli::LoadedRun& run);
void json_reaction_envelope(cli::JsonWriter& w, const cli::LoadedRun& run);
// Each set's envelopes, every node's displacements' among them.
void json_set_envelopes(cli::JsonWriter& w, const cli::LoadedRun& run, const cli::NodeDisplacements& nodes);
// Per node, {"node", "d": [3 x extremes or null]}.
void json_node_envelope(cli::JsonWriter& w, const std::vector<cli::NodeExtremes>& envelope);

}  // namespace toval::tools::export_
