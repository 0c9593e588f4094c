#include "tools/export/results_json.h"

#include "tools/cli/json_text.h"
#include "tools/export/results_entries.h"
#include "tools/export/results_json_sets.h"

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
  w.member("project", name_of(s.BL1.PRJT));
  w.member("client", name_of(s.BL1.CLIT));
  w.member("frame", name_of(s.BL1.PORT));
  w.end_object();
}

void json_cases(cli::JsonWriter& w, const Store& s, const RunCounts& c) {
  w.key("cases");
  w.begin_array();
  for (Whole J = 1; J <= c.NCCAR; ++J) w.value(name_of(s.BL4.CCAR(J)));
  w.end_array();
}

void json_combinations(cli::JsonWriter& w, const Store& s, const cli::RunLabels& labels) {
  w.key("combinations");
  w.begin_array();
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    w.begin_object();
    w.member("combination", I);
    const cli::CombinationLabel& label = labels.combination(I);
    w.member("name", label.name);
    w.key("set");
    if (label.set)
      w.value(cli::set_key(*label.set));
    else
      w.null();
    w.key("terms");
    w.begin_array();
    for (Whole J = 1; J <= s.BL5.NCASO(I); ++J) {
      w.begin_object();
      w.member("multiplier", s.BL5.MULT(I, J));
      w.member("case", name_of(s.BL5.CASO(I, J)));
      w.end_object();
    }
    w.end_array();
    w.end_object();
  }
  w.end_array();
}

void json_characteristic_nodes(cli::JsonWriter& w, const Store& s) {
  const DisplacementNodes& n = s.BL7;
  w.key("characteristic_nodes");
  w.begin_object();
  const std::pair<const char*, Whole> nodes[] = {
      {"left", n.NO_E}, {"axis", n.NO_C}, {"axis_left", n.NO_CE}, {"axis_right", n.NO_CD}, {"right", n.NO_D}};
  for (const auto& [key, node] : nodes) {
    w.key(key);
    whole_or_null(w, node);
  }
  w.end_object();
}

void json_node(cli::JsonWriter& w, const NodeEntry& n) {
  w.begin_object();
  w.member("node", n.node);
  w.member("x", n.x);
  w.member("y", n.y);
  w.key("restraints");
  array(w, n.restraints);
  w.end_object();
}

void json_bar(cli::JsonWriter& w, const BarEntry& b) {
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

void json_case_displacements(cli::JsonWriter& w, const CaseDisplacements& d) {
  w.begin_object();
  w.member("case", d.case_name);
  for (std::size_t i = 0; i < PLACES.size(); ++i) {
    w.key(PLACES[i]);
    array(w, d.places[i]);
  }
  w.end_object();
}

void json_combined_displacements(cli::JsonWriter& w, const CombinedDisplacements& d) {
  w.begin_object();
  w.member("combination", d.combination);
  for (std::size_t i = 0; i < PLACES.size(); ++i) {
    w.key(PLACES[i]);
    if (d.places)
      array(w, (*d.places)[i]);
    else
      w.null();
  }
  w.key("missing_cases");
  names(w, d.missing_cases);
  w.end_object();
}

void json_supports(cli::JsonWriter& w, const std::vector<Support>& list) {
  w.begin_array();
  for (const Support& s : list) {
    w.begin_object();
    w.member("node", s.node);
    w.key("reactions");
    array(w, s.reactions);
    w.end_object();
  }
  w.end_array();
}

void json_case_reactions(cli::JsonWriter& w, const CaseReactions& r) {
  w.begin_object();
  w.member("case", r.case_name);
  w.key("supports");
  json_supports(w, r.supports);
  w.end_object();
}

void json_combined_reactions(cli::JsonWriter& w, const CombinedReactions& r) {
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

void json_bar_force(cli::JsonWriter& w, const BarForceEntry& f) {
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

void json_envelope(cli::JsonWriter& w, const EnvelopeEntry& e) {
  json_bar_envelope(w, e.bar, {e.N, e.V, e.M});
}

void json_pair(cli::JsonWriter& w, const PairEntry& p) {
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
  w.member("version", std::int64_t{2});
  json_titles(w, s);
  w.member("axis", c.XS);
  list<NodeEntry>(w, "nodes", run, each_node, json_node);
  list<BarEntry>(w, "bars", run, each_bar, json_bar);
  json_cases(w, s, c);
  json_case_descriptions(w, run);
  json_combinations(w, s, run.labels());
  json_sets(w, run);
  json_characteristic_nodes(w, s);
  list<CaseDisplacements>(w, "displacements", run, each_case_displacements, json_case_displacements);
  list<CombinedDisplacements>(w, "combined_displacements", run, each_combined_displacements,
                              json_combined_displacements);
  list<CaseReactions>(w, "reactions", run, each_case_reactions, json_case_reactions);
  list<CombinedReactions>(w, "combined_reactions", run, each_combined_reactions, json_combined_reactions);
  json_reaction_envelope(w, run);
  list<BarForceEntry>(w, "bar_forces", run, each_bar_force, json_bar_force);
  list<EnvelopeEntry>(w, "envelope", run, each_envelope, json_envelope);
  list<PairEntry>(w, "pairs", run, each_pair, json_pair);
  json_set_envelopes(w, run);
  w.end_object();
  w.finish();
}

}  // namespace toval::tools::export_
