#include "tools/check/listed_blocks.h"

#include <algorithm>

#include "input/listing.h"
#include "records/run_error.h"

namespace toval::tools::check {

namespace {

// The run reads the resultant records of supports only and passes the
// others; their node numbers are read here too, so that a list out of order
// shows where it starts. Unseen by the watch: the run does not read them,
// and a fault in them is none of the run's.
void read_all_resultants(Listing& listing, const Name<4>& name, Whole NNOS) {
  const InputUnit::Watching unwatched(listing.unit(), nullptr);
  try {
    Listing::Block& b = listing.resultants_of(name, {});
    for (Whole J = 1; J <= NNOS; ++J) listing.resultant(b, J);
  } catch (const RunError&) {
    // The records after a fault stay unread.
  }
}

}  // namespace

ListedBlocks listed_blocks(Listing& listing, Whole NNOS) {
  ListedBlocks out;
  for (const CaseHeading& h : listing.all_case_headings()) out.headings.push_back({h.name, h.line});
  for (const Listing::Block* b : listing.blocks_asked()) {
    if (!b->resultants_read().empty()) read_all_resultants(listing, b->name, NNOS);
    ReadBlock r;
    r.name = b->name;
    r.heading_line = b->heading_line;
    for (const auto& node : b->displacement_numbers_read())
      r.displacements.push_back({node.k, node.N, node.line});
    const std::vector<BarGroup> groups = b->bar_groups_read();
    // Many listings print a group's bar number on its first record only: a
    // blank number is not a wrong one.
    for (std::size_t k = 0; k < groups.size(); ++k)
      for (const EndForceRecord* e : {&groups[k].end1, &groups[k].end2})
        if (e->B != 0) r.end_forces.push_back({static_cast<long>(k + 1), e->B, e->line});
    for (const auto& [J, record] : b->resultants_read()) r.resultants.push_back({J, record.N, record.line});
    out.read.push_back(std::move(r));
  }
  return out;
}

}  // namespace toval::tools::check
