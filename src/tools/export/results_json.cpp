#include "tools/export/results_json.h"

#include "tools/cli/export_keys.h"
#include "tools/cli/json_text.h"
#include "tools/cli/results_entries.h"
#include "tools/export/results_json_sets.h"

namespace toval::tools::export_ {

namespace {

namespace keys = cli::keys;

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
  w.key(keys::TITLES);
  w.begin_object();
  w.member(keys::PROJECT, cli::name_of(s.BL1.PRJT));
  w.member(keys::CLIENT, cli::name_of(s.BL1.CLIT));
  w.member(keys::FRAME, cli::name_of(s.BL1.PORT));
  w.end_object();
}

void json_cases(cli::JsonWriter& w, const Store& s, const RunCounts& c) {
  w.key(keys::CASES);
  w.begin_array();
  for (Whole J = 1; J <= c.NCCAR; ++J) w.value(cli::name_of(s.BL4.CCAR(J)));
  w.end_array();
}

void json_combinations(cli::JsonWriter& w, const Store& s, const cli::RunLabels& labels) {
  w.key(keys::COMBINATIONS);
  w.begin_array();
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    w.begin_object();
    w.member(keys::COMBINATION, I);
    const cli::CombinationLabel& label = labels.combination(I);
    w.member(keys::NAME, label.name);
    w.key(keys::SET);
    if (label.set)
      w.value(cli::set_key(*label.set));
    else
      w.null();
    w.key(keys::TERMS);
    w.begin_array();
    for (Whole J = 1; J <= s.BL5.NCASO(I); ++J) {
      w.begin_object();
      w.member(keys::MULTIPLIER, s.BL5.MULT(I, J));
      w.member(keys::CASE, cli::name_of(s.BL5.CASO(I, J)));
      w.end_object();
    }
    w.end_array();
    w.end_object();
  }
  w.end_array();
}

void json_characteristic_nodes(cli::JsonWriter& w, const Store& s) {
  w.key(keys::CHARACTERISTIC_NODES);
  w.begin_object();
  for (const auto& [key, node] : cli::characteristic_nodes(s)) {
    w.key(key);
    whole_or_null(w, node);
  }
  w.end_object();
}

void json_node(cli::JsonWriter& w, const cli::NodeEntry& n) {
  w.begin_object();
  w.member(keys::NODE, n.node);
  w.member(keys::X, n.x);
  w.member(keys::Y, n.y);
  w.key(keys::RESTRAINTS);
  array(w, n.restraints);
  w.end_object();
}

void json_bar(cli::JsonWriter& w, const cli::BarEntry& b) {
  w.begin_object();
  w.member(keys::BAR, b.bar);
  w.member(keys::START, b.start);
  w.member(keys::END, b.end);
  w.member(keys::PROPERTY, b.property);
  w.member(keys::LENGTH, b.length);
  w.member(keys::COS, b.cos);
  w.key(keys::MIRROR);
  whole_or_null(w, b.mirror);
  w.end_object();
}

void json_case_displacements(cli::JsonWriter& w, const cli::CaseDisplacements& d) {
  w.begin_object();
  w.member(keys::CASE, d.case_name);
  for (std::size_t i = 0; i < keys::PLACES.size(); ++i) {
    w.key(keys::PLACES[i]);
    array(w, d.places[i]);
  }
  w.end_object();
}

void json_combined_displacements(cli::JsonWriter& w, const cli::CombinedDisplacements& d) {
  w.begin_object();
  w.member(keys::COMBINATION, d.combination);
  for (std::size_t i = 0; i < keys::PLACES.size(); ++i) {
    w.key(keys::PLACES[i]);
    if (d.places)
      array(w, (*d.places)[i]);
    else
      w.null();
  }
  w.key(keys::MISSING_CASES);
  names(w, d.missing_cases);
  w.end_object();
}

void json_supports(cli::JsonWriter& w, const std::vector<cli::Support>& list) {
  w.begin_array();
  for (const cli::Support& s : list) {
    w.begin_object();
    w.member(keys::NODE, s.node);
    w.key(keys::REACTIONS);
    array(w, s.reactions);
    w.end_object();
  }
  w.end_array();
}

void json_case_reactions(cli::JsonWriter& w, const cli::CaseReactions& r) {
  w.begin_object();
  w.member(keys::CASE, r.case_name);
  w.key(keys::SUPPORTS);
  json_supports(w, r.supports);
  w.end_object();
}

void json_combined_reactions(cli::JsonWriter& w, const cli::CombinedReactions& r) {
  w.begin_object();
  w.member(keys::COMBINATION, r.combination);
  w.key(keys::SUPPORTS);
  if (r.supports)
    json_supports(w, *r.supports);
  else
    w.null();
  w.key(keys::MISSING_CASES);
  names(w, r.missing_cases);
  w.end_object();
}

void json_bar_force(cli::JsonWriter& w, const cli::BarForceEntry& f) {
  w.begin_object();
  w.member(keys::COMBINATION, f.combination);
  w.member(keys::BAR, f.bar);
  w.member(keys::NORMAL, f.N);
  w.key(keys::SHEAR);
  array(w, f.V);
  w.key(keys::MOMENT);
  array(w, f.M);
  w.member(keys::BENDING, f.bending);
  w.end_object();
}

void json_envelope(cli::JsonWriter& w, const cli::EnvelopeEntry& e) {
  json_bar_envelope(w, e.bar, {e.N, e.V, e.M});
}

void json_pair(cli::JsonWriter& w, const cli::PairEntry& p) {
  w.begin_object();
  w.key(keys::BARS);
  array(w, p.bars);
  w.member(keys::MAX, p.max);
  w.member(keys::MAX_BAR, p.max_bar);
  w.member(keys::MAX_COMBINATION, p.max_combination);
  w.member(keys::MIN, p.min);
  w.member(keys::MIN_BAR, p.min_bar);
  w.member(keys::MIN_COMBINATION, p.min_combination);
  w.end_object();
}

