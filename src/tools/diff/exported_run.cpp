#include "tools/diff/exported_run.h"

#include <algorithm>

#include "records/run_error.h"
#include "tools/cli/export_keys.h"

namespace toval::tools::diff {

namespace {

using Json = nlohmann::ordered_json;

namespace keys = cli::keys;
// Version 2 adds the sets, the names and the envelopes by set.
constexpr long long OLDEST_VERSION = 1, NEWEST_VERSION = 2;

// Reads the document part by part; the first thing it cannot take ends
// the run with a message that names the part ("bars[2].length").
class Reader {
 public:
  explicit Reader(const std::string& source) : source_(source) {}

  [[noreturn]] void fail(const std::string& where, const std::string& what) const {
    throw RunError("toval-tools diff: " + source_ +
                   " is not an export of toval-tools: " + (where.empty() ? "" : where + " ") + what + "\n");
  }

  const Json& member(const Json& object, const char* key, const std::string& where) const {
    if (!object.is_object()) fail(where, "is not an object");
    const auto it = object.find(key);
    if (it == object.end())
      fail(where.empty() ? std::string("the document") : where, std::string("has no \"") + key + "\"");
    return *it;
  }

  const Json& list(const Json& object, const char* key, const std::string& where) const {
    const Json& v = member(object, key, where);
    if (!v.is_array()) fail(path(where, key), "is not a list");
    return v;
  }

  double number(const Json& v, const std::string& where) const {
    if (!v.is_number()) fail(where, "is not a number");
    return v.get<double>();
  }
  double number(const Json& object, const char* key, const std::string& where) const {
    return number(member(object, key, where), path(where, key));
  }

  long long whole(const Json& v, const std::string& where) const {
    if (!v.is_number_integer()) fail(where, "is not a whole number");
    return v.get<long long>();
  }
  long long whole(const Json& object, const char* key, const std::string& where) const {
    return whole(member(object, key, where), path(where, key));
  }

  std::string text(const Json& v, const std::string& where) const {
    if (!v.is_string()) fail(where, "is not a string");
    return v.get<std::string>();
  }

  // A list of exactly `n` numbers.
  template <std::size_t N>
  std::array<double, N> numbers(const Json& v, const std::string& where) const {
    if (!v.is_array() || v.size() != N) fail(where, "is not a list of " + std::to_string(N) + " numbers");
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) values[i] = number(v[i], item(where, i));
    return values;
  }

  // An entry keyed by number: a number given twice is refused.
  template <class Map>
  auto& entry(Map& map, long long key, const std::string& where) const {
    auto [it, added] = map.try_emplace(key);
    if (!added) fail(where, "repeats the number " + std::to_string(key));
    return it->second;
  }

  static std::string path(const std::string& where, const char* key) {
    return where.empty() ? key : where + "." + key;
  }
  static std::string item(const std::string& where, std::size_t i) {
    return where + "[" + std::to_string(i) + "]";
  }

 private:
  const std::string& source_;
};

std::string quoted_key(const char* key) {
  return "\"" + std::string(key) + "\"";
}

// A value shown in a message, cut when long.
std::string shown(const Json& v) {
  const std::string text = v.dump();
  return text.size() > 40 ? text.substr(0, 40) + "..." : text;
}

void read_nodes(const Reader& r, const Json& doc, ExportedRun& run) {
  const Json& list = r.list(doc, keys::NODES, "");
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string at = Reader::item(keys::NODES, i);
    ExportedNode& n = r.entry(run.nodes, r.whole(list[i], keys::NODE, at), at);
    n.x = r.number(list[i], keys::X, at);
    n.y = r.number(list[i], keys::Y, at);
    const Json& codes = r.member(list[i], keys::RESTRAINTS, at);
    if (!codes.is_array() || codes.size() != 3)
      r.fail(Reader::path(at, keys::RESTRAINTS), "is not a list of 3 codes");
    for (std::size_t k = 0; k < 3; ++k)
      n.restraints[k] = r.whole(codes[k], Reader::item(Reader::path(at, keys::RESTRAINTS), k));
    n.entry = list[i];
  }
}

