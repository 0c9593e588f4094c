// The lists of an export, entry by entry, with the values that both the JSON
// document and the CSV tables give, and that diff compares when it reads two
// runs: each value is taken from the store here and only laid out by the
// writers. An entry is formed when its turn comes,
// so that no list is ever held whole.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "combine/extremes.h"
#include "tools/cli/exported_values.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/node_displacements.h"

namespace toval::tools::cli {

using Triple = std::array<Real, 3>;

struct NodeEntry {
  Whole node;
  Real x, y;
  std::array<Whole, 3> restraints;
};

struct BarEntry {
  Whole bar, start, end, property;
  Real length, cos;
  Whole mirror;  // 0: none
};

// The case list's names, and the names of missing cases, as UTF-8 text.
struct CaseDisplacements {
  std::string case_name;
  std::array<Triple, 3> places;  // dx, dy, dz at each of keys::PLACES
};

struct CombinedDisplacements {
  Whole combination;
  std::optional<std::array<Triple, 3>> places;  // none when cases are missing
  std::vector<std::string> missing_cases;
};

struct Support {
  Whole node;
  Triple reactions;
};

struct CaseReactions {
  std::string case_name;
  std::vector<Support> supports;
};

struct CombinedReactions {
  Whole combination;
  std::optional<std::vector<Support>> supports;  // none when cases are missing
  std::vector<std::string> missing_cases;
};

struct BarForceEntry {
  Whole combination, bar;
  Real N;
  std::array<Real, 2> V, M;  // at the start and at the end
  bool bending;
};

struct EnvelopeEntry {
  Whole bar;
  Extremes N;
  std::array<Extremes, 2> V, M;  // at the start and at the end
};

struct PairEntry {
  std::array<Whole, 2> bars;  // the lower bar first
  Real max;
  Whole max_bar, max_combination;
  Real min;
  Whole min_bar, min_combination;
};

// Every node's displacements in one case (node K at K - 1), as its block
// lists them.
struct CaseNodeDisplacements {
  std::string case_name;
  std::span<const cli::NodeTriple> nodes;
};

struct CombinedNodeDisplacements {
  Whole combination;
  std::optional<std::span<const cli::NodeTriple>> nodes;  // none when cases are missing
  std::vector<std::string> missing_cases;
};

struct NodeEnvelopeEntry {
  Whole node;
  cli::NodeExtremes d;  // dx, dy, rz
};

// A bar's end forces in one case, end 1 and end 2 as its group lists them.
struct CaseBarForceEntry {
  std::string case_name;
  Whole bar;
  std::array<Real, 2> N, V, M;
};
// The characteristic nodes under the document's keys, in its order; 0
// where there is none.
struct CharacteristicNode {
  const char* key;
  Whole node;
};
std::array<CharacteristicNode, 5> characteristic_nodes(const Store& s);

template <class Entry>
using EachEntry = std::function<void(const Entry&)>;

void each_node(const LoadedRun& run, const EachEntry<NodeEntry>& take);
void each_bar(const LoadedRun& run, const EachEntry<BarEntry>& take);
void each_case_displacements(const LoadedRun& run, const EachEntry<CaseDisplacements>& take);
void each_combined_displacements(const LoadedRun& run, const EachEntry<CombinedDisplacements>& take);
void each_case_reactions(const LoadedRun& run, const EachEntry<CaseReactions>& take);
void each_combined_reactions(const LoadedRun& run, const EachEntry<CombinedReactions>& take);
// Slot order: combination by combination, bar by bar.
void each_bar_force(const LoadedRun& run, const EachEntry<BarForceEntry>& take);
void each_envelope(const LoadedRun& run, const EachEntry<EnvelopeEntry>& take);
// One entry per row block of the truss-bar table that shows a mirror bar.
void each_pair(const LoadedRun& run, const EachEntry<PairEntry>& take);

void each_case_node_displacements(const cli::LoadedRun& run, const cli::NodeDisplacements& d,
                                  const EachEntry<CaseNodeDisplacements>& take);
void each_combined_node_displacements(const cli::LoadedRun& run, const cli::NodeDisplacements& d,
                                      const EachEntry<CombinedNodeDisplacements>& take);
// Over every combination, node by node.
void each_node_envelope(const cli::LoadedRun& run, const cli::NodeDisplacements& d,
                        const EachEntry<NodeEnvelopeEntry>& take);
// Case by case of the case list, bar by bar: the groups are read from the
// case blocks through the listing.
void each_case_bar_force(cli::LoadedRun& run, const EachEntry<CaseBarForceEntry>& take);

// A name of the inputs as the export writes it.
template <std::size_t N>
std::string name_of(const Name<N>& n) {
  return name_text(n.view());
}

}  // namespace toval::tools::cli
