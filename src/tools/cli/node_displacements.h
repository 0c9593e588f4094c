// Every node's displacements: case by case as the case blocks list them
// (displacement record K of a block is node K's, whatever number it
// carries), and per combination summed term by term as every combined
// value is. The export and the report take them from here.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "combine/extremes.h"
#include "driver/analysis.h"
#include "input/listing.h"
#include "store/store.h"

namespace toval::tools::cli {

// dx, dy and the rotation rz of one node.
using NodeTriple = std::array<Real, 3>;

// The extremes of each component over the combinations that have values;
// none when no combination of those asked for has any.
using NodeExtremes = std::array<std::optional<Extremes>, 3>;

class NodeDisplacements {
 public:
  NodeDisplacements() = default;
  // Reads displacement record K = 1..NNOS of every case of the case list
  // through the listing, as the run's own reading does; a record that
  // cannot be read ends the run with the listing's error.
  NodeDisplacements(Listing& listing, const Store& s, const RunCounts& c);

  Whole nodes() const { return NNOS_; }
  Whole cases() const { return NCCAR_; }
  // Node K (1..NNOS) in case P (1..NCCAR) of the case list.
  const NodeTriple& of(Whole P, Whole K) const {
    return values_[static_cast<std::size_t>(P - 1) * static_cast<std::size_t>(NNOS_) +
                   static_cast<std::size_t>(K - 1)];
  }

  // Every node in case P, node K at K - 1.
  std::span<const NodeTriple> of_case(Whole P) const {
    return std::span<const NodeTriple>(values_).subspan(
        static_cast<std::size_t>(P - 1) * static_cast<std::size_t>(NNOS_), static_cast<std::size_t>(NNOS_));
  }

  // Every node's displacement in combination I, node K at K - 1: the sum
  // over its terms, in term order, of MULT(I,J) times the term case's
  // value. Empty (and false) when a term's case is not in the case list.
  bool combined(const Store& s, Whole I, std::vector<NodeTriple>& into) const;

 private:
  Whole NNOS_ = 0, NCCAR_ = 0;
  std::vector<NodeTriple> values_;  // case by case, node by node
};

// Per node (node K at K - 1), the envelope of each component over the
// combinations listed, in their order, leaving out those with missing
// cases: the first that has values seeds it, a later one replaces an
// extreme only when strictly beyond it (ties keep the earlier), as every
// envelope of the run is formed.
std::vector<NodeExtremes> node_displacement_envelope(const Store& s, const NodeDisplacements& d,
                                                     std::span<const Whole> combinations);

// Combinations 1..NCOB, the list of an envelope over every combination.
std::vector<Whole> every_combination(const Store& s);

}  // namespace toval::tools::cli
