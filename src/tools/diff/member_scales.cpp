#include "tools/diff/member_scales.h"

#include <algorithm>
#include <cmath>

namespace toval::tools::diff {

namespace {

template <class Key>
void widen(std::map<Key, double>& scales, const Key& key, double value) {
  double& s = scales[key];
  s = std::max(s, std::fabs(value));
}

template <class Combined>
void add_combined(const Combined& combined, std::map<std::pair<long long, int>, double>& scales) {
  for (const auto& [combination, nodes] : combined)
    if (nodes)
      for (const auto& [node, values] : *nodes)
        for (int k = 0; k < 3; ++k) widen(scales, {node, k}, values[static_cast<std::size_t>(k)]);
}

void add_extremes(const std::map<long long, NodeEnvelope>& envelope,
                  std::map<std::pair<long long, int>, double>& scales) {
  for (const auto& [node, e] : envelope)
    for (int k = 0; k < 3; ++k)
      if (const std::optional<Extreme>& x = e[static_cast<std::size_t>(k)]) {
        widen(scales, {node, k}, x->max);
        widen(scales, {node, k}, x->min);
      }
}

void add_run(const ExportedRun& run, MemberScales& s) {
  for (const auto& [key, values] : run.bar_values)
    for (int q = 0; q < 5; ++q) widen(s.bars, {key.second, q}, values[static_cast<std::size_t>(q)]);
  add_combined(run.combined_reactions, s.supports);
  add_combined(run.combined_node_displacements, s.nodes);
  add_extremes(run.node_displacement_envelope, s.nodes);
  for (const auto& [combination, places] : run.combined_displacements)
    for (std::size_t p = 0; p < 3; ++p)
      if (places[p])
        for (std::size_t k = 0; k < 3; ++k)
          s.places[p][k] = std::max(s.places[p][k], std::fabs((*places[p])[k]));
}

void add_bars(const std::map<long long, BarEnvelope>& envelope, MemberScales& s) {
  for (const auto& [bar, e] : envelope)
    for (int q = 0; q < 5; ++q) {
      widen(s.bars, {bar, q}, e[static_cast<std::size_t>(q)].max);
      widen(s.bars, {bar, q}, e[static_cast<std::size_t>(q)].min);
    }
}

void add_envelopes(const SetEnvelopes& set, MemberScales& s) {
  add_bars(set.envelope, s);
  add_extremes(set.reaction_envelope, s.supports);
  add_extremes(set.node_displacement_envelope, s.nodes);
  for (std::size_t p = 0; p < 3; ++p)
    for (std::size_t k = 0; k < 3; ++k)
      if (const std::optional<Extreme>& x = set.displacement_envelope[p][k])
        s.places[p][k] = std::max({s.places[p][k], std::fabs(x->max), std::fabs(x->min)});
}

// One value of combination `combination` taken into an extreme: the first
// seeds it, a later one replaces it only when strictly beyond, so a tie
// keeps the lowest combination, as the run forms its envelopes.
void take(std::optional<Extreme>& extreme, long long combination, double value) {
  const bool first = !extreme;
  Extreme& e = extreme ? *extreme : extreme.emplace();
  if (first || value > e.max) e.max = value, e.max_combination = combination;
  if (first || value < e.min) e.min = value, e.min_combination = combination;
}

// The extremes of each node's values over the combinations that have them.
template <class Combined>
std::map<long long, NodeEnvelope> envelope_of(const Combined& combined) {
  std::map<long long, NodeEnvelope> out;
  for (const auto& [combination, nodes] : combined) {
    if (!nodes) continue;
    for (const auto& [node, values] : *nodes)
      for (std::size_t k = 0; k < 3; ++k) take(out[node][k], combination, values[k]);
  }
  return out;
}

std::array<NodeEnvelope, 3> places_envelope(const ExportedRun& run) {
  std::array<NodeEnvelope, 3> out{};
  for (const auto& [combination, places] : run.combined_displacements)
    for (std::size_t p = 0; p < 3; ++p)
      if (places[p])
        for (std::size_t k = 0; k < 3; ++k) take(out[p][k], combination, (*places[p])[k]);
  return out;
}

}  // namespace

double MemberScales::bar(long long number, int quantity) const {
  const auto it = bars.find({number, quantity});
  return it == bars.end() ? 0 : it->second;
}

double MemberScales::support(long long node, int component) const {
  const auto it = supports.find({node, component});
  return it == supports.end() ? 0 : it->second;
}

double MemberScales::node(long long number, int component) const {
  const auto it = nodes.find({number, component});
  return it == nodes.end() ? 0 : it->second;
}

MemberScales member_scales(const ExportedRun& o, const ExportedRun& n) {
  MemberScales s;
  for (const ExportedRun* run : {&o, &n}) {
    add_run(*run, s);
    add_bars(run->envelope, s);
    add_extremes(run->reaction_envelope, s.supports);
    for (const SetEnvelopes& e : envelopes_by_set(*run)) add_envelopes(e, s);
  }
  return s;
}

std::vector<SetEnvelopes> envelopes_by_set(const ExportedRun& run) {
  if (!run.set_envelopes.empty()) return run.set_envelopes;
  SetEnvelopes all;
  all.envelope = run.envelope;
  all.reaction_envelope =
      run.reaction_envelope.empty() ? envelope_of(run.combined_reactions) : run.reaction_envelope;
  all.displacement_envelope = places_envelope(run);
  all.node_displacement_envelope = run.node_displacement_envelope.empty()
                                       ? envelope_of(run.combined_node_displacements)
                                       : run.node_displacement_envelope;
  return {all};
}

}  // namespace toval::tools::diff
