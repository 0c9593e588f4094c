#include "tools/export/results_json.h"

#include "tools/cli/json_text.h"
#include "tools/cli/results_entries.h"

namespace toval::tools::export_ {

namespace {

// A list of the document, one entry at a time.
template <class Entry, class Each, class Write>
void list(cli::JsonWriter& w, const char* key, const cli::LoadedRun& run, Each each, Write write) {
  w.key(key);
  w.begin_array();
  each(run, [&](const Entry& entry) { write(w, entry); });
  w.end_array();
}

template <class Value, std::size_t N>
void array(cli::JsonWriter& w, const std::array<Value, N>& values) {
  w.begin_array();
  for (const Value& v : values) w.value(v);
  w.end_array();
}

void names(cli::JsonWriter& w, const std::vector<std::string>& list) {
  w.begin_array();
  for (const std::string& name : list) w.value(name);
  w.end_array();
}

void whole_or_null(cli::JsonWriter& w, Whole value) {
  if (value != 0)
    w.value(value);
  else
    w.null();
}

void json_titles(cli::JsonWriter& w, const Store& s) {
  w.key("titles");
  w.begin_object();
  w.member("project", cli::name_of(s.BL1.PRJT));
  w.member("client", cli::name_of(s.BL1.CLIT));
  w.member("frame", cli::name_of(s.BL1.PORT));
  w.end_object();
}

void json_cases(cli::JsonWriter& w, const Store& s, const RunCounts& c) {
  w.key("cases");
  w.begin_array();
  for (Whole J = 1; J <= c.NCCAR; ++J) w.value(cli::name_of(s.BL4.CCAR(J)));
  w.end_array();
}

void json_combinations(cli::JsonWriter& w, const Store& s) {
  w.key("combinations");
  w.begin_array();
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    w.begin_object();
    w.member("combination", I);
    w.key("terms");
    w.begin_array();
    for (Whole J = 1; J <= s.BL5.NCASO(I); ++J) {
      w.begin_object();
      w.member("multiplier", s.BL5.MULT(I, J));
      w.member("case", cli::name_of(s.BL5.CASO(I, J)));
      w.end_object();
    }
    w.end_array();
    w.end_object();
  }
  w.end_array();
}

void json_characteristic_nodes(cli::JsonWriter& w, const Store& s) {
  w.key("characteristic_nodes");
  w.begin_object();
  for (const auto& [key, node] : cli::characteristic_nodes(s)) {
    w.key(key);
    whole_or_null(w, node);
  }
  w.end_object();
}

void json_node(cli::JsonWriter& w, const cli::NodeEntry& n) {
  w.begin_object();
  w.member("node", n.node);
  w.member("x", n.x);
  w.member("y", n.y);
  w.key("restraints");
  array(w, n.restraints);
  w.end_object();
}

void json_bar(cli::JsonWriter& w, const cli::BarEntry& b) {
  w.begin_object();
  w.member("bar", b.bar);
  w.member("start", b.start);
  w.member("end", b.end);
  w.member("property", b.property);
  w.member("length", b.length);
  w.member("cos", b.cos);
  w.key("mirror");
  whole_or_null(w, b.mirror);
  w.end_object();
}

void json_case_displacements(cli::JsonWriter& w, const cli::CaseDisplacements& d) {
  w.begin_object();
  w.member("case", d.case_name);
  for (std::size_t i = 0; i < cli::PLACES.size(); ++i) {
    w.key(cli::PLACES[i]);
    array(w, d.places[i]);
  }
  w.end_object();
}

void json_combined_displacements(cli::JsonWriter& w, const cli::CombinedDisplacements& d) {
  w.begin_object();
  w.member("combination", d.combination);
  for (std::size_t i = 0; i < cli::PLACES.size(); ++i) {
    w.key(cli::PLACES[i]);
    if (d.places)
      array(w, (*d.places)[i]);
    else
      w.null();
  }
  w.key("missing_cases");
  names(w, d.missing_cases);
  w.end_object();
}

void json_supports(cli::JsonWriter& w, const std::vector<cli::Support>& list) {
  w.begin_array();
  for (const cli::Support& s : list) {
    w.begin_object();
    w.member("node", s.node);
    w.key("reactions");
    array(w, s.reactions);
    w.end_object();
  }
  w.end_array();
}

void json_case_reactions(cli::JsonWriter& w, const cli::CaseReactions& r) {
  w.begin_object();
  w.member("case", r.case_name);
  w.key("supports");
  json_supports(w, r.supports);
  w.end_object();
}

void json_combined_reactions(cli::JsonWriter& w, const cli::CombinedReactions& r) {
  w.begin_object();
  w.member("combination", r.combination);
  w.key("supports");
  if (r.supports)
    json_supports(w, *r.supports);
  else
    w.null();
  w.key("missing_cases");
  names(w, r.missing_cases);
  w.end_object();
}

void json_bar_force(cli::JsonWriter& w, const cli::BarForceEntry& f) {
  w.begin_object();
  w.member("combination", f.combination);
  w.member("bar", f.bar);
  w.member("N", f.N);
  w.key("V");
  array(w, f.V);
  w.key("M");
  array(w, f.M);
  w.member("bending", f.bending);
  w.end_object();
}

void json_extreme(cli::JsonWriter& w, const Extremes& e) {
  w.begin_object();
  w.member("max", e.max);
  w.member("max_combination", e.max_combination);
  w.member("min", e.min);
  w.member("min_combination", e.min_combination);
  w.end_object();
}

void json_envelope(cli::JsonWriter& w, const cli::EnvelopeEntry& e) {
  w.begin_object();
  w.member("bar", e.bar);
  w.key("N");
  json_extreme(w, e.N);
  for (const auto& [key, ends] : {std::pair{"V", &e.V}, std::pair{"M", &e.M}}) {
    w.key(key);
    w.begin_array();
    for (const Extremes& x : *ends) json_extreme(w, x);
    w.end_array();
  }
  w.end_object();
}

void json_pair(cli::JsonWriter& w, const cli::PairEntry& p) {
  w.begin_object();
  w.key("bars");
  array(w, p.bars);
  w.member("max", p.max);
  w.member("max_bar", p.max_bar);
  w.member("max_combination", p.max_combination);
  w.member("min", p.min);
  w.member("min_bar", p.min_bar);
  w.member("min_combination", p.min_combination);
  w.end_object();
}

}  // namespace