void json_node_list(cli::JsonWriter& w, std::span<const cli::NodeTriple> nodes) {
  w.begin_array();
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    w.begin_object();
    w.member(keys::NODE, static_cast<Whole>(k + 1));
    w.key(keys::D);
    array(w, nodes[k]);
    w.end_object();
  }
  w.end_array();
}

void json_case_node_displacements(cli::JsonWriter& w, const cli::CaseNodeDisplacements& d) {
  w.begin_object();
  w.member(keys::CASE, d.case_name);
  w.key(keys::NODES);
  json_node_list(w, d.nodes);
  w.end_object();
}

void json_combined_node_displacements(cli::JsonWriter& w, const cli::CombinedNodeDisplacements& d) {
  w.begin_object();
  w.member(keys::COMBINATION, d.combination);
  w.key(keys::NODES);
  if (d.nodes)
    json_node_list(w, *d.nodes);
  else
    w.null();
  w.key(keys::MISSING_CASES);
  names(w, d.missing_cases);
  w.end_object();
}

void json_node_envelope_entry(cli::JsonWriter& w, const cli::NodeEnvelopeEntry& e) {
  w.begin_object();
  w.member(keys::NODE, e.node);
  w.key(keys::D);
  w.begin_array();
  for (const std::optional<Extremes>& x : e.d)
    if (x)
      json_extreme(w, *x);
    else
      w.null();
  w.end_array();
  w.end_object();
}

void json_case_bar_force(cli::JsonWriter& w, const cli::CaseBarForceEntry& f) {
  w.begin_object();
  w.member(keys::CASE, f.case_name);
  w.member(keys::BAR, f.bar);
  w.key(keys::NORMAL);
  array(w, f.N);
  w.key(keys::SHEAR);
  array(w, f.V);
  w.key(keys::MOMENT);
  array(w, f.M);
  w.end_object();
}

void json_units(cli::JsonWriter& w, const std::optional<cli::Units>& units) {
  w.key(keys::UNITS);
  w.begin_object();
  for (const auto& [key, name] : {std::pair{keys::FORCE, units ? &units->force : nullptr},
                                  std::pair{keys::LENGTH, units ? &units->length : nullptr}}) {
    w.key(key);
    if (name)
      w.value(std::string_view(*name));
    else
      w.null();
  }
  w.end_object();
}

// The lists of every node's displacements, and each case's bar forces read
// from the case blocks.
void json_listed_results(cli::JsonWriter& w, cli::LoadedRun& run, const cli::NodeDisplacements& d) {
  const auto with = [&](auto each) {
    return [&, each](const cli::LoadedRun& r, auto take) { each(r, d, take); };
  };
  list<cli::CaseNodeDisplacements>(w, keys::NODE_DISPLACEMENTS, run, with(cli::each_case_node_displacements),
                                   json_case_node_displacements);
  list<cli::CombinedNodeDisplacements>(w, keys::COMBINED_NODE_DISPLACEMENTS, run,
                                       with(cli::each_combined_node_displacements),
                                       json_combined_node_displacements);
  list<cli::NodeEnvelopeEntry>(w, keys::NODE_DISPLACEMENT_ENVELOPE, run, with(cli::each_node_envelope),
                               json_node_envelope_entry);
  list<cli::CaseBarForceEntry>(
      w, keys::CASE_BAR_FORCES, run,
      [&](const cli::LoadedRun&, auto take) { cli::each_case_bar_force(run, take); }, json_case_bar_force);
}

}  // namespace

void write_results_json(cli::LoadedRun& run, std::ostream& out, const std::optional<cli::Units>& units) {
  const Store& s = run.store();
  const RunCounts& c = run.counts();
  cli::JsonWriter w(out);
  w.begin_object();
  w.member(keys::FORMAT, keys::EXPORT_FORMAT);
  w.member(keys::VERSION, std::int64_t{keys::EXPORT_VERSION});
  json_titles(w, s);
  w.member(keys::AXIS, c.XS);
  list<cli::NodeEntry>(w, keys::NODES, run, cli::each_node, json_node);
  list<cli::BarEntry>(w, keys::BARS, run, cli::each_bar, json_bar);
  json_cases(w, s, c);
  json_case_descriptions(w, run);
  json_combinations(w, s, run.labels());
  json_sets(w, run);
  json_characteristic_nodes(w, s);
  list<cli::CaseDisplacements>(w, keys::DISPLACEMENTS, run, cli::each_case_displacements,
                               json_case_displacements);
  list<cli::CombinedDisplacements>(w, keys::COMBINED_DISPLACEMENTS, run, cli::each_combined_displacements,
                                   json_combined_displacements);
  list<cli::CaseReactions>(w, keys::REACTIONS, run, cli::each_case_reactions, json_case_reactions);
  list<cli::CombinedReactions>(w, keys::COMBINED_REACTIONS, run, cli::each_combined_reactions,
                               json_combined_reactions);
  json_reaction_envelope(w, run);
  list<cli::BarForceEntry>(w, keys::BAR_FORCES, run, cli::each_bar_force, json_bar_force);
  list<cli::EnvelopeEntry>(w, keys::ENVELOPE, run, cli::each_envelope, json_envelope);
  list<cli::PairEntry>(w, keys::PAIRS, run, cli::each_pair, json_pair);
  const cli::NodeDisplacements nodes(run.listing(), run.store(), run.counts());
  json_set_envelopes(w, run, nodes);
  json_listed_results(w, run, nodes);
  json_units(w, units);
  w.end_object();
  w.finish();
}

}  // namespace toval::tools::export_
