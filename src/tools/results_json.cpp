#include "tools/results_json.h"

#include "tools/exported_values.h"

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
  return doc;
}

}  // namespace toval::tools
