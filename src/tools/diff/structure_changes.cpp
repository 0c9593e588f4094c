#include <algorithm>
#include <set>

#include "tools/diff/changes.h"

namespace toval::tools::diff {

namespace {

using Json = nlohmann::ordered_json;

// Things keyed by number: added, removed, or changed where `same` says so;
// the entries are the exports' own.
template <class Entry, class Same>
void numbered_changes(const char* what, const std::map<long long, Entry>& old_map,
                      const std::map<long long, Entry>& new_map, Same same,
                      std::vector<StructureChange>& out) {
  std::set<long long> keys;
  for (const auto& [key, entry] : old_map) keys.insert(key);
  for (const auto& [key, entry] : new_map) keys.insert(key);
  for (long long key : keys) {
    const auto o = old_map.find(key);
    const auto n = new_map.find(key);
    const bool in_old = o != old_map.end(), in_new = n != new_map.end();
    if (in_old && in_new && same(o->second, n->second)) continue;
    out.push_back(
        {what, key, in_old ? o->second.entry : Json(nullptr), in_new ? n->second.entry : Json(nullptr)});
  }
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Combinations by what they are: one on one side only is added or
// removed; a matched pair is changed only when its terms differ (a new
// number or name alone is no change). A change is keyed by the new number.
void combination_changes(const ExportedRun& o, const ExportedRun& n, const CombinationMatch& match,
                         std::vector<StructureChange>& out) {
  for (const auto& [number, c] : o.combinations) {
    const std::optional<long long> other = match.new_number(number);
    if (!other) {
      out.push_back({"combination", number, c.entry, nullptr});
      continue;
    }
    const ExportedCombination& d = n.combinations.at(*other);
    if (!same_terms(c, d)) out.push_back({"combination", *other, c.entry, d.entry});
  }
  for (const auto& [number, c] : n.combinations)
    if (!match.old_of.count(number)) out.push_back({"combination", number, nullptr, c.entry});
}

Json pair_list(const std::vector<std::array<long long, 2>>& pairs) {
  Json list = Json::array();
  for (const auto& p : pairs) list.push_back({p[0], p[1]});
  return list;
}

}  // namespace

std::vector<StructureChange> structure_changes(const ExportedRun& o, const ExportedRun& n,
                                               const CombinationMatch& match) {
  std::vector<StructureChange> out;
  numbered_changes(
      "node", o.nodes, n.nodes,
      [](const ExportedNode& a, const ExportedNode& b) {
        return a.x == b.x && a.y == b.y && a.restraints == b.restraints;
      },
      out);
  // A bar's cosine follows from its nodes, and its mirror bar is told by
  // the pairs.
  numbered_changes(
      "bar", o.bars, n.bars,
      [](const ExportedBar& a, const ExportedBar& b) {
        return a.start == b.start && a.end == b.end && a.property == b.property && a.length == b.length;
      },
      out);
  for (const std::string& name : o.cases)
    if (!contains(n.cases, name)) out.push_back({"case", name, name, nullptr});
  for (const std::string& name : n.cases)
    if (!contains(o.cases, name)) out.push_back({"case", name, nullptr, name});
  combination_changes(o, n, match, out);
  if (o.axis != n.axis) out.push_back({"axis", nullptr, o.axis, n.axis});
  if (o.pairs != n.pairs) out.push_back({"pairs", nullptr, pair_list(o.pairs), pair_list(n.pairs)});
  if (o.characteristic_nodes != n.characteristic_nodes)
    out.push_back({"characteristic_nodes", nullptr, o.characteristic_nodes, n.characteristic_nodes});
  return out;
}

}  // namespace toval::tools::diff