void read_bars(const Reader& r, const Json& doc, ExportedRun& run) {
  const Json& list = r.list(doc, keys::BARS, "");
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string at = Reader::item(keys::BARS, i);
    ExportedBar& b = r.entry(run.bars, r.whole(list[i], keys::BAR, at), at);
    b.start = r.whole(list[i], keys::START, at);
    b.end = r.whole(list[i], keys::END, at);
    b.property = r.whole(list[i], keys::PROPERTY, at);
    b.length = r.number(list[i], keys::LENGTH, at);
    b.entry = list[i];
  }
}

// A version-2 combination's set (a key or null) and name; a version-1
// combination has neither.
void read_set_and_name(const Reader& r, const Json& entry, const std::string& at, ExportedCombination& c) {
  if (entry.contains("name")) c.name = r.text(entry["name"], at + ".name");
  if (entry.contains("set") && !entry["set"].is_null()) {
    c.set = r.text(entry["set"], at + ".set");
    if (c.set.empty()) r.fail(at + ".set", "is empty");
  }
}

void read_cases_and_combinations(const Reader& r, const Json& doc, ExportedRun& run) {
  const Json& cases = r.list(doc, keys::CASES, "");
  for (std::size_t i = 0; i < cases.size(); ++i) {
    std::string name = r.text(cases[i], Reader::item(keys::CASES, i));
    // A name listed twice is one case: the run reads the first.
    if (std::find(run.cases.begin(), run.cases.end(), name) == run.cases.end())
      run.cases.push_back(std::move(name));
  }
  const Json& list = r.list(doc, keys::COMBINATIONS, "");
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string at = Reader::item(keys::COMBINATIONS, i);
    ExportedCombination& c = r.entry(run.combinations, r.whole(list[i], keys::COMBINATION, at), at);
    const Json& terms = r.list(list[i], keys::TERMS, at);
    for (std::size_t j = 0; j < terms.size(); ++j) {
      const std::string term_at = Reader::item(Reader::path(at, keys::TERMS), j);
      c.terms.push_back({r.number(terms[j], keys::MULTIPLIER, term_at),
                         r.text(r.member(terms[j], keys::CASE, term_at), Reader::path(term_at, keys::CASE))});
    }
    read_set_and_name(r, list[i], at, c);
    c.entry = list[i];
  }
}

void read_symmetry(const Reader& r, const Json& doc, ExportedRun& run) {
  run.axis = r.number(doc, keys::AXIS, "");
  run.characteristic_nodes = r.member(doc, keys::CHARACTERISTIC_NODES, "");
  if (!run.characteristic_nodes.is_object()) r.fail(keys::CHARACTERISTIC_NODES, "is not an object");
  const Json& pairs = r.list(doc, keys::PAIRS, "");
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const std::string at = Reader::item(keys::PAIRS, i);
    const Json& bars = r.member(pairs[i], keys::BARS, at);
    const std::string bars_at = Reader::path(at, keys::BARS);
    if (!bars.is_array() || bars.size() != 2) r.fail(bars_at, "is not a list of 2 bars");
    run.pairs.push_back(
        {r.whole(bars[0], Reader::item(bars_at, 0)), r.whole(bars[1], Reader::item(bars_at, 1))});
  }
}

