#include "tools/listed_blocks.h"

#include "input/listing.h"

namespace toval::tools {

ListedBlocks listed_blocks(Listing& listing) {
  ListedBlocks out;
  for (const CaseHeading& h : listing.all_case_headings()) out.headings.push_back({h.name, h.line});
  for (const Listing::Block* b : listing.blocks_asked()) {
    ReadBlock r;
    r.name = b->name;
    r.heading_line = b->heading_line;
    for (std::size_t k = 0; k < b->displacement_nodes.size(); ++k) {
      const auto& node = b->displacement_nodes[k];
      if (node.read) r.displacements.push_back({static_cast<long>(k + 1), node.N, node.start.line});
    }
    for (std::size_t k = 0; k < b->bar_groups.size(); ++k) {
      const BarGroup& g = b->bar_groups[k];
      r.end_forces.push_back({static_cast<long>(k + 1), g.end1.B, g.end1.line});
      r.end_forces.push_back({static_cast<long>(k + 1), g.end2.B, g.end2.line});
    }
    for (const auto& [J, record] : b->resultants) r.resultants.push_back({J, record.N, record.line});
    out.read.push_back(std::move(r));
  }
  return out;
}

}  // namespace toval::tools
