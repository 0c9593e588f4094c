#include "tools/cli/node_displacements.h"

#include "combine/term_sum.h"
#include "input/combination_file.h"
#include "tools/cli/combined_results.h"

namespace toval::tools::cli {

NodeDisplacements::NodeDisplacements(Listing& listing, const Store& s, const RunCounts& c)
    : NNOS_(c.NNOS), NCCAR_(c.NCCAR) {
  values_.reserve(static_cast<std::size_t>(NNOS_) * static_cast<std::size_t>(NCCAR_));
  for (Whole P = 1; P <= NCCAR_; ++P) {
    Listing::Block& block = listing.displacements_of(s.BL4.CCAR(P), case_list_asker(s, P), NNOS_);
    for (Whole K = 1; K <= NNOS_; ++K) {
      const NodeValuesRecord& r = listing.displacement(block, NNOS_, K);
      values_.push_back({r.V1, r.V2, r.V3});
    }
  }
}

bool NodeDisplacements::combined(const Store& s, Whole I, std::vector<NodeTriple>& into) const {
  into.clear();
  // The case of every term, found once for all nodes.
  std::vector<std::pair<Real, Whole>> terms;
  for (Whole J = 1, N = s.BL5.NCASO(I); J <= N; ++J) {
    const Whole P = case_position(s, NCCAR_, s.BL5.CASO(I, J));
    if (P == 0) return false;
    terms.emplace_back(s.BL5.MULT(I, J), P);
  }
  into.assign(static_cast<std::size_t>(NNOS_), NodeTriple{});
  for (const auto& [m, P] : terms)
    for (Whole K = 1; K <= NNOS_; ++K) {
      NodeTriple& sum = into[static_cast<std::size_t>(K - 1)];
      const NodeTriple& value = of(P, K);
      for (std::size_t i = 0; i < 3; ++i) add_term(sum[i], m, value[i]);
    }
  return true;
}

namespace {

void take(std::optional<Extremes>& e, Whole I, Real v) {
  if (!e) {
    e = Extremes{v, v, I, I};
    return;
  }
  if (v > e->max) {
    e->max = v;
    e->max_combination = I;
  }
  if (v < e->min) {
    e->min = v;
    e->min_combination = I;
  }
}

}  // namespace

std::vector<NodeExtremes> node_displacement_envelope(const Store& s, const NodeDisplacements& d,
                                                     std::span<const Whole> combinations) {
  std::vector<NodeExtremes> envelope(static_cast<std::size_t>(d.nodes()));
  std::vector<NodeTriple> values;
  for (Whole I : combinations) {
    if (!d.combined(s, I, values)) continue;
    for (std::size_t k = 0; k < values.size(); ++k)
      for (std::size_t i = 0; i < 3; ++i) take(envelope[k][i], I, values[k][i]);
  }
  return envelope;
}

std::vector<Whole> every_combination(const Store& s) {
  std::vector<Whole> all;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) all.push_back(I);
  return all;
}

}  // namespace toval::tools::cli
