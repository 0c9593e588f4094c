// A run's results taken as diff compares them, from the run itself: the
// entries that the export writes (cli/results_entries.h), each real as the
// double nearest the export's text of it, so that a run and its export read
// back give the same ExportedRun, sets, names and envelopes by set included.
#include <algorithm>

#include "tools/cli/export_keys.h"
#include "tools/cli/exported_values.h"
#include "tools/cli/node_displacements.h"
#include "tools/cli/results_entries.h"
#include "tools/cli/run_envelopes.h"
#include "tools/diff/exported_run.h"

namespace toval::tools::diff {

namespace {

using Json = nlohmann::ordered_json;
namespace keys = cli::keys;

// The number as a reader of the export's text holds it.
double number(Real value) {
  return cli::real_number(value);
}

Json whole_or_null(Whole value) {
  return value != 0 ? Json(std::int64_t{value}) : Json(nullptr);
}

template <std::size_t N>
std::array<double, N> numbers(const std::array<Real, N>& values) {
  std::array<double, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = number(values[i]);
  return out;
}

Extreme extreme(const Extremes& e) {
  return {number(e.max), number(e.min), e.max_combination, e.min_combination};
}

BarEnvelope bar_envelope(const cli::BarEnvelope& e) {
  return {extreme(e.N), extreme(e.V[0]), extreme(e.V[1]), extreme(e.M[0]), extreme(e.M[1])};
}

void take_structure(const cli::LoadedRun& run, ExportedRun& out) {
  cli::each_node(run, [&](const cli::NodeEntry& n) {
    ExportedNode& node = out.nodes[n.node];
    node.x = number(n.x);
    node.y = number(n.y);
    Json codes = Json::array();
    for (std::size_t k = 0; k < 3; ++k) {
      node.restraints[k] = n.restraints[k];
      codes.push_back(std::int64_t{n.restraints[k]});
    }
    node.entry = {
        {keys::NODE, std::int64_t{n.node}}, {keys::X, node.x}, {keys::Y, node.y}, {keys::RESTRAINTS, codes}};
  });
  cli::each_bar(run, [&](const cli::BarEntry& b) {
    ExportedBar& bar = out.bars[b.bar];
    bar.start = b.start;
    bar.end = b.end;
    bar.property = b.property;
    bar.length = number(b.length);
    bar.entry = {{keys::BAR, std::int64_t{b.bar}},
                 {keys::START, std::int64_t{b.start}},
                 {keys::END, std::int64_t{b.end}},
                 {keys::PROPERTY, std::int64_t{b.property}},
                 {keys::LENGTH, bar.length},
                 {keys::COS, number(b.cos)},
                 {keys::MIRROR, whole_or_null(b.mirror)}};
  });
}

void take_cases_and_combinations(const cli::LoadedRun& run, ExportedRun& out) {
  const Store& s = run.store();
  const RunCounts& c = run.counts();
  for (Whole P = 1; P <= c.NCCAR; ++P) {
    std::string name = cli::name_of(s.BL4.CCAR(P));
    // A name listed twice is one case: the run reads the first.
    if (std::find(out.cases.begin(), out.cases.end(), name) == out.cases.end())
      out.cases.push_back(std::move(name));
  }
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    ExportedCombination& combination = out.combinations[I];
    Json terms = Json::array();
    for (Whole J = 1; J <= s.BL5.NCASO(I); ++J) {
      const ExportedTerm term{number(s.BL5.MULT(I, J)), cli::name_of(s.BL5.CASO(I, J))};
      terms.push_back({{keys::MULTIPLIER, term.multiplier}, {keys::CASE, term.case_name}});
      combination.terms.push_back(term);
    }
    const cli::CombinationLabel& label = run.labels().combination(I);
    combination.name = label.name;
    if (label.set) combination.set = cli::set_key(*label.set);
    combination.entry = {{keys::COMBINATION, std::int64_t{I}},
                         {keys::NAME, label.name},
                         {keys::SET, label.set ? Json(combination.set) : Json(nullptr)},
                         {keys::TERMS, terms}};
  }
}

void take_symmetry(const cli::LoadedRun& run, ExportedRun& out) {
  out.axis = number(run.counts().XS);
  out.characteristic_nodes = Json::object();
  for (const auto& [key, node] : cli::characteristic_nodes(run.store()))
    out.characteristic_nodes[key] = whole_or_null(node);
  cli::each_pair(run, [&](const cli::PairEntry& p) { out.pairs.push_back({p.bars[0], p.bars[1]}); });
}

void take_combined_values(const cli::LoadedRun& run, ExportedRun& out) {
  cli::each_combined_reactions(run, [&](const cli::CombinedReactions& r) {
    auto& entry = out.combined_reactions[r.combination];
    if (!r.supports) return;  // missing cases
    entry.emplace();
    for (const cli::Support& support : *r.supports) (*entry)[support.node] = numbers(support.reactions);
  });
  cli::each_combined_displacements(run, [&](const cli::CombinedDisplacements& d) {
    auto& entry = out.combined_displacements[d.combination];
    if (!d.places) return;
    for (std::size_t p = 0; p < entry.size(); ++p) entry[p] = numbers((*d.places)[p]);
  });
}

void take_bar_results(const cli::LoadedRun& run, ExportedRun& out) {
  cli::each_bar_force(run, [&](const cli::BarForceEntry& f) {
    const std::pair<long long, long long> key{f.combination, f.bar};
    out.bending[key] = f.bending;
    out.bar_values[key] = {number(f.N), number(f.V[0]), number(f.V[1]), number(f.M[0]), number(f.M[1])};
  });
  cli::each_envelope(run, [&](const cli::EnvelopeEntry& e) {
    out.envelope[e.bar] = bar_envelope({e.N, e.V, e.M});
  });
}

// A component that no combination gives stays absent, as the export's null
// reads back.
NodeEnvelope component_envelope(const cli::ComponentExtremes& components) {
  NodeEnvelope e;
  for (std::size_t k = 0; k < 3; ++k)
    if (components[k]) e[k] = extreme(*components[k]);
  return e;
}

// Per support node.
std::map<long long, SupportEnvelope> reaction_envelope(const Store& s,
                                                       const std::vector<cli::ComponentExtremes>& supports) {
  std::map<long long, SupportEnvelope> out;
  for (std::size_t n = 0; n < supports.size(); ++n)
    out[s.BL11.NO_RES(static_cast<Whole>(n + 1))] = component_envelope(supports[n]);
  return out;
}

// Node K at K - 1 in, by node number out, as the export numbers them.
std::map<long long, NodeEnvelope> node_envelope(const std::vector<cli::NodeExtremes>& nodes) {
  std::map<long long, NodeEnvelope> out;
  for (std::size_t k = 0; k < nodes.size(); ++k)
    out[static_cast<long long>(k + 1)] = component_envelope(nodes[k]);
  return out;
}

void take_node_displacements(const cli::LoadedRun& run, const cli::NodeDisplacements& d, ExportedRun& out) {
  cli::each_combined_node_displacements(run, d, [&](const cli::CombinedNodeDisplacements& c) {
    auto& entry = out.combined_node_displacements[c.combination];
    if (!c.nodes) return;  // missing cases
    NodeValues& values = entry.emplace();
    values.reserve(c.nodes->size());
    for (std::size_t k = 0; k < c.nodes->size(); ++k)
      values.emplace_back(static_cast<long long>(k + 1), numbers((*c.nodes)[k]));
  });
  out.node_displacement_envelope =
      node_envelope(cli::node_displacement_envelope(run.store(), d, cli::every_combination(run.store())));
}

void take_set_envelopes(const cli::LoadedRun& run, const cli::NodeDisplacements& d, ExportedRun& out) {
  out.reaction_envelope = reaction_envelope(run.store(), run.envelopes().reactions);
  for (const cli::SetEnvelope& e : run.envelopes().sets) {
    SetEnvelopes& set = out.set_envelopes.emplace_back();
    set.set = cli::set_key(e.set);
    for (std::size_t k = 0; k < e.bars.size(); ++k)
      set.envelope[static_cast<long long>(k + 1)] = bar_envelope(e.bars[k]);
    set.reaction_envelope = reaction_envelope(run.store(), e.reactions);
    for (std::size_t p = 0; p < 3; ++p) set.displacement_envelope[p] = component_envelope(e.displacements[p]);
    set.node_displacement_envelope =
        node_envelope(cli::node_displacement_envelope(run.store(), d, e.combinations));
  }
}

}  // namespace

ExportedRun run_results(cli::LoadedRun& run) {
  const cli::NodeDisplacements nodes(run.listing(), run.store(), run.counts());
  ExportedRun out;
  take_structure(run, out);
  take_cases_and_combinations(run, out);
  take_symmetry(run, out);
  take_combined_values(run, out);
  take_bar_results(run, out);
  take_set_envelopes(run, nodes, out);
  take_node_displacements(run, nodes, out);
  return out;
}

}  // namespace toval::tools::diff
