// What each member carries: the largest magnitude of each quantity at each
// member over every combination of both revisions. A change is weighed
// against its own member's scale, not against the largest in the frame.
#pragma once

#include <array>
#include <map>
#include <utility>

#include "tools/diff/exported_run.h"

namespace toval::tools::diff {

struct MemberScales {
  std::map<std::pair<long long, int>, double> bars;      // (bar, 0..4: N V1 V2 M1 M2)
  std::map<std::pair<long long, int>, double> supports;  // (node, component 0..2)
  std::array<ValueTriple, 3> places{};                   // left, axis, right; component 0..2
  std::map<std::pair<long long, int>, double> nodes;     // every node's displacement (node, 0..2)

  double bar(long long number, int quantity) const;
  double support(long long node, int component) const;
  double node(long long number, int component) const;
};

// Over the combined values of both revisions and over their envelopes (a
// value of the envelope is always one of a combination, but an export
// built otherwise may lack the combined bar forces).
MemberScales member_scales(const ExportedRun& old_run, const ExportedRun& new_run);

// The envelopes set by set: those of the export, or, when it has no sets,
// one unnamed set of every combination, its reaction envelope and its
// characteristic nodes' envelope formed from the combined values where the
// export does not give them.
std::vector<SetEnvelopes> envelopes_by_set(const ExportedRun& run);

}  // namespace toval::tools::diff