void read_combined_values(const Reader& r, const Json& doc, ExportedRun& run) {
  const Json& reactions = r.list(doc, keys::COMBINED_REACTIONS, "");
  for (std::size_t i = 0; i < reactions.size(); ++i) {
    const std::string at = Reader::item(keys::COMBINED_REACTIONS, i);
    auto& entry = r.entry(run.combined_reactions, r.whole(reactions[i], keys::COMBINATION, at), at);
    const Json& supports = r.member(reactions[i], keys::SUPPORTS, at);
    if (supports.is_null()) continue;  // missing cases
    if (!supports.is_array()) r.fail(Reader::path(at, keys::SUPPORTS), "is neither a list nor null");
    entry.emplace();
    for (std::size_t k = 0; k < supports.size(); ++k) {
      const std::string support_at = Reader::item(Reader::path(at, keys::SUPPORTS), k);
      ValueTriple& values = r.entry(*entry, r.whole(supports[k], keys::NODE, support_at), support_at);
      values = r.numbers<3>(r.member(supports[k], keys::REACTIONS, support_at),
                            Reader::path(support_at, keys::REACTIONS));
    }
  }
  const Json& displacements = r.list(doc, keys::COMBINED_DISPLACEMENTS, "");
  for (std::size_t i = 0; i < displacements.size(); ++i) {
    const std::string at = Reader::item(keys::COMBINED_DISPLACEMENTS, i);
    auto& entry = r.entry(run.combined_displacements, r.whole(displacements[i], keys::COMBINATION, at), at);
    std::size_t p = 0;
    for (const char* place : keys::PLACES) {
      const Json& v = r.member(displacements[i], place, at);
      if (!v.is_null()) entry[p] = r.numbers<3>(v, Reader::path(at, place));
      ++p;
    }
  }
}

Extreme read_extreme(const Reader& r, const Json& v, const std::string& at) {
  return {r.number(v, keys::MAX, at), r.number(v, keys::MIN, at), r.whole(v, keys::MAX_COMBINATION, at),
          r.whole(v, keys::MIN_COMBINATION, at)};
}

// N, V at both ends, M at both ends of one combination and bar.
std::array<double, 5> bar_values(const Reader& r, const Json& entry, const std::string& at) {
  const auto v = r.numbers<2>(r.member(entry, keys::SHEAR, at), Reader::path(at, keys::SHEAR));
  const auto m = r.numbers<2>(r.member(entry, keys::MOMENT, at), Reader::path(at, keys::MOMENT));
  return {r.number(entry, keys::NORMAL, at), v[0], v[1], m[0], m[1]};
}

void read_envelope(const Reader& r, const Json& list, const std::string& where,
                   std::map<long long, BarEnvelope>& out) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string at = Reader::item(where, i);
    BarEnvelope& e = r.entry(out, r.whole(list[i], keys::BAR, at), at);
    e[0] = read_extreme(r, r.member(list[i], keys::NORMAL, at), Reader::path(at, keys::NORMAL));
    std::size_t q = 1;
    for (const char* force : {keys::SHEAR, keys::MOMENT}) {
      const Json& ends = r.member(list[i], force, at);
      if (!ends.is_array() || ends.size() != 2) r.fail(Reader::path(at, force), "is not a list of 2 ends");
      for (std::size_t end = 0; end < 2; ++end)
        e[q++] = read_extreme(r, ends[end], Reader::item(Reader::path(at, force), end));
    }
  }
}

void read_bar_results(const Reader& r, const Json& doc, ExportedRun& run) {
  const Json& forces = r.list(doc, keys::BAR_FORCES, "");
  for (std::size_t i = 0; i < forces.size(); ++i) {
    const std::string at = Reader::item(keys::BAR_FORCES, i);
    const Json& bending = r.member(forces[i], keys::BENDING, at);
    if (!bending.is_boolean()) r.fail(Reader::path(at, keys::BENDING), "is not true or false");
    const std::pair<long long, long long> key{r.whole(forces[i], keys::COMBINATION, at),
                                              r.whole(forces[i], keys::BAR, at)};
    if (!run.bending.emplace(key, bending.get<bool>()).second) r.fail(at, "repeats its combination and bar");
    run.bar_values[key] = bar_values(r, forces[i], at);
  }
  read_envelope(r, r.list(doc, keys::ENVELOPE, ""), keys::ENVELOPE, run.envelope);
}

