#include <charconv>

#include "tools/cli/export_keys.h"
#include "tools/cli/json_text.h"
#include "tools/diff/diff_output.h"

namespace toval::tools::diff {

namespace {

using Json = nlohmann::ordered_json;

Json set_key(const ResultChange& c) {
  return c.set.empty() ? Json(nullptr) : Json(c.set);
}

// An envelope's extreme: its key, the values and the governing combinations.
Json extreme_entry(const char* table, const ResultChange& c, Json key) {
  Json entry = {{"table", table}, {"set", set_key(c)}};
  for (auto it = key.begin(); it != key.end(); ++it) entry[it.key()] = *it;
  entry["bound"] = c.bound == 0 ? "max" : "min";
  entry["old"] = c.old_value;
  entry["new"] = c.new_value;
  entry["old_combination"] = c.old_combination;
  entry["new_combination"] = c.new_combination;
  entry["governing_changed"] = c.governing_changed;
  return entry;
}

// A combined value's entry: the combination by its new number, and by its
// old one where that differs.
Json combined_entry(const char* table, const ResultChange& c, Json rest) {
  Json entry = {{"table", table}, {"set", set_key(c)}, {"combination", c.combination}};
  if (c.old_combination != c.combination) entry["old_combination"] = c.old_combination;
  for (auto it = rest.begin(); it != rest.end(); ++it) entry[it.key()] = *it;
  return entry;
}

Json change_entry(const ResultChange& c) {
  switch (c.table) {
    case ResultTable::envelope:
      return extreme_entry("envelope", c, {{"bar", c.bar}, {"quantity", ENVELOPE_QUANTITIES[c.quantity]}});
    case ResultTable::reaction_envelope:
      return extreme_entry("reaction_envelope", c, {{"node", c.node}, {"component", c.quantity}});
    case ResultTable::displacement_envelope:
      return extreme_entry(
          "displacement_envelope", c,
          {{"node", cli::keys::PLACES[static_cast<std::size_t>(c.place)]}, {"component", c.quantity}});
    case ResultTable::node_displacement_envelope:
      return extreme_entry("node_displacement_envelope", c, {{"node", c.node}, {"component", c.quantity}});
    case ResultTable::combined_reactions:
      return combined_entry(
          "combined_reactions", c,
          {{"node", c.node}, {"component", c.quantity}, {"old", c.old_value}, {"new", c.new_value}});
    case ResultTable::combined_displacements:
      return combined_entry("combined_displacements", c,
                            {{"node", cli::keys::PLACES[static_cast<std::size_t>(c.place)]},
                             {"component", c.quantity},
                             {"old", c.old_value},
                             {"new", c.new_value}});
    case ResultTable::bending:
      return combined_entry("bending", c, {{"bar", c.bar}, {"old", c.old_flag}, {"new", c.new_flag}});
  }
  return nullptr;
}

}  // namespace

std::string tolerance_text(double rel) {
  char buf[32];
  const auto result = std::to_chars(buf, buf + sizeof buf, rel, std::chars_format::general);
  return std::string(buf, result.ptr);
}

std::string diff_json(const Changes& changes, double rel) {
  Json doc;
  doc["format"] = "toval-diff";
  doc["version"] = 1;
  // Written below in the digits of a double: the document's other reals are
  // 32-bit values and are written as such.
  doc["tolerance"] = nullptr;
  Json structure = Json::array();
  for (const StructureChange& s : changes.structure)
    structure.push_back({{"what", s.what}, {"key", s.key}, {"old", s.old_value}, {"new", s.new_value}});
  doc["structure"] = std::move(structure);
  Json list = Json::array();
  for (const ResultChange& c : changes.results) list.push_back(change_entry(c));
  doc["changes"] = std::move(list);
  std::string text = cli::json_text(doc);
  const std::string placeholder = "\"tolerance\": null";
  text.replace(text.find(placeholder), placeholder.size(), "\"tolerance\": " + tolerance_text(rel));
  return text;
}

}  // namespace toval::tools::diff
