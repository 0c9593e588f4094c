#include <algorithm>
#include <cmath>

#include "tools/diff/changes.h"

namespace toval::tools::diff {

namespace {

double magnitude(double largest, double value) {
  return std::max(largest, std::fabs(value));
}

// A change of component k (from 0) of a combined value.
ResultChange valued(ResultTable table, long long combination, std::size_t k, double old_value,
                    double new_value) {
  ResultChange c;
  c.table = table;
  c.combination = combination;
  c.quantity = static_cast<int>(k + 1);
  c.old_value = old_value;
  c.new_value = new_value;
  return c;
}

void envelope_changes(const ExportedRun& o, const ExportedRun& n, double rel,
                      std::vector<ResultChange>& out) {
  std::array<double, 5> largest{};
  for (const auto& [bar, e] : o.envelope)
    for (std::size_t q = 0; q < 5; ++q) largest[q] = magnitude(magnitude(largest[q], e[q].max), e[q].min);
  for (const auto& [bar, old_e] : o.envelope) {
    const auto it = n.envelope.find(bar);
    if (it == n.envelope.end()) continue;
    for (std::size_t q = 0; q < 5; ++q)
      for (int bound = 0; bound < 2; ++bound) {
        const Extreme& a = old_e[q];
        const Extreme& b = it->second[q];
        ResultChange c;
        c.bar = bar;
        c.quantity = static_cast<int>(q);
        c.bound = bound;
        c.old_value = bound == 0 ? a.max : a.min;
        c.new_value = bound == 0 ? b.max : b.min;
        c.old_combination = bound == 0 ? a.max_combination : a.min_combination;
        c.new_combination = bound == 0 ? b.max_combination : b.min_combination;
        // Another governing combination always counts, whatever the values.
        if (c.old_combination != c.new_combination ||
            beyond_tolerance(c.old_value, c.new_value, rel, largest[q]))
          out.push_back(c);
      }
  }
}

void reaction_changes(const ExportedRun& o, const ExportedRun& n, double rel,
                      std::vector<ResultChange>& out) {
  ValueTriple largest{};
  for (const auto& [combination, supports] : o.combined_reactions)
    if (supports)
      for (const auto& [node, values] : *supports)
        for (std::size_t k = 0; k < 3; ++k) largest[k] = magnitude(largest[k], values[k]);
  for (const auto& [combination, old_supports] : o.combined_reactions) {
    const auto it = n.combined_reactions.find(combination);
    if (!old_supports || it == n.combined_reactions.end() || !it->second) continue;
    for (const auto& [node, a] : *old_supports) {
      const auto s = it->second->find(node);
      if (s == it->second->end()) continue;
      for (std::size_t k = 0; k < 3; ++k)
        if (beyond_tolerance(a[k], s->second[k], rel, largest[k])) {
          ResultChange c = valued(ResultTable::combined_reactions, combination, k, a[k], s->second[k]);
          c.node = node;
          out.push_back(c);
        }
    }
  }
}

void displacement_changes(const ExportedRun& o, const ExportedRun& n, double rel,
                          std::vector<ResultChange>& out) {
  ValueTriple largest{};
  for (const auto& [combination, places] : o.combined_displacements)
    for (const auto& values : places)
      if (values)
        for (std::size_t k = 0; k < 3; ++k) largest[k] = magnitude(largest[k], (*values)[k]);
  for (const auto& [combination, old_places] : o.combined_displacements) {
    const auto it = n.combined_displacements.find(combination);
    if (it == n.combined_displacements.end()) continue;
    for (std::size_t p = 0; p < 3; ++p) {
      const auto& a = old_places[p];
      const auto& b = it->second[p];
      if (!a || !b) continue;
      for (std::size_t k = 0; k < 3; ++k)
        if (beyond_tolerance((*a)[k], (*b)[k], rel, largest[k])) {
          ResultChange c = valued(ResultTable::combined_displacements, combination, k, (*a)[k], (*b)[k]);
          c.place = static_cast<int>(p);
          out.push_back(c);
        }
    }
  }
}

void bending_changes(const ExportedRun& o, const ExportedRun& n, std::vector<ResultChange>& out) {
  for (const auto& [key, old_flag] : o.bending) {
    const auto it = n.bending.find(key);
    if (it == n.bending.end() || it->second == old_flag) continue;
    ResultChange c;
    c.table = ResultTable::bending;
    c.combination = key.first;
    c.bar = key.second;
    c.old_flag = old_flag;
    c.new_flag = it->second;
    out.push_back(c);
  }
}

}  // namespace

bool beyond_tolerance(double old_value, double new_value, double rel, double largest_old) {
  const double change = std::fabs(new_value - old_value);
  return change > rel * std::max(std::fabs(old_value), std::fabs(new_value)) && change > rel * largest_old;
}

std::vector<ResultChange> result_changes(const ExportedRun& o, const ExportedRun& n, double rel) {
  std::vector<ResultChange> out;
  envelope_changes(o, n, rel, out);
  reaction_changes(o, n, rel, out);
  displacement_changes(o, n, rel, out);
  bending_changes(o, n, out);
  return out;
}

}  // namespace toval::tools::diff
