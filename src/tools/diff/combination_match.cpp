#include "tools/diff/combination_match.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace toval::tools::diff {

namespace {

using Terms = std::vector<std::pair<std::string, double>>;

Terms sorted_terms(const ExportedCombination& c) {
  Terms terms;
  for (const ExportedTerm& t : c.terms) terms.emplace_back(t.case_name, t.multiplier);
  std::sort(terms.begin(), terms.end());
  return terms;
}

// One rule: the unmatched combinations of each side grouped by what the
// rule looks at, and paired in the order of their numbers.
template <class Key, class KeyOf>
void match_by(const ExportedRun& o, const ExportedRun& n, KeyOf key_of, CombinationMatch& m) {
  std::map<Key, std::vector<long long>> waiting;  // new numbers by key, highest first
  for (auto it = n.combinations.rbegin(); it != n.combinations.rend(); ++it)
    if (!m.old_of.count(it->first))
      if (const std::optional<Key> key = key_of(it->first, it->second)) waiting[*key].push_back(it->first);
  for (const auto& [number, c] : o.combinations) {
    if (m.new_of.count(number)) continue;
    const std::optional<Key> key = key_of(number, c);
    if (!key) continue;
    const auto w = waiting.find(*key);
    if (w == waiting.end() || w->second.empty()) continue;
    const long long other = w->second.back();
    w->second.pop_back();
    m.new_of[number] = other;
    m.old_of[other] = number;
  }
}

}  // namespace

std::optional<long long> CombinationMatch::new_number(long long old_number) const {
  const auto it = new_of.find(old_number);
  if (it == new_of.end()) return std::nullopt;
  return it->second;
}

bool same_terms(const ExportedCombination& a, const ExportedCombination& b) {
  return a.terms.size() == b.terms.size() && sorted_terms(a) == sorted_terms(b);
}

CombinationMatch match_combinations(const ExportedRun& o, const ExportedRun& n) {
  CombinationMatch m;
  match_by<std::pair<std::string, Terms>>(
      o, n,
      [](long long, const ExportedCombination& c) {
        return std::optional(std::pair(c.set, sorted_terms(c)));
      },
      m);
  match_by<std::pair<std::string, std::string>>(
      o, n,
      [](long long, const ExportedCombination& c) {
        return c.name.empty() ? std::nullopt : std::optional(std::pair(c.set, c.name));
      },
      m);
  match_by<std::pair<std::string, long long>>(
      o, n,
      [](long long number, const ExportedCombination& c) { return std::optional(std::pair(c.set, number)); },
      m);
  return m;
}

}  // namespace toval::tools::diff
