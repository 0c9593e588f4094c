#include "tools/export/results_json.h"

#include <array>

#include "combine/extremes.h"
#include "report/pair_envelope.h"
#include "tools/cli/combined_results.h"
#include "tools/cli/exported_values.h"

namespace toval::tools {

namespace {

using Json = nlohmann::ordered_json;

Json real(Real value) { return real_number(value); }

template <std::size_t N>
Json name(const Name<N>& n) {
  return name_text(n.view());
}

Json titles(const Store& s) {
  return {{"project", name(s.BL1.PRJT)}, {"client", name(s.BL1.CLIT)}, {"frame", name(s.BL1.PORT)}};
}

Json nodes(const Store& s, const RunCounts& c) {
  Json list = Json::array();
  for (Whole K = 1; K <= c.NNOS; ++K)
    list.push_back({{"node", K},
                    {"x", real(s.BL2.X(K))},
                    {"y", real(s.BL2.Y(K))},
                    {"restraints", {s.BL2.R1(K), s.BL2.R2(K), s.BL2.R3(K)}}});
  return list;
}

Json bars(const Store& s, const RunCounts& c) {
  Json list = Json::array();
  for (Whole K = 1; K <= c.NBAR; ++K) {
    const Whole mirror = s.BL6.BAR_SIM(K);
    list.push_back({{"bar", K},
                    {"start", s.BL3.NI(K)},
                    {"end", s.BL3.NF(K)},
                    {"property", s.BL3.PROP(K)},
                    {"length", real(s.BL3.L(K))},
                    {"cos", real(s.BL3.CD(K))},
                    {"mirror", mirror != 0 ? Json(mirror) : Json(nullptr)}});
  }
  return list;
}

Json cases(const Store& s, const RunCounts& c) {
  Json list = Json::array();
  for (Whole J = 1; J <= c.NCCAR; ++J) list.push_back(name(s.BL4.CCAR(J)));
  return list;
}

Json combinations(const Store& s) {
  Json list = Json::array();
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    Json terms = Json::array();
    for (Whole J = 1; J <= s.BL5.NCASO(I); ++J)
      terms.push_back({{"multiplier", real(s.BL5.MULT(I, J))}, {"case", name(s.BL5.CASO(I, J))}});
    list.push_back({{"combination", I}, {"terms", std::move(terms)}});
  }
  return list;
}

Json node_or_null(Whole node) { return node != 0 ? Json(node) : Json(nullptr); }

Json characteristic_nodes(const Store& s) {
  const DisplacementNodes& n = s.BL7;
  return {{"left", node_or_null(n.NO_E)},
          {"axis", node_or_null(n.NO_C)},
          {"axis_left", node_or_null(n.NO_CE)},
          {"axis_right", node_or_null(n.NO_CD)},
          {"right", node_or_null(n.NO_D)}};
}

// The displacement tables of one characteristic node: left, axis, right.
struct Place {
  const char* key;
  const Table<Real>*dx, *dy, *dz;
};

std::array<Place, 3> places(const Store& s) {
  const Displacements& d = s.BL8;
  return {Place{"left", &d.DX_E, &d.DY_E, &d.DZ_E}, Place{"axis", &d.DX_C, &d.DY_C, &d.DZ_C},
          Place{"right", &d.DX_D, &d.DY_D, &d.DZ_D}};
}

Json displacements(const Store& s, const RunCounts& c) {
  Json list = Json::array();
  for (Whole P = 1; P <= c.NCCAR; ++P) {
    Json entry = {{"case", name(s.BL4.CCAR(P))}};
    for (const Place& p : places(s)) entry[p.key] = {real((*p.dx)(P)), real((*p.dy)(P)), real((*p.dz)(P))};
    list.push_back(std::move(entry));
  }
  return list;
}

Json missing_names(const std::vector<Name<4>>& missing) {
  Json names = Json::array();
  for (const Name<4>& n : missing) names.push_back(name(n));
  return names;
}

Json combined_displacements(const Store& s, const RunCounts& c) {
  Json list = Json::array();
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    const std::vector<Name<4>> missing = missing_cases(s, c.NCCAR, I);
    Json entry = {{"combination", I}};
    for (const Place& p : places(s)) {
      if (!missing.empty()) {
        entry[p.key] = nullptr;
        continue;
      }
      Json triple = Json::array();
      for (const auto* table : {p.dx, p.dy, p.dz})
        triple.push_back(real(combined_value(s, c.NCCAR, I, [&](Whole P) { return (*table)(P); })));
      entry[p.key] = std::move(triple);
    }
    entry["missing_cases"] = missing_names(missing);
    list.push_back(std::move(entry));
  }
  return list;
}

