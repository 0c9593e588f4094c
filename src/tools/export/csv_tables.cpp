#include "tools/export/csv_tables.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "tools/cli/exported_values.h"

namespace toval::tools {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view TABLES[] = {"nodes",     "bars",       "displacements", "combined_displacements",
                                       "reactions", "combined_reactions", "bar_forces", "envelope", "pairs"};

// A value as the JSON has it: reals (held as the double nearest their
// shortest 32-bit text) back in that text, null as an empty field.
std::string value_text(const Json& v) {
  if (v.is_null()) return {};
  if (v.is_boolean()) return v.get<bool>() ? "true" : "false";
  if (v.is_number_float()) return real_text(static_cast<Real>(v.get<double>()));
  if (v.is_number()) return std::to_string(v.get<long long>());
  if (v.is_string()) return v.get<std::string>();
  // A list of names (the missing cases), separated by ";".
  std::string joined;
  for (const Json& item : v) joined += (joined.empty() ? "" : ";") + value_text(item);
  return joined;
}

class Table {
 public:
  explicit Table(const std::vector<std::string>& header) { add_row(header); }

  void add(const std::vector<Json>& values) {
    std::vector<std::string> row;
    for (const Json& v : values) row.push_back(value_text(v));
    add_row(row);
  }
  std::string text() && { return std::move(text_); }

 private:
  void add_row(const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) text_ += (i > 0 ? "," : "") + csv_field(fields[i]);
    text_ += "\r\n";
  }
  std::string text_;
};

// Element i of a list, or null when the list itself is null.
Json at(const Json& list, std::size_t i) { return list.is_null() ? Json(nullptr) : list.at(i); }

std::vector<std::string> prefixed(std::string_view prefix, std::initializer_list<std::string_view> parts) {
  std::vector<std::string> names;
  for (std::string_view p : parts) names.push_back(std::string(prefix) + "_" + std::string(p));
  return names;
}

std::string nodes(const Json& doc) {
  Table t({"node", "x", "y", "restraint_1", "restraint_2", "restraint_3"});
  for (const Json& n : doc["nodes"])
    t.add({n["node"], n["x"], n["y"], n["restraints"][0], n["restraints"][1], n["restraints"][2]});
  return std::move(t).text();
}

std::string bars(const Json& doc) {
  Table t({"bar", "start", "end", "property", "length", "cos", "mirror"});
  for (const Json& b : doc["bars"]) t.add({b["bar"], b["start"], b["end"], b["property"], b["length"], b["cos"], b["mirror"]});
  return std::move(t).text();
}

constexpr const char* PLACES[] = {"left", "axis", "right"};

std::vector<std::string> displacement_header(const char* first, bool with_missing) {
  std::vector<std::string> h{first};
  for (const char* place : PLACES)
    for (const std::string& name : prefixed(place, {"dx", "dy", "dz"})) h.push_back(name);
  if (with_missing) h.push_back("missing_cases");
  return h;
}

std::string displacements(const Json& doc, const char* key, const char* first, bool combined) {
  Table t(displacement_header(first, combined));
  for (const Json& d : doc[key]) {
    std::vector<Json> row{d[first]};
    for (const char* place : PLACES)
      for (std::size_t i = 0; i < 3; ++i) row.push_back(at(d[place], i));
    if (combined) row.push_back(d["missing_cases"]);
    t.add(row);
  }
  return std::move(t).text();
}

std::string reactions(const Json& doc) {
  Table t({"case", "node", "reaction_1", "reaction_2", "reaction_3"});
  for (const Json& r : doc["reactions"])
    for (const Json& s : r["supports"]) t.add({r["case"], s["node"], s["reactions"][0], s["reactions"][1], s["reactions"][2]});
  return std::move(t).text();
}

// One row per combination and support; a combination with missing cases
// has one row of its own, with the cases named and the values empty.
std::string combined_reactions(const Json& doc) {
  Table t({"combination", "node", "reaction_1", "reaction_2", "reaction_3", "missing_cases"});
  for (const Json& r : doc["combined_reactions"]) {
    if (r["supports"].is_null()) {
      t.add({r["combination"], nullptr, nullptr, nullptr, nullptr, r["missing_cases"]});
      continue;
    }
    for (const Json& s : r["supports"])
      t.add({r["combination"], s["node"], s["reactions"][0], s["reactions"][1], s["reactions"][2], r["missing_cases"]});
  }
  return std::move(t).text();
}

std::string bar_forces(const Json& doc) {
  Table t({"combination", "bar", "N", "V_start", "V_end", "M_start", "M_end", "bending"});
  for (const Json& f : doc["bar_forces"])
    t.add({f["combination"], f["bar"], f["N"], f["V"][0], f["V"][1], f["M"][0], f["M"][1], f["bending"]});
  return std::move(t).text();
}

std::string envelope(const Json& doc) {
  std::vector<std::string> header{"bar"};
  const auto extreme_header = [&](const std::string& prefix) {
    for (const std::string& name : prefixed(prefix, {"max", "max_combination", "min", "min_combination"}))
      header.push_back(name);
  };
  extreme_header("N");
  for (const char* force : {"V", "M"})
    for (const char* end : {"start", "end"}) extreme_header(std::string(force) + "_" + end);
  Table t(header);
  for (const Json& e : doc["envelope"]) {
    std::vector<Json> row{e["bar"]};
    const auto add_extreme = [&](const Json& x) {
      for (const char* key : {"max", "max_combination", "min", "min_combination"}) row.push_back(x[key]);
    };
    add_extreme(e["N"]);
    for (const char* force : {"V", "M"})
      for (std::size_t end = 0; end < 2; ++end) add_extreme(e[force][end]);
    t.add(row);
  }
  return std::move(t).text();
}

std::string pairs(const Json& doc) {
  Table t({"lower_bar", "higher_bar", "max", "max_bar", "max_combination", "min", "min_bar", "min_combination"});
  for (const Json& p : doc["pairs"])
    t.add({p["bars"][0], p["bars"][1], p["max"], p["max_bar"], p["max_combination"], p["min"], p["min_bar"],
           p["min_combination"]});
  return std::move(t).text();
}

}  // namespace

std::span<const std::string_view> csv_table_names() { return TABLES; }

bool is_csv_table(std::string_view name) { return std::find(std::begin(TABLES), std::end(TABLES), name) != std::end(TABLES); }

std::string csv_field(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string csv_table(const Json& doc, std::string_view name) {
  if (name == "nodes") return nodes(doc);
  if (name == "bars") return bars(doc);
  if (name == "displacements") return displacements(doc, "displacements", "case", false);
  if (name == "combined_displacements") return displacements(doc, "combined_displacements", "combination", true);
  if (name == "reactions") return reactions(doc);
  if (name == "combined_reactions") return combined_reactions(doc);
  if (name == "bar_forces") return bar_forces(doc);
  if (name == "envelope") return envelope(doc);
  if (name == "pairs") return pairs(doc);
  throw std::invalid_argument("no export table is named " + std::string(name));
}

}  // namespace toval::tools
