// The sections of the report page, each a piece of HTML in the page's
// language, from the run's store, written into the page as it is formed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "combine/extremes.h"
#include "driver/analysis.h"
#include "store/store.h"
#include "tools/cli/node_displacements.h"
#include "tools/cli/run_envelopes.h"
#include "tools/cli/run_labels.h"
#include "tools/report/governing_names.h"
#include "tools/report/html_table.h"
#include "tools/report/page_text.h"

namespace toval::tools::report {

// Forces and reactions are shown as the fixed report shows them: three
// decimals (the exact value stands in data-value).
inline constexpr int FORCE_DECIMALS = 3;

// The case list with each case's description, and every combination with
// its name and terms.
void combination_section(std::ostream& out, const Store& s, const RunCounts& c, const cli::RunLabels& labels,
                         const PageText& t);

// The set's name on the page: "ELU - ESTADOS LIMITES ULTIMOS".
Text set_name(cli::CombinationSet set);

// With more than one set, one section per set (in the order of the sets,
// ultimate first): its bar envelope and its reaction envelope; nothing
// otherwise (and false).
bool set_sections(std::ostream& out, const Store& s, const RunCounts& c, const cli::RunEnvelopes& envelopes,
                  const PageText& t, GoverningNames& names);

// The four columns of an extreme (max, its combination, min, its
// combination) under the group's heading (with the unit of `q`), and their
// cells, each combination with its name.
void add_extreme_columns(std::vector<Column>& columns, const PageText& t, Text group, cli::Quantity q,
                         const std::string& prefix);
void add_extreme_cells(std::vector<Cell>& cells, const Extremes& e, GoverningNames& names);

// Per bar, the extremes of normal force, shear and moment with their
// combinations, mirror bars beside the lower bar of the pair; then the
// pair envelope with the governing bar.
void envelope_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t,
                      GoverningNames& names);

// The envelope of the combined reactions per support and component, the
// reactions of every case and those of every combination.
void reaction_section(std::ostream& out, const Store& s, const RunCounts& c,
                      const cli::RunEnvelopes& envelopes, const PageText& t, GoverningNames& names);

// The envelope of combined reactions per support and component, as a table
// of the given id and caption.
void reaction_envelope_table(std::ostream& out, const Store& s,
                             const std::vector<cli::ComponentExtremes>& supports, const std::string& id,
                             const std::string& caption, const PageText& t, GoverningNames& names);

// The characteristic nodes' displacements per case and per combination.
void displacement_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t);

// Every node's displacements: their envelope over the combinations, then
// per combination a table, folded on screen beyond OPEN_ROWS rows in all.
// Per set (over every combination when none has a set), each governing
// combination with its name, as in the bar envelopes.
void node_displacement_section(std::ostream& out, const Store& s, const RunCounts& c,
                               const cli::RunLabels& labels, const PageText& t, GoverningNames& names,
                               const cli::NodeDisplacements& d);

// Up to this many rows in all, folded tables are open (and printed).
inline constexpr std::size_t OPEN_ROWS = 300;

// Beyond this many rows in all, the bending tables' rows are packed in the
// page (packed_rows.h): plain, the large benchmark frame's 600,000 rows
// alone would take 180 MB.
inline constexpr std::size_t PACKED_BENDING_ROWS = 20000;

// Per combination, the bars in bending as the frame-bar table lists them;
// packed beyond `packed_rows` rows in all.
void bending_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t,
                     std::size_t packed_rows = PACKED_BENDING_ROWS);

// Shared by the sections: a combination's missing cases in words ("W",
// "W, X"), and the reason they have no values.
std::string missing_reason(const Store& s, const RunCounts& c, Whole I, const PageText& t);

}  // namespace toval::tools::report