// A list that a version-1 export lacks: null when it is not there.
const Json* optional_list(const Reader& r, const Json& object, const char* key, const std::string& where) {
  if (!object.contains(key)) return nullptr;
  return &r.list(object, key, where);
}

// Per node, three components under `components`: a support's "reactions"
// or a node's displacements "d".
void read_component_envelope(const Reader& r, const Json& list, const std::string& where,
                             const char* components, std::map<long long, SupportEnvelope>& out) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string at = Reader::item(where, i);
    SupportEnvelope& e = r.entry(out, r.whole(list[i], keys::NODE, at), at);
    const std::string values_at = Reader::path(at, components);
    const Json& values = r.member(list[i], components, at);
    if (!values.is_array() || values.size() != 3) r.fail(values_at, "is not a list of 3 components");
    for (std::size_t k = 0; k < 3; ++k)
      if (!values[k].is_null())  // null: every combination lacks a case
        e[k] = read_extreme(r, values[k], Reader::item(values_at, k));
  }
}

void read_reaction_envelope(const Reader& r, const Json& list, const std::string& where,
                            std::map<long long, SupportEnvelope>& out) {
  read_component_envelope(r, list, where, keys::REACTIONS, out);
}

// The characteristic nodes' envelope: one entry per place, in the order of
// the places; an empty list gives none (absent, as a document without it).
void read_displacement_envelope(const Reader& r, const Json& list, const std::string& where,
                                std::array<NodeEnvelope, 3>& out) {
  if (list.empty()) return;
  if (list.size() != keys::PLACES.size()) r.fail(where, "is not a list of 3 places");
  for (std::size_t p = 0; p < keys::PLACES.size(); ++p) {
    const std::string at = Reader::item(where, p);
    const Json& place = r.member(list[p], keys::PLACE, at);
    if (!place.is_string() || place.get<std::string>() != keys::PLACES[p])
      r.fail(Reader::path(at, keys::PLACE), std::string("is not \"") + keys::PLACES[p] + "\"");
    const std::string values_at = Reader::path(at, keys::DISPLACEMENTS);
    const Json& values = r.member(list[p], keys::DISPLACEMENTS, at);
    if (!values.is_array() || values.size() != 3) r.fail(values_at, "is not a list of 3 components");
    for (std::size_t k = 0; k < 3; ++k)
      if (!values[k].is_null()) out[p][k] = read_extreme(r, values[k], Reader::item(values_at, k));
  }
}

// Every node's displacements per combination, as combined reactions are read.
void read_combined_node_displacements(const Reader& r, const Json& list, CombinedNodeValues& out) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string at = Reader::item(keys::COMBINED_NODE_DISPLACEMENTS, i);
    auto& entry = r.entry(out, r.whole(list[i], keys::COMBINATION, at), at);
    const Json& nodes = r.member(list[i], keys::NODES, at);
    if (nodes.is_null()) continue;  // missing cases
    if (!nodes.is_array()) r.fail(Reader::path(at, keys::NODES), "is neither a list nor null");
    NodeValues& values = entry.emplace();
    values.reserve(nodes.size());
    for (std::size_t k = 0; k < nodes.size(); ++k) {
      const std::string node_at = Reader::item(Reader::path(at, keys::NODES), k);
      values.emplace_back(r.whole(nodes[k], keys::NODE, node_at),
                          r.numbers<3>(r.member(nodes[k], keys::D, node_at), Reader::path(node_at, keys::D)));
    }
    // The export lists them in order; another document may not.
    std::stable_sort(values.begin(), values.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto twice = std::adjacent_find(values.begin(), values.end(),
                                          [](const auto& a, const auto& b) { return a.first == b.first; });
    if (twice != values.end())
      r.fail(Reader::path(at, keys::NODES), "repeats the number " + std::to_string(twice->first));
  }
}

