#include <charconv>

#include "tools/cli/export_keys.h"
#include "tools/cli/json_text.h"
#include "tools/diff/diff_output.h"

namespace toval::tools::diff {

namespace {

using Json = nlohmann::ordered_json;

Json change_entry(const ResultChange& c) {
  switch (c.table) {
    case ResultTable::envelope:
      return {{"table", "envelope"},
              {"bar", c.bar},
              {"quantity", ENVELOPE_QUANTITIES[c.quantity]},
              {"bound", c.bound == 0 ? "max" : "min"},
              {"old", c.old_value},
              {"new", c.new_value},
              {"old_combination", c.old_combination},
              {"new_combination", c.new_combination}};
    case ResultTable::combined_reactions:
      return {{"table", "combined_reactions"}, {"combination", c.combination}, {"node", c.node},
              {"component", c.quantity},       {"old", c.old_value},           {"new", c.new_value}};
    case ResultTable::combined_displacements:
      return {{"table", "combined_displacements"},
              {"combination", c.combination},
              {"node", cli::keys::PLACES[static_cast<std::size_t>(c.place)]},
              {"component", c.quantity},
              {"old", c.old_value},
              {"new", c.new_value}};
    case ResultTable::bending:
      return {{"table", "bending"},
              {"combination", c.combination},
              {"bar", c.bar},
              {"old", c.old_flag},
              {"new", c.new_flag}};
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
