// The sections of the report page, each a piece of HTML in the page's
// language, from the run's store, written into the page as it is formed.
#pragma once

#include <iosfwd>
#include <string>

#include "driver/analysis.h"
#include "store/store.h"
#include "tools/report/page_text.h"

namespace toval::tools::report {

// Forces and reactions are shown as the fixed report shows them: three
// decimals (the exact value stands in data-value).
inline constexpr int FORCE_DECIMALS = 3;

// The case list and every combination with its terms.
void combination_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t);

// Per bar, the extremes of normal force, shear and moment with their
// combinations, mirror bars beside the lower bar of the pair; then the
// pair envelope with the governing bar.
void envelope_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t);

// The envelope of the combined reactions per support and component, the
// reactions of every case and those of every combination.
void reaction_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t);

// The characteristic nodes' displacements per case and per combination.
void displacement_section(std::ostream& out, const Store& s, const RunCounts& c, const PageText& t);

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