// Every node's displacements: lists that exports before them lack.
void read_node_displacements(const Reader& r, const Json& doc, ExportedRun& run) {
  if (const Json* list = optional_list(r, doc, keys::COMBINED_NODE_DISPLACEMENTS, ""))
    read_combined_node_displacements(r, *list, run.combined_node_displacements);
  if (const Json* list = optional_list(r, doc, keys::NODE_DISPLACEMENT_ENVELOPE, ""))
    read_component_envelope(r, *list, keys::NODE_DISPLACEMENT_ENVELOPE, keys::D,
                            run.node_displacement_envelope);
}

void read_set_envelopes(const Reader& r, const Json& doc, ExportedRun& run) {
  if (const Json* list = optional_list(r, doc, "reaction_envelope", ""))
    read_reaction_envelope(r, *list, "reaction_envelope", run.reaction_envelope);
  const Json* sets = optional_list(r, doc, "set_envelopes", "");
  if (sets == nullptr) return;
  for (std::size_t i = 0; i < sets->size(); ++i) {
    const std::string at = Reader::item("set_envelopes", i);
    SetEnvelopes& s = run.set_envelopes.emplace_back();
    const Json& key = r.member((*sets)[i], "set", at);
    if (!key.is_null()) s.set = r.text(key, at + ".set");  // null: the combinations in no set
    for (std::size_t j = 0; j + 1 < run.set_envelopes.size(); ++j)
      if (run.set_envelopes[j].set == s.set) r.fail(at, "repeats the set " + s.set);
    read_envelope(r, r.list((*sets)[i], "envelope", at), at + ".envelope", s.envelope);
    read_reaction_envelope(r, r.list((*sets)[i], "reaction_envelope", at), at + ".reaction_envelope",
                           s.reaction_envelope);
    if (const Json* list = optional_list(r, (*sets)[i], keys::DISPLACEMENT_ENVELOPE, at))
      read_displacement_envelope(r, *list, Reader::path(at, keys::DISPLACEMENT_ENVELOPE),
                                 s.displacement_envelope);
    if (const Json* list = optional_list(r, (*sets)[i], keys::NODE_DISPLACEMENT_ENVELOPE, at))
      read_component_envelope(r, *list, Reader::path(at, keys::NODE_DISPLACEMENT_ENVELOPE), keys::D,
                              s.node_displacement_envelope);
  }
}

}  // namespace

const ValueTriple* find_node(const NodeValues& values, long long node) {
  const auto it = std::lower_bound(values.begin(), values.end(), node,
                                   [](const auto& entry, long long number) { return entry.first < number; });
  return it != values.end() && it->first == node ? &it->second : nullptr;
}

ExportedRun read_exported_run(std::string_view text, const std::string& source) {
  const Reader r(source);
  const Json doc = Json::parse(text, nullptr, false);
  if (doc.is_discarded()) r.fail("", "its text is not JSON");
  if (!doc.is_object()) r.fail("the document", "is not an object");
  const Json& format = r.member(doc, keys::FORMAT, "");
  if (!format.is_string() || format.get<std::string>() != keys::EXPORT_FORMAT)
    r.fail(quoted_key(keys::FORMAT), "is " + shown(format) + ", not " + quoted_key(keys::EXPORT_FORMAT));
  const Json& version = r.member(doc, keys::VERSION, "");
  if (!version.is_number_integer() || version.get<long long>() < OLDEST_VERSION ||
      version.get<long long>() > NEWEST_VERSION)
    r.fail(quoted_key(keys::VERSION), "is " + shown(version) + "; this diff reads versions " +
                                          std::to_string(OLDEST_VERSION) + " to " +
                                          std::to_string(NEWEST_VERSION));
  ExportedRun run;
  read_nodes(r, doc, run);
  read_bars(r, doc, run);
  read_cases_and_combinations(r, doc, run);
  read_symmetry(r, doc, run);
  read_combined_values(r, doc, run);
  read_bar_results(r, doc, run);
  read_set_envelopes(r, doc, run);
  read_node_displacements(r, doc, run);
  return run;
}

}  // namespace toval::tools::diff
