#include "tools/cli/run_envelopes.h"

#include <span>

#include "tools/cli/combined_results.h"

namespace toval::tools::cli {

namespace {

// Over the combinations in the list that `counts` admits, in list order.
template <class Counts, class ValueOf>
MaybeExtremes extremes_over(std::span<const Whole> combinations, Counts counts, ValueOf value) {
  MaybeExtremes e;
  for (Whole I : combinations) {
    if (!counts(I)) continue;
    if (e)
      take_later(*e, I, value(I));
    else
      e = seeded(I, value(I));
  }
  return e;
}

struct Sums {
  const Store& s;
  const RunCounts& c;
  std::vector<bool> complete;  // combination I at I - 1: no case missing from the case list

  bool admits(Whole I) const { return complete[static_cast<std::size_t>(I - 1)]; }

  ComponentExtremes reactions(std::span<const Whole> combinations, Whole N) const {
    const std::array<const Table2<Real>*, 3> tables{&s.BL11.RES1, &s.BL11.RES2, &s.BL11.RES3};
    ComponentExtremes e;
    for (std::size_t k = 0; k < 3; ++k)
      e[k] = extremes_over(
          combinations, [&](Whole I) { return admits(I); },
          [&](Whole I) {
            return combined_value(s, c.NCCAR, I, [&](Whole P) { return (*tables[k])(P, N); });
          });
    return e;
  }

  std::array<ComponentExtremes, 3> displacements(std::span<const Whole> combinations) const {
    std::array<ComponentExtremes, 3> e;
    const auto tables = displacement_tables(s);
    for (std::size_t place = 0; place < 3; ++place)
      for (std::size_t k = 0; k < 3; ++k)
        e[place][k] = extremes_over(
            combinations, [&](Whole I) { return admits(I); },
            [&](Whole I) {
              return combined_value(s, c.NCCAR, I, [&](Whole P) { return (*tables[place][k])(P); });
            });
    return e;
  }

  BarEnvelope bar(std::span<const Whole> combinations, Whole K) const {
    const auto all = [](Whole) { return true; };
    const auto at = [&](const Table2<Real>& table, long end) {
      return *extremes_over(combinations, all, [&](Whole I) { return table(slot(I, c.NBAR, K), end); });
    };
    return {*extremes_over(combinations, all, [&](Whole I) { return s.BL9.R_NORMAL(slot(I, c.NBAR, K)); }),
            {at(s.BL9.R_CORTTE, 1), at(s.BL9.R_CORTTE, 2)},
            {at(s.BL9.R_FLETOR, 1), at(s.BL9.R_FLETOR, 2)}};
  }
};

}  // namespace

const SetEnvelope* RunEnvelopes::of(CombinationSet set) const {
  for (const SetEnvelope& e : sets)
    if (e.set == set) return &e;
  return nullptr;
}

std::array<std::array<const Table<Real>*, 3>, 3> displacement_tables(const Store& s) {
  const Displacements& d = s.BL8;
  return {{{&d.DX_E, &d.DY_E, &d.DZ_E}, {&d.DX_C, &d.DY_C, &d.DZ_C}, {&d.DX_D, &d.DY_D, &d.DZ_D}}};
}

RunEnvelopes run_envelopes(const Store& s, const RunCounts& c, const RunLabels& labels) {
  Sums sums{s, c, {}};
  std::vector<Whole> every;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    sums.complete.push_back(missing_cases(s, c.NCCAR, I).empty());
    every.push_back(I);
  }
  RunEnvelopes envelopes;
  for (Whole N = 1; N <= c.NRES; ++N) envelopes.reactions.push_back(sums.reactions(every, N));
  for (const SetMembers& members : labels.sets) {
    SetEnvelope e{members.set, members.combinations, {}, {}, sums.displacements(members.combinations)};
    for (Whole K = 1; K <= c.NBAR; ++K) e.bars.push_back(sums.bar(members.combinations, K));
    for (Whole N = 1; N <= c.NRES; ++N) e.reactions.push_back(sums.reactions(members.combinations, N));
    envelopes.sets.push_back(std::move(e));
  }
  return envelopes;
}

}  // namespace toval::tools::cli
