#include "tools/cli/results_entries.h"

#include "input/combination_file.h"
#include "report/pair_envelope.h"
#include "tools/cli/combined_results.h"
#include "tools/cli/export_keys.h"

namespace toval::tools::cli {

namespace {

// The displacement tables of the characteristic nodes, in the order of keys::PLACES.
struct Place {
  const Table<Real>*dx, *dy, *dz;
};

std::array<Place, 3> places(const Store& s) {
  const Displacements& d = s.BL8;
  return {Place{&d.DX_E, &d.DY_E, &d.DZ_E}, Place{&d.DX_C, &d.DY_C, &d.DZ_C},
          Place{&d.DX_D, &d.DY_D, &d.DZ_D}};
}

std::vector<std::string> missing_names(const std::vector<Name<4>>& missing) {
  std::vector<std::string> names;
  for (const Name<4>& n : missing) names.push_back(name_of(n));
  return names;
}

}  // namespace

std::array<CharacteristicNode, 5> characteristic_nodes(const Store& s) {
  const DisplacementNodes& n = s.BL7;
  return {CharacteristicNode{keys::LEFT, n.NO_E}, CharacteristicNode{keys::AXIS, n.NO_C},
          CharacteristicNode{keys::AXIS_LEFT, n.NO_CE}, CharacteristicNode{keys::AXIS_RIGHT, n.NO_CD},
          CharacteristicNode{keys::RIGHT, n.NO_D}};
}

void each_node(const LoadedRun& run, const EachEntry<NodeEntry>& take) {
  const Store& s = run.store();
  for (Whole K = 1; K <= run.counts().NNOS; ++K)
    take({K, s.BL2.X(K), s.BL2.Y(K), {s.BL2.R1(K), s.BL2.R2(K), s.BL2.R3(K)}});
}

void each_bar(const LoadedRun& run, const EachEntry<BarEntry>& take) {
  const Store& s = run.store();
  for (Whole K = 1; K <= run.counts().NBAR; ++K)
    take({K, s.BL3.NI(K), s.BL3.NF(K), s.BL3.PROP(K), s.BL3.L(K), s.BL3.CD(K), s.BL6.BAR_SIM(K)});
}

void each_case_displacements(const LoadedRun& run, const EachEntry<CaseDisplacements>& take) {
  const Store& s = run.store();
  for (Whole P = 1; P <= run.counts().NCCAR; ++P) {
    CaseDisplacements entry{name_of(s.BL4.CCAR(P)), {}};
    const std::array<Place, 3> all = places(s);
    for (std::size_t i = 0; i < 3; ++i) {
      const Place& p = all[i];
      entry.places[i] = {(*p.dx)(P), (*p.dy)(P), (*p.dz)(P)};
    }
    take(entry);
  }
}

void each_combined_displacements(const LoadedRun& run, const EachEntry<CombinedDisplacements>& take) {
  const Store& s = run.store();
  const Whole NCCAR = run.counts().NCCAR;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    const std::vector<Name<4>> missing = missing_cases(s, NCCAR, I);
    CombinedDisplacements entry{I, std::nullopt, missing_names(missing)};
    if (missing.empty()) {
      entry.places.emplace();
      const std::array<Place, 3> all = places(s);
      for (std::size_t i = 0; i < 3; ++i) {
        const Place& p = all[i];
        std::size_t at = 0;
        for (const auto* table : {p.dx, p.dy, p.dz})
          (*entry.places)[i][at++] = combined_value(s, NCCAR, I, [&](Whole P) { return (*table)(P); });
      }
    }
    take(entry);
  }
}

void each_case_reactions(const LoadedRun& run, const EachEntry<CaseReactions>& take) {
  const Store& s = run.store();
  const Reactions& r = s.BL11;
  for (Whole P = 1; P <= run.counts().NCCAR; ++P) {
    CaseReactions entry{name_of(s.BL4.CCAR(P)), {}};
    for (Whole N = 1; N <= run.counts().NRES; ++N)
      entry.supports.push_back({r.NO_RES(N), {r.RES1(P, N), r.RES2(P, N), r.RES3(P, N)}});
    take(entry);
  }
}

