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

void add_run(const ExportedRun& run, MemberScales& s) {
  for (const auto& [key, values] : run.bar_values)
    for (int q = 0; q < 5; ++q) widen(s.bars, {key.second, q}, values[static_cast<std::size_t>(q)]);
  for (const auto& [combination, supports] : run.combined_reactions)
    if (supports)
      for (const auto& [node, values] : *supports)
        for (int k = 0; k < 3; ++k) widen(s.supports, {node, k}, values[static_cast<std::size_t>(k)]);
  for (const auto& [combination, places] : run.combined_displacements)
    for (std::size_t p = 0; p < 3; ++p)
      if (places[p])
        for (std::size_t k = 0; k < 3; ++k)
          s.places[p][k] = std::max(s.places[p][k], std::fabs((*places[p])[k]));
}

void add_envelopes(const std::map<long long, BarEnvelope>& envelope,
                   const std::map<long long, SupportEnvelope>& reactions, MemberScales& s) {
  for (const auto& [bar, e] : envelope)
    for (int q = 0; q < 5; ++q) {
      widen(s.bars, {bar, q}, e[static_cast<std::size_t>(q)].max);
      widen(s.bars, {bar, q}, e[static_cast<std::size_t>(q)].min);
    }
  for (const auto& [node, e] : reactions)
    for (int k = 0; k < 3; ++k)
      if (const std::optional<Extreme>& x = e[static_cast<std::size_t>(k)]) {
        widen(s.supports, {node, k}, x->max);
        widen(s.supports, {node, k}, x->min);
      }
}

// The extremes of each support's reactions over the combinations that have
// them, ties to the lowest combination, as the run forms its envelopes.
std::map<long long, SupportEnvelope> reaction_envelope(const ExportedRun& run) {
  std::map<long long, SupportEnvelope> out;
  for (const auto& [combination, supports] : run.combined_reactions) {
    if (!supports) continue;
    for (const auto& [node, values] : *supports) {
      SupportEnvelope& envelope = out[node];
      for (std::size_t k = 0; k < 3; ++k) {
        const bool first = !envelope[k];
        Extreme& e = envelope[k] ? *envelope[k] : envelope[k].emplace();
        if (first || values[k] > e.max) e.max = values[k], e.max_combination = combination;
        if (first || values[k] < e.min) e.min = values[k], e.min_combination = combination;
      }
    }
  }
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

MemberScales member_scales(const ExportedRun& o, const ExportedRun& n) {
  MemberScales s;
  for (const ExportedRun* run : {&o, &n}) {
    add_run(*run, s);
    add_envelopes(run->envelope, run->reaction_envelope, s);
    for (const SetEnvelopes& e : run->set_envelopes) add_envelopes(e.envelope, e.reaction_envelope, s);
  }
  return s;
}

std::vector<SetEnvelopes> envelopes_by_set(const ExportedRun& run) {
  if (!run.set_envelopes.empty()) return run.set_envelopes;
  SetEnvelopes all;
  all.envelope = run.envelope;
  all.reaction_envelope = run.reaction_envelope.empty() ? reaction_envelope(run) : run.reaction_envelope;
  return {all};
}

}  // namespace toval::tools::diff