void write_results_json(const cli::LoadedRun& run, std::ostream& out) {
  const Store& s = run.store();
  const RunCounts& c = run.counts();
  cli::JsonWriter w(out);
  w.begin_object();
  w.member("format", "toval-results");
  w.member("version", std::int64_t{1});
  json_titles(w, s);
  w.member("axis", c.XS);
  list<cli::NodeEntry>(w, "nodes", run, cli::each_node, json_node);
  list<cli::BarEntry>(w, "bars", run, cli::each_bar, json_bar);
  json_cases(w, s, c);
  json_combinations(w, s);
  json_characteristic_nodes(w, s);
  list<cli::CaseDisplacements>(w, "displacements", run, cli::each_case_displacements,
                               json_case_displacements);
  list<cli::CombinedDisplacements>(w, "combined_displacements", run, cli::each_combined_displacements,
                                   json_combined_displacements);
  list<cli::CaseReactions>(w, "reactions", run, cli::each_case_reactions, json_case_reactions);
  list<cli::CombinedReactions>(w, "combined_reactions", run, cli::each_combined_reactions,
                               json_combined_reactions);
  list<cli::BarForceEntry>(w, "bar_forces", run, cli::each_bar_force, json_bar_force);
  list<cli::EnvelopeEntry>(w, "envelope", run, cli::each_envelope, json_envelope);
  list<cli::PairEntry>(w, "pairs", run, cli::each_pair, json_pair);
  w.end_object();
  w.finish();
}

}  // namespace toval::tools::export_
