#include <algorithm>
#include <cmath>

#include "tools/diff/changes.h"
#include "tools/diff/member_scales.h"

namespace toval::tools::diff {

namespace {

// What the rules need of both revisions at once.
struct Revisions {
  const ExportedRun& o;
  const ExportedRun& n;
  const CombinationMatch& match;
  const MemberScales& scales;
  double rel;
};

// A change of component k (from 0) of a combined value of new combination
// `combination`, old `old_combination`.
ResultChange valued(ResultTable table, const Revisions& r, long long combination, std::size_t k,
                    double old_value, double new_value) {
  ResultChange c;
  c.table = table;
  c.combination = combination;
  c.old_combination = r.match.old_of.at(combination);
  c.set = r.n.combinations.count(combination) ? r.n.combinations.at(combination).set : std::string();
  c.quantity = static_cast<int>(k + 1);
  c.old_value = old_value;
  c.new_value = new_value;
  return c;
}

// Whether the governing combination changed: the new one is not the match
// of the old one, and the old one's match does not reach the same extreme
// in the new revision (a tie that the new numbering resolves otherwise).
// `value_in_new` gives a new combination's value of the quantity, if known.
template <class ValueInNew>
bool governing_changed(const Revisions& r, long long old_governing, long long new_governing,
                       double new_extreme, ValueInNew value_in_new) {
  if (old_governing == 0 && new_governing == 0) return false;  // no combination at all
  const std::optional<long long> match = r.match.new_number(old_governing);
  if (!match) return true;
  if (*match == new_governing) return false;
  const std::optional<double> value = value_in_new(*match);
  return !value || *value != new_extreme;
}

// The maximum and minimum of one quantity of one member, compared.
template <class ValueInNew>
void extremes_changes(const Revisions& r, ResultChange c, const Extreme& a, const Extreme& b,
                      ValueInNew value_in_new, std::vector<ResultChange>& out) {
  for (int bound = 0; bound < 2; ++bound) {
    c.bound = bound;
    c.old_value = bound == 0 ? a.max : a.min;
    c.new_value = bound == 0 ? b.max : b.min;
    c.old_combination = bound == 0 ? a.max_combination : a.min_combination;
    c.new_combination = bound == 0 ? b.max_combination : b.min_combination;
    c.governing_changed =
        governing_changed(r, c.old_combination, c.new_combination, c.new_value, value_in_new);
    if (c.governing_changed || beyond_tolerance(c.old_value, c.new_value, r.rel, c.scale)) out.push_back(c);
  }
}

void envelope_changes(const Revisions& r, const SetEnvelopes& o, const SetEnvelopes& n,
                      std::vector<ResultChange>& out) {
  for (const auto& [bar, old_e] : o.envelope) {
    const auto it = n.envelope.find(bar);
    if (it == n.envelope.end()) continue;
    for (int q = 0; q < 5; ++q) {
      ResultChange c;
      c.set = o.set;
      c.bar = bar;
      c.quantity = q;
      c.scale = r.scales.bar(bar, q);
      const long long bar_number = bar;  // a lambda may not capture a structured binding in C++20
      const auto value_in_new = [&](long long combination) -> std::optional<double> {
        const auto v = r.n.bar_values.find({combination, bar_number});
        if (v == r.n.bar_values.end()) return std::nullopt;
        return v->second[static_cast<std::size_t>(q)];
      };
      const auto i = static_cast<std::size_t>(q);
      extremes_changes(r, c, old_e[i], it->second[i], value_in_new, out);
    }
  }
}

// A value of node `node` in new combination `combination`, if it has one.
std::optional<double> node_value(const CombinedByNode& combined, long long combination, long long node,
                                 std::size_t k) {
  const auto v = combined.find(combination);
  if (v == combined.end() || !v->second) return std::nullopt;
  const auto n = v->second->find(node);
  if (n == v->second->end()) return std::nullopt;
  return n->second[k];
}

void reaction_envelope_changes(const Revisions& r, const SetEnvelopes& o, const SetEnvelopes& n,
                               std::vector<ResultChange>& out) {
  for (const auto& [node, old_e] : o.reaction_envelope) {
    const auto it = n.reaction_envelope.find(node);
    if (it == n.reaction_envelope.end()) continue;
    for (std::size_t k = 0; k < 3; ++k) {
      // A component that no combination gives in either revision is not
      // compared; the combinations that gained or lost it are structure.
      if (!old_e[k] || !it->second[k]) continue;
      ResultChange c;
      c.table = ResultTable::reaction_envelope;
      c.set = o.set;
      c.node = node;
      c.quantity = static_cast<int>(k + 1);
      c.scale = r.scales.support(node, static_cast<int>(k));
      const long long support = node;  // a lambda may not capture a structured binding in C++20
      const auto value_in_new = [&](long long combination) {
        return node_value(r.n.combined_reactions, combination, support, k);
      };
      extremes_changes(r, c, *old_e[k], *it->second[k], value_in_new, out);
    }
  }
}

void displacement_envelope_changes(const Revisions& r, const SetEnvelopes& o, const SetEnvelopes& n,
                                   std::vector<ResultChange>& out) {
  for (std::size_t p = 0; p < 3; ++p)
    for (std::size_t k = 0; k < 3; ++k) {
      // Absent on a side without values (or whose export lacks the table).
      const std::optional<Extreme>&a = o.displacement_envelope[p][k], &b = n.displacement_envelope[p][k];
      if (!a || !b) continue;
      ResultChange c;
      c.table = ResultTable::displacement_envelope;
      c.set = o.set;
      c.place = static_cast<int>(p);
      c.quantity = static_cast<int>(k + 1);
      c.scale = r.scales.places[p][k];
      const auto value_in_new = [&](long long combination) -> std::optional<double> {
        const auto v = r.n.combined_displacements.find(combination);
        if (v == r.n.combined_displacements.end() || !v->second[p]) return std::nullopt;
        return (*v->second[p])[k];
      };
      extremes_changes(r, c, *a, *b, value_in_new, out);
    }
}

void node_displacement_envelope_changes(const Revisions& r, const SetEnvelopes& o, const SetEnvelopes& n,
                                        std::vector<ResultChange>& out) {
  for (const auto& [node, old_e] : o.node_displacement_envelope) {
    const auto it = n.node_displacement_envelope.find(node);
    if (it == n.node_displacement_envelope.end()) continue;
    for (std::size_t k = 0; k < 3; ++k) {
      if (!old_e[k] || !it->second[k]) continue;
      ResultChange c;
      c.table = ResultTable::node_displacement_envelope;
      c.set = o.set;
      c.node = node;
      c.quantity = static_cast<int>(k + 1);
      c.scale = r.scales.node(node, static_cast<int>(k));
      const long long number = node;  // a lambda may not capture a structured binding in C++20
      const auto value_in_new = [&](long long combination) {
        const auto v = r.n.combined_node_displacements.find(combination);
        const ValueTriple* values = v == r.n.combined_node_displacements.end() || !v->second
                                        ? nullptr
                                        : find_node(*v->second, number);
        return values ? std::optional<double>((*values)[k]) : std::nullopt;
      };
      extremes_changes(r, c, *old_e[k], *it->second[k], value_in_new, out);
    }
  }
}

// The envelopes of each set that both revisions have, in the sets' order.
void set_changes(const Revisions& r, std::vector<ResultChange>& out) {
  std::vector<SetEnvelopes> o = envelopes_by_set(r.o), n = envelopes_by_set(r.n);
  const auto by_order = [](const SetEnvelopes& a, const SetEnvelopes& b) { return set_before(a.set, b.set); };
  std::stable_sort(o.begin(), o.end(), by_order);
  std::vector<ResultChange> reactions, places, nodes;
  for (const SetEnvelopes& old_set : o) {
    const auto it =
        std::find_if(n.begin(), n.end(), [&](const SetEnvelopes& s) { return s.set == old_set.set; });
    if (it == n.end()) continue;
    envelope_changes(r, old_set, *it, out);
    reaction_envelope_changes(r, old_set, *it, reactions);
    displacement_envelope_changes(r, old_set, *it, places);
    node_displacement_envelope_changes(r, old_set, *it, nodes);
  }
  for (const auto* table : {&reactions, &places, &nodes}) out.insert(out.end(), table->begin(), table->end());
}

// The old values of the new combination `number`'s match, if it has one.
template <class Map>
const typename Map::mapped_type* old_values(const Revisions& r, const Map& old_map, long long number) {
  const auto m = r.match.old_of.find(number);
  if (m == r.match.old_of.end()) return nullptr;
  const auto it = old_map.find(m->second);
  return it == old_map.end() ? nullptr : &it->second;
}

void reaction_changes(const Revisions& r, std::vector<ResultChange>& out) {
  for (const auto& [combination, new_supports] : r.n.combined_reactions) {
    const auto* old_supports = old_values(r, r.o.combined_reactions, combination);
    if (!old_supports || !*old_supports || !new_supports) continue;
    for (const auto& [node, a] : **old_supports) {
      const auto s = new_supports->find(node);
      if (s == new_supports->end()) continue;
      for (std::size_t k = 0; k < 3; ++k) {
        const double scale = r.scales.support(node, static_cast<int>(k));
        if (!beyond_tolerance(a[k], s->second[k], r.rel, scale)) continue;
        ResultChange c = valued(ResultTable::combined_reactions, r, combination, k, a[k], s->second[k]);
        c.node = node;
        c.scale = scale;
        out.push_back(c);
      }
    }
  }
}

void displacement_changes(const Revisions& r, std::vector<ResultChange>& out) {
  for (const auto& [combination, new_places] : r.n.combined_displacements) {
    const auto* old_places = old_values(r, r.o.combined_displacements, combination);
    if (!old_places) continue;
    for (std::size_t p = 0; p < 3; ++p) {
      const auto& a = (*old_places)[p];
      const auto& b = new_places[p];
      if (!a || !b) continue;
      for (std::size_t k = 0; k < 3; ++k) {
        if (!beyond_tolerance((*a)[k], (*b)[k], r.rel, r.scales.places[p][k])) continue;
        ResultChange c = valued(ResultTable::combined_displacements, r, combination, k, (*a)[k], (*b)[k]);
        c.place = static_cast<int>(p);
        c.scale = r.scales.places[p][k];
        out.push_back(c);
      }
    }
  }
}

void bending_changes(const Revisions& r, std::vector<ResultChange>& out) {
  for (const auto& [key, new_flag] : r.n.bending) {
    const auto m = r.match.old_of.find(key.first);
    if (m == r.match.old_of.end()) continue;
    const auto it = r.o.bending.find({m->second, key.second});
    if (it == r.o.bending.end() || it->second == new_flag) continue;
    ResultChange c = valued(ResultTable::bending, r, key.first, 0, 0, 0);
    c.quantity = 0;
    c.bar = key.second;
    c.old_flag = it->second;
    c.new_flag = new_flag;
    out.push_back(c);
  }
}

int set_rank(const std::string& set) {
  static constexpr const char* ORDER[] = {"uls", "sls_characteristic", "sls_frequent", "sls_quasi_permanent"};
  for (int i = 0; i < 4; ++i)
    if (set == ORDER[i]) return i;
  return set.empty() ? 5 : 4;
}

}  // namespace

bool set_before(const std::string& a, const std::string& b) {
  const int ra = set_rank(a), rb = set_rank(b);
  return ra != rb ? ra < rb : a < b;
}

bool beyond_tolerance(double old_value, double new_value, double rel, double scale) {
  const double change = std::fabs(new_value - old_value);
  return change > rel * std::max(std::fabs(old_value), std::fabs(new_value)) && change > rel * scale;
}

std::vector<ResultChange> result_changes(const ExportedRun& o, const ExportedRun& n,
                                         const CombinationMatch& match, double rel) {
  const MemberScales scales = member_scales(o, n);
  const Revisions r{o, n, match, scales, rel};
  std::vector<ResultChange> out;
  set_changes(r, out);
  reaction_changes(r, out);
  displacement_changes(r, out);
  bending_changes(r, out);
  return out;
}

std::vector<ResultChange> result_changes(const ExportedRun& o, const ExportedRun& n, double rel) {
  return result_changes(o, n, match_combinations(o, n), rel);
}

}  // namespace toval::tools::diff
