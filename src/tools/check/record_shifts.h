// A line too many or too few where the run counts records: inside a case
// block (the displacement records and the bar groups counted from its
// heading, the resultants from theirs) and between the node and bar
// headings and their first records. Told once, at the first record out of
// place, with the line that is probably extra or missing and what the run
// reads in consequence. Quiet on sound listings: a counted place is out of
// place only where a sound listing never looks like it (a node number other
// than the position, a blank or a text where an end-force record stands, a
// bar number where the block's others have none); node and bar numbers that
// the listing prints in another way, or not at all, only help to find where
// the shift begins.
#pragma once

#include <set>

#include "driver/analysis.h"
#include "store/store.h"
#include "tools/check/hazard_list.h"
#include "tools/check/listed_blocks.h"
#include "tools/check/listing_text.h"

namespace toval::tools::check {

// What was told, so that the numbering families do not tell it again.
struct ShiftsTold {
  std::set<long> blocks;  // heading lines
  bool nodes = false, bars = false;
  // The lines of the sections' end records, when read after records
  // numbered 1, 2, 3 ... (a gap or a repeat is the numbering's to tell).
  long node_end = 0, bar_end = 0;
};

ShiftsTold find_record_shifts(const ListingText& text, const Store& s, const RunCounts& counts,
                              const ListedBlocks& blocks, HazardList& hazards);

// The node and bar sections: their title lines, and a blank line that ends a
// list whose records go on after it.
void find_section_count_slips(const ListingText& text, const RunCounts& counts, ShiftsTold& told,
                              HazardList& hazards);

}  // namespace toval::tools::check
