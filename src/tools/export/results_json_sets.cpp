#include "tools/export/results_json_sets.h"

#include "tools/cli/export_keys.h"
#include "tools/cli/results_entries.h"

namespace toval::tools::export_ {

namespace {

void json_components(cli::JsonWriter& w, const cli::ComponentExtremes& components) {
  w.begin_array();
  for (const cli::MaybeExtremes& e : components) json_extreme(w, e);
  w.end_array();
}

// Per support, in the order of the supports.
void json_supports_envelope(cli::JsonWriter& w, const Store& s,
                            const std::vector<cli::ComponentExtremes>& supports) {
  w.begin_array();
  for (std::size_t n = 0; n < supports.size(); ++n) {
    w.begin_object();
    w.member("node", s.BL11.NO_RES(static_cast<Whole>(n + 1)));
    w.key("reactions");
    json_components(w, supports[n]);
    w.end_object();
  }
  w.end_array();
}

void json_displacement_envelope(cli::JsonWriter& w, const Store& s, const cli::SetEnvelope& e) {
  const Whole nodes[] = {s.BL7.NO_E, s.BL7.NO_C, s.BL7.NO_D};
  w.begin_array();
  for (std::size_t place = 0; place < cli::keys::PLACES.size(); ++place) {
    w.begin_object();
    w.member(cli::keys::PLACE, cli::keys::PLACES[place]);
    w.key("node");
    if (nodes[place] != 0)
      w.value(nodes[place]);
    else
      w.null();
    w.key("displacements");
    json_components(w, e.displacements[place]);
    w.end_object();
  }
  w.end_array();
}

}  // namespace

void json_bar_envelope(cli::JsonWriter& w, Whole bar, const cli::BarEnvelope& e) {
  w.begin_object();
  w.member("bar", bar);
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

void json_extreme(cli::JsonWriter& w, const Extremes& e) {
  w.begin_object();
  w.member("max", e.max);
  w.member("max_combination", e.max_combination);
  w.member("min", e.min);
  w.member("min_combination", e.min_combination);
  w.end_object();
}

void json_extreme(cli::JsonWriter& w, const std::optional<Extremes>& e) {
  if (e)
    json_extreme(w, *e);
  else
    w.null();
}

void json_case_descriptions(cli::JsonWriter& w, const cli::LoadedRun& run) {
  w.key("case_descriptions");
  w.begin_array();
  for (Whole P = 1; P <= run.counts().NCCAR; ++P) {
    w.begin_object();
    w.member("case", cli::name_of(run.store().BL4.CCAR(P)));
    w.member("description", run.labels().description(P));
    w.end_object();
  }
  w.end_array();
}

void json_sets(cli::JsonWriter& w, const cli::LoadedRun& run) {
  w.key("sets");
  w.begin_array();
  for (const cli::SetMembers& m : run.labels().sets) {
    w.begin_object();
    w.member("set", cli::set_key(m.set));
    w.key("combinations");
    w.begin_array();
    for (Whole I : m.combinations) w.value(I);
    w.end_array();
    w.end_object();
  }
  w.end_array();
}

void json_reaction_envelope(cli::JsonWriter& w, const cli::LoadedRun& run) {
  w.key("reaction_envelope");
  json_supports_envelope(w, run.store(), run.envelopes().reactions);
}

void json_node_envelope(cli::JsonWriter& w, const std::vector<cli::NodeExtremes>& envelope) {
  w.begin_array();
  for (std::size_t k = 0; k < envelope.size(); ++k) {
    w.begin_object();
    w.member("node", static_cast<Whole>(k + 1));
    w.key("d");
    w.begin_array();
    for (const std::optional<Extremes>& e : envelope[k]) json_extreme(w, e);
    w.end_array();
    w.end_object();
  }
  w.end_array();
}

void json_set_envelopes(cli::JsonWriter& w, const cli::LoadedRun& run, const cli::NodeDisplacements& nodes) {
  w.key("set_envelopes");
  w.begin_array();
  for (const cli::SetEnvelope& e : run.envelopes().sets) {
    w.begin_object();
    w.member("set", cli::set_key(e.set));
    w.key("envelope");
    w.begin_array();
    for (std::size_t k = 0; k < e.bars.size(); ++k)
      json_bar_envelope(w, static_cast<Whole>(k + 1), e.bars[k]);
    w.end_array();
    w.key("reaction_envelope");
    json_supports_envelope(w, run.store(), e.reactions);
    w.key("displacement_envelope");
    json_displacement_envelope(w, run.store(), e);
    w.key("node_displacement_envelope");
    json_node_envelope(w, cli::node_displacement_envelope(run.store(), nodes, e.combinations));
    w.end_object();
  }
  w.end_array();
}

}  // namespace toval::tools::export_