Json reactions(const Store& s, const RunCounts& c) {
  const Reactions& r = s.BL11;
  Json list = Json::array();
  for (Whole P = 1; P <= c.NCCAR; ++P) {
    Json supports = Json::array();
    for (Whole N = 1; N <= c.NRES; ++N)
      supports.push_back({{"node", r.NO_RES(N)},
                          {"reactions", {real(r.RES1(P, N)), real(r.RES2(P, N)), real(r.RES3(P, N))}}});
    list.push_back({{"case", name(s.BL4.CCAR(P))}, {"supports", std::move(supports)}});
  }
  return list;
}

Json combined_reactions(const Store& s, const RunCounts& c) {
  const Reactions& r = s.BL11;
  Json list = Json::array();
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    const std::vector<Name<4>> missing = missing_cases(s, c.NCCAR, I);
    Json supports = nullptr;
    if (missing.empty()) {
      supports = Json::array();
      for (Whole N = 1; N <= c.NRES; ++N) {
        Json values = Json::array();
        for (const auto* table : {&r.RES1, &r.RES2, &r.RES3})
          values.push_back(real(combined_value(s, c.NCCAR, I, [&](Whole P) { return (*table)(P, N); })));
        supports.push_back({{"node", r.NO_RES(N)}, {"reactions", std::move(values)}});
      }
    }
    list.push_back({{"combination", I}, {"supports", std::move(supports)}, {"missing_cases", missing_names(missing)}});
  }
  return list;
}

Json bar_forces(const Store& s, const RunCounts& c) {
  const BarForces& f = s.BL9;
  Json list = Json::array();
  for (Whole I = 1; I <= s.BL5.NCOB; ++I)
    for (Whole K = 1; K <= c.NBAR; ++K) {
      const long S = slot(I, c.NBAR, K);
      list.push_back({{"combination", I},
                      {"bar", K},
                      {"N", real(f.R_NORMAL(S))},
                      {"V", {real(f.R_CORTTE(S, 1)), real(f.R_CORTTE(S, 2))}},
                      {"M", {real(f.R_FLETOR(S, 1)), real(f.R_FLETOR(S, 2))}},
                      {"bending", f.BESF_VM(S) == 1}});
    }
  return list;
}

Json extreme(const Extremes& e) {
  return {{"max", real(e.max)}, {"max_combination", e.max_combination},
          {"min", real(e.min)}, {"min_combination", e.min_combination}};
}

// The extremes over the combinations of one end's shear or moment.
Json end_extremes(const Store& s, Whole NBAR, Whole K, const Table2<Real>& table) {
  Json ends = Json::array();
  for (long end = 1; end <= 2; ++end)
    ends.push_back(extreme(extremes(s.BL5.NCOB, [&](Whole I) { return table(slot(I, NBAR, K), end); })));
  return ends;
}

Json envelope(const Store& s, const RunCounts& c) {
  Json list = Json::array();
  const Envelope& e = s.BL10;
  for (Whole K = 1; K <= c.NBAR; ++K) {
    const Extremes normal{e.R_NORMAL_MAX(K, 1), e.R_NORMAL_MAX(K, 2), e.NCOBMAX(K, 1), e.NCOBMAX(K, 2)};
    list.push_back({{"bar", K},
                    {"N", extreme(normal)},
                    {"V", end_extremes(s, c.NBAR, K, s.BL9.R_CORTTE)},
                    {"M", end_extremes(s, c.NBAR, K, s.BL9.R_FLETOR)}});
  }
  return list;
}

// One entry per row block of the truss-bar table that shows a mirror bar.
Json pairs(const Store& s, const RunCounts& c) {
  Json list = Json::array();
  for (Whole K = 1; K <= c.NBAR; ++K) {
    const Whole J = s.BL6.BAR_SIM(K);
    if (J == 0 || K > J) continue;
    const PairEnvelope x = pair_envelope(s, K, J);
    list.push_back({{"bars", {K, J}},
                    {"max", real(x.ESF1)},
                    {"max_bar", x.B1},
                    {"max_combination", x.C1},
                    {"min", real(x.ESF2)},
                    {"min_bar", x.B2},
                    {"min_combination", x.C2}});
  }
  return list;
}

}  // namespace

Json results_document(const LoadedRun& run) {
  const Store& s = run.store();
  const RunCounts& c = run.counts();
  Json doc;
  doc["format"] = "toval-results";
  doc["version"] = 1;
  doc["titles"] = titles(s);
  doc["axis"] = real(c.XS);
  doc["nodes"] = nodes(s, c);
  doc["bars"] = bars(s, c);
  doc["cases"] = cases(s, c);
  doc["combinations"] = combinations(s);
  doc["characteristic_nodes"] = characteristic_nodes(s);
  doc["displacements"] = displacements(s, c);
  doc["combined_displacements"] = combined_displacements(s, c);
  doc["reactions"] = reactions(s, c);
  doc["combined_reactions"] = combined_reactions(s, c);
  doc["bar_forces"] = bar_forces(s, c);
  doc["envelope"] = envelope(s, c);
  doc["pairs"] = pairs(s, c);
  return doc;
}

}  // namespace toval::tools