void each_combined_reactions(const LoadedRun& run, const EachEntry<CombinedReactions>& take) {
  const Store& s = run.store();
  const Reactions& r = s.BL11;
  const Whole NCCAR = run.counts().NCCAR;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    const std::vector<Name<4>> missing = missing_cases(s, NCCAR, I);
    CombinedReactions entry{I, std::nullopt, missing_names(missing)};
    if (missing.empty()) {
      entry.supports.emplace();
      for (Whole N = 1; N <= run.counts().NRES; ++N) {
        Support support{r.NO_RES(N), {}};
        std::size_t at = 0;
        for (const auto* table : {&r.RES1, &r.RES2, &r.RES3})
          support.reactions[at++] = combined_value(s, NCCAR, I, [&](Whole P) { return (*table)(P, N); });
        entry.supports->push_back(support);
      }
    }
    take(entry);
  }
}

void each_bar_force(const LoadedRun& run, const EachEntry<BarForceEntry>& take) {
  const BarForces& f = run.store().BL9;
  const Whole NBAR = run.counts().NBAR;
  for (Whole I = 1; I <= run.store().BL5.NCOB; ++I)
    for (Whole K = 1; K <= NBAR; ++K) {
      const long S = slot(I, NBAR, K);
      take({I,
            K,
            f.R_NORMAL(S),
            {f.R_CORTTE(S, 1), f.R_CORTTE(S, 2)},
            {f.R_FLETOR(S, 1), f.R_FLETOR(S, 2)},
            f.BESF_VM(S) == 1});
    }
}

void each_envelope(const LoadedRun& run, const EachEntry<EnvelopeEntry>& take) {
  for (Whole K = 1; K <= run.counts().NBAR; ++K) {
    const BarForceEnvelope x = bar_force_envelope(run.store(), run.counts().NBAR, K);
    take({K, x.N, x.V, x.M});
  }
}

void each_pair(const LoadedRun& run, const EachEntry<PairEntry>& take) {
  const Store& s = run.store();
  for (Whole K = 1; K <= run.counts().NBAR; ++K) {
    const Whole J = s.BL6.BAR_SIM(K);
    if (J == 0 || K > J) continue;
    const PairEnvelope x = pair_envelope(s, K, J);
    take({{K, J}, x.ESF1, x.B1, x.C1, x.ESF2, x.B2, x.C2});
  }
}

void each_case_node_displacements(const cli::LoadedRun& run, const cli::NodeDisplacements& d,
                                  const EachEntry<CaseNodeDisplacements>& take) {
  for (Whole P = 1; P <= d.cases(); ++P) take({name_of(run.store().BL4.CCAR(P)), d.of_case(P)});
}

void each_combined_node_displacements(const cli::LoadedRun& run, const cli::NodeDisplacements& d,
                                      const EachEntry<CombinedNodeDisplacements>& take) {
  const Store& s = run.store();
  std::vector<cli::NodeTriple> values;
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    CombinedNodeDisplacements entry{I, std::nullopt, {}};
    if (d.combined(s, I, values))
      entry.nodes = std::span<const cli::NodeTriple>(values);
    else
      entry.missing_cases = missing_names(cli::missing_cases(s, run.counts().NCCAR, I));
    take(entry);
  }
}

void each_node_envelope(const cli::LoadedRun& run, const cli::NodeDisplacements& d,
                        const EachEntry<NodeEnvelopeEntry>& take) {
  const std::vector<Whole> all = cli::every_combination(run.store());
  const std::vector<cli::NodeExtremes> envelope = cli::node_displacement_envelope(run.store(), d, all);
  for (std::size_t k = 0; k < envelope.size(); ++k) take({static_cast<Whole>(k + 1), envelope[k]});
}

void each_case_bar_force(cli::LoadedRun& run, const EachEntry<CaseBarForceEntry>& take) {
  const Store& s = run.store();
  const RunCounts& c = run.counts();
  Listing& listing = run.listing();
  for (Whole P = 1; P <= c.NCCAR; ++P) {
    Listing::Block& block = listing.bar_groups_of(s.BL4.CCAR(P), case_list_asker(s, P), c.NNOS);
    const std::string name = name_of(s.BL4.CCAR(P));
    for (Whole K = 1; K <= c.NBAR; ++K) {
      const BarGroup& g = listing.bar_group(block, c.NNOS, K);
      take({name, K, {g.end1.ESFN, g.end2.ESFN}, {g.end1.ESFV, g.end2.ESFV}, {g.end1.ESFM, g.end2.ESFM}});
    }
  }
}

}  // namespace toval::tools::cli
