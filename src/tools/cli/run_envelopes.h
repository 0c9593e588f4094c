// The envelopes that toval-tools gives beside toval's own: the combined
// reactions over every combination, and per set of combinations the bar
// forces, the combined reactions and the combined displacements. Each is
// formed by the rule of every envelope of the run (`extremes`): the first
// combination seeds it, a later one replaces an extreme only when strictly
// beyond it, so a tie keeps the lowest combination.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "combine/extremes.h"
#include "driver/analysis.h"
#include "store/store.h"
#include "tools/cli/run_labels.h"

namespace toval::tools::cli {

struct BarEnvelope {
  Extremes N;
  std::array<Extremes, 2> V, M;  // at the start and at the end
};

// None when every combination it spans lacks a case of the case list.
using MaybeExtremes = std::optional<Extremes>;
// The three components of a support's reactions, or of a node's displacement.
using ComponentExtremes = std::array<MaybeExtremes, 3>;

struct SetEnvelope {
  CombinationSet set;
  std::vector<Whole> combinations;
  std::vector<BarEnvelope> bars;                     // bar K at K - 1
  std::vector<ComponentExtremes> reactions;          // support N at N - 1
  std::array<ComponentExtremes, 3> displacements{};  // left, axis, right characteristic node
};

struct RunEnvelopes {
  std::vector<ComponentExtremes> reactions;  // over every combination; support N at N - 1
  std::vector<SetEnvelope> sets;             // one per set of the labels, in their order
  const SetEnvelope* of(CombinationSet set) const;
};

RunEnvelopes run_envelopes(const Store& s, const RunCounts& c, const RunLabels& labels);

// The displacement tables of the characteristic nodes: left, axis, right,
// each dx, dy, dz.
std::array<std::array<const Table<Real>*, 3>, 3> displacement_tables(const Store& s);

}  // namespace toval::tools::cli
