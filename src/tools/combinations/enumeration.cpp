#include "tools/combinations/enumeration.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>

#include "input/combination_dialect.h"
#include "tools/combinations/rules_error.h"

namespace toval::tools::combinations {

namespace {

constexpr std::size_t MULTIPLIER_COLUMNS =
    combination_dialect::MULTIPLIER_END - combination_dialect::MULTIPLIER_FROM;

// The variable actions that may stand together: at most one of each group.
// A unit is a group's members or an action of no group.
std::vector<std::vector<std::size_t>> units_of(const Rules& rules, const std::vector<std::size_t>& allowed) {
  std::vector<std::vector<std::size_t>> units;
  std::map<int, std::size_t> unit_of_group;
  for (std::size_t k : allowed) {
    const int g = rules.actions[k].group;
    if (g < 0) {
      units.push_back({k});
    } else if (auto it = unit_of_group.find(g); it != unit_of_group.end()) {
      units[it->second].push_back(k);
    } else {
      unit_of_group[g] = units.size();
      units.push_back({k});
    }
  }
  return units;
}

double count_subsets(const std::vector<std::vector<std::size_t>>& units) {
  double n = 1;
  for (const auto& u : units) n *= static_cast<double>(u.size() + 1);
  return n;
}

// Every subset taking at most one action of each unit, in increasing order
// of the sum of 2^k over its positions k: with the positions in descending
// order that is the lexicographic order of the lists.
std::vector<std::vector<std::size_t>> subsets_in_order(const std::vector<std::vector<std::size_t>>& units) {
  std::vector<std::vector<std::size_t>> subsets{{}};
  for (const auto& unit : units) {
    const std::size_t before = subsets.size();
    for (std::size_t s = 0; s < before; ++s)
      for (std::size_t k : unit) {
        std::vector<std::size_t> with = subsets[s];
        with.push_back(k);
        subsets.push_back(std::move(with));
      }
  }
  for (auto& s : subsets) std::sort(s.rbegin(), s.rend());
  std::sort(subsets.begin(), subsets.end());
  for (auto& s : subsets) std::reverse(s.begin(), s.end());
  return subsets;
}

std::vector<std::size_t> variables_apart_from(const Rules& rules, int leading) {
  std::vector<std::size_t> allowed;
  for (std::size_t k = 0; k < rules.actions.size(); ++k) {
    const Action& a = rules.actions[k];
    if (a.kind != ActionKind::variable || static_cast<int>(k) == leading) continue;
    if (leading >= 0 && a.group >= 0 && a.group == rules.actions[static_cast<std::size_t>(leading)].group)
      continue;
    allowed.push_back(k);
  }
  return allowed;
}

std::vector<int> leading_choices(const Rules& rules, CombinationSet set) {
  std::vector<int> leading{-1};  // none first
  if (set == CombinationSet::sls_quasi_permanent) return leading;
  for (std::size_t k = 0; k < rules.actions.size(); ++k)
    if (rules.actions[k].kind == ActionKind::variable) leading.push_back(static_cast<int>(k));
  return leading;
}

// The accompanying subsets that go with a leading action (or with none).
std::vector<std::vector<std::size_t>> accompanying_choices(const Rules& rules, CombinationSet set,
                                                           int leading) {
  if (set != CombinationSet::sls_quasi_permanent && leading < 0) return {{}};
  return subsets_in_order(units_of(rules, variables_apart_from(rules, leading)));
}

double count_all(const Rules& rules) {
  double total = 0;
  for (CombinationSet set : rules.sets) {
    const double choices = set == CombinationSet::uls ? std::ldexp(1.0, rules.sources) : 1.0;
    for (int leading : leading_choices(rules, set)) {
      const bool alone = set != CombinationSet::sls_quasi_permanent && leading < 0;
      total += choices * (alone ? 1.0 : count_subsets(units_of(rules, variables_apart_from(rules, leading))));
    }
  }
  return total;
}

Decimal one() {
  return {"1", 0};
}

// The multiplier of action k in a combination, before rounding.
Decimal factor(const Action& a, CombinationSet set, bool leading, bool favourable) {
  if (a.kind == ActionKind::permanent) {
    if (set != CombinationSet::uls) return one();
    return favourable ? *a.gamma_inf : *a.gamma_sup;
  }
  switch (set) {
    case CombinationSet::uls:
      return leading ? *a.gamma : multiply(*a.gamma, *a.psi0);
    case CombinationSet::sls_characteristic:
      return leading ? one() : *a.psi0;
    case CombinationSet::sls_frequent:
      return leading ? *a.psi1 : *a.psi2;
    case CombinationSet::sls_quasi_permanent:
      break;
  }
  return *a.psi2;
}

Combination formed(const Rules& rules, CombinationSet set, int leading,
                   const std::vector<std::size_t>& accompanying, std::uint64_t favourable_sources) {
  Combination c;
  c.set = set;
  c.leading = leading;
  c.accompanying = accompanying;
  for (std::size_t k = 0; k < rules.actions.size(); ++k) {
    const Action& a = rules.actions[k];
    const bool is_leading = static_cast<int>(k) == leading;
    const bool favourable = a.kind == ActionKind::permanent && set == CombinationSet::uls &&
                            ((favourable_sources >> a.source) & 1u) != 0;
    if (favourable) c.favourable.push_back(k);
    if (a.kind == ActionKind::variable && !is_leading &&
        std::find(accompanying.begin(), accompanying.end(), k) == accompanying.end())
      continue;
    std::string text = multiplier_text(factor(a, set, is_leading, favourable));
    if (!is_zero_text(text)) c.terms.push_back({k, std::move(text)});
  }
  return c;
}

// The terms as one text, so that equal terms give equal keys.
std::string terms_key(const std::vector<Term>& terms) {
  std::string key;
  for (const Term& t : terms) key += std::to_string(t.action) + "*" + t.multiplier + ";";
  return key;
}

}  // namespace

std::vector<Combination> enumerate_combinations(const Rules& rules, const std::string& file) {
  if (const double n = count_all(rules); n > MAX_ENUMERATED)
    throw rules_error(file, "the rules give " +
                                (n < 1e15 ? std::to_string(static_cast<long long>(n)) : "more than 10^15") +
                                " combinations before duplicates are dropped, more than the " +
                                std::to_string(static_cast<long>(MAX_ENUMERATED)) +
                                " this tool writes; put actions that never act together in one group");
  std::vector<Combination> all;
  for (CombinationSet set : rules.sets) {
    const std::size_t first_of_set = all.size();
    std::set<std::string> seen;  // each set is complete in itself
    const std::uint64_t choices = set == CombinationSet::uls ? std::uint64_t{1} << rules.sources : 1;
    for (int leading : leading_choices(rules, set))
      for (const auto& accompanying : accompanying_choices(rules, set, leading))
        for (std::uint64_t favourable = 0; favourable < choices; ++favourable) {
          Combination c = formed(rules, set, leading, accompanying, favourable);
          if (c.terms.empty()) continue;
          for (const Term& t : c.terms)
            if (t.multiplier.size() > MULTIPLIER_COLUMNS)
              throw rules_error(file, "the multiplier " + t.multiplier + " of the case \"" +
                                          rules.actions[t.action].name +
                                          "\" does not fit the 10 columns of a term record");
          if (!seen.insert(terms_key(c.terms)).second) continue;
          c.number = static_cast<int>(all.size() - first_of_set) + 1;
          all.push_back(std::move(c));
        }
  }
  return all;
}

}  // namespace toval::tools::combinations
