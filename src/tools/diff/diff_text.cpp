#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "tools/cli/exported_values.h"
#include "tools/diff/diff_output.h"

namespace toval::tools::diff {

namespace {

using Json = nlohmann::ordered_json;

// A kind of numbered or named thing, with the words for its being added
// or removed (Portuguese gives them its gender).
struct Kind {
  const char* what;  // as in the document: "node"
  const char* name;
  const char* added;
  const char* removed;
};

struct Words {
  const char* title;
  const char* structure;
  const char* tables[4];
  const char *change, *changes;
  const char* nothing;
  const char* summary;
  const char* total;
  Kind kinds[4];
  const char *restraints, *bar_nodes, *property, *length, *no_terms;
  const char *axis, *pairs, *characteristic_nodes, *none;
  // Column heads: bar, force, bound, combination (short), node, component,
  // old, new, change, relative change, governing combination.
  const char *bar, *force, *bound, *comb, *node, *component, *old_value, *new_value, *difference, *relative,
      *governing;
  const char* places[3];
  const char *yes, *no;
  const char* from_zero;
};

constexpr Words PORTUGUESE{
    "COMPARACAO DE REVISOES - TOLERANCIA RELATIVA ",
    "ESTRUTURA",
    {"ENVOLTORIA DOS ESFORCOS", "REACOES COMBINADAS", "DESLOCAMENTOS COMBINADOS", "FLEXAO"},
    "alteracao",
    "alteracoes",
    "nenhuma alteracao alem da tolerancia",
    "RESUMO",
    "TOTAL",
    {{"node", "no", "acrescentado", "retirado"},
     {"bar", "barra", "acrescentada", "retirada"},
     {"case", "carregamento", "acrescentado", "retirado"},
     {"combination", "combinacao", "acrescentada", "retirada"}},
    "restricoes",
    "nos",
    "propriedade",
    "comprimento",
    "(sem termos)",
    "eixo de simetria",
    "pares simetricos",
    "nos caracteristicos",
    "nenhum",
    "barra",
    "esf.",
    "lim.",
    "comb.",
    "no",
    "comp.",
    "antes",
    "depois",
    "variacao",
    "var. %",
    "combinacao",
    {"esquerda", "eixo", "direita"},
    "sim",
    "nao",
    "de zero",
};

constexpr Words ENGLISH{
    "COMPARISON OF REVISIONS - RELATIVE TOLERANCE ",
    "STRUCTURE",
    {"ENVELOPE OF BAR FORCES", "COMBINED REACTIONS", "COMBINED DISPLACEMENTS", "BENDING"},
    "change",
    "changes",
    "no change beyond the tolerance",
    "SUMMARY",
    "TOTAL",
    {{"node", "node", "added", "removed"},
     {"bar", "bar", "added", "removed"},
     {"case", "case", "added", "removed"},
     {"combination", "combination", "added", "removed"}},
    "restraints",
    "nodes",
    "property",
    "length",
    "(no terms)",
    "symmetry axis",
    "mirror pairs",
    "characteristic nodes",
    "none",
    "bar",
    "force",
    "bound",
    "comb.",
    "node",
    "comp.",
    "old",
    "new",
    "change",
    "rel. %",
    "combination",
    {"left", "axis", "right"},
    "yes",
    "no",
    "from zero",
};

constexpr const char* BOUNDS[] = {"max", "min"};

// A value of an export entry as the export writes it.
std::string value_text(const Json& v) {
  if (v.is_number_float()) return cli::real_text(static_cast<Real>(v.get<double>()));
  if (v.is_number()) return std::to_string(v.get<long long>());
  if (v.is_string()) return v.get<std::string>();
  if (v.is_null()) return "-";
  return v.dump();
}

std::string value_text(double v) {
  return cli::real_text(static_cast<Real>(v));
}

std::string printed(const char* format, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

const Kind* kind_of(const Words& w, const std::string& what) {
  for (const Kind& k : w.kinds)
    if (what == k.what) return &k;
  return nullptr;
}

std::string restraints_text(const Json& node) {
  std::string text;
  for (const Json& code : node["restraints"]) text += (text.empty() ? "" : " ") + value_text(code);
  return text;
}

std::string terms_text(const Words& w, const Json& combination) {
  std::string text;
  for (const Json& term : combination["terms"])
    text += (text.empty() ? "" : " + ") + value_text(term["multiplier"]) + " " + value_text(term["case"]);
  return text.empty() ? w.no_terms : text;
}

// What an entry holds that diff compares, part by part: the parts told
// when an entry is added or removed, and those that changed otherwise.
std::vector<std::pair<std::string, std::string>> parts(const Words& w, const std::string& what,
                                                       const Json& e) {
  if (what == "node")
    return {{"x", value_text(e["x"])}, {"y", value_text(e["y"])}, {w.restraints, restraints_text(e)}};
  if (what == "bar")
    return {{w.bar_nodes, value_text(e["start"]) + "-" + value_text(e["end"])},
            {w.property, value_text(e["property"])},
            {w.length, value_text(e["length"])}};
  if (what == "combination") return {{"", terms_text(w, e)}};
  return {};
}

std::string joined_parts(const std::vector<std::pair<std::string, std::string>>& list) {
  std::string text;
  for (const auto& [name, value] : list)
    text += (text.empty() ? "" : ", ") + (name.empty() ? value : name + " " + value);
  return text;
}

std::string pairs_text(const Words& w, const Json& pairs) {
  std::string text;
  for (const Json& p : pairs) text += (text.empty() ? "" : " ") + value_text(p[0]) + "-" + value_text(p[1]);
  return text.empty() ? w.none : text;
}

std::string characteristic_text(const Words& w, const Json& nodes) {
  static constexpr std::pair<const char*, const char*> LETTERS[] = {
      {"left", "E"}, {"axis", "C"}, {"axis_left", "CE"}, {"axis_right", "CD"}, {"right", "D"}};
  std::string text;
  for (const auto& [key, letter] : LETTERS)
    if (nodes.contains(key) && !nodes[key].is_null())
      text += (text.empty() ? "" : " ") + std::string(letter) + " " + value_text(nodes[key]);
  return text.empty() ? w.none : text;
}

std::string structure_line(const Words& w, const StructureChange& s) {
  if (const Kind* k = kind_of(w, s.what)) {
    const std::string head = std::string("  ") + k->name + " " + value_text(s.key);
    if (s.old_value.is_null() || s.new_value.is_null()) {
      const Json& present = s.old_value.is_null() ? s.new_value : s.old_value;
      const std::string told = s.what == "case" ? "" : ": " + joined_parts(parts(w, s.what, present));
      return head + " " + (s.old_value.is_null() ? k->added : k->removed) + told + "\n";
    }
    const auto before = parts(w, s.what, s.old_value);
    const auto after = parts(w, s.what, s.new_value);
    std::vector<std::pair<std::string, std::string>> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
      if (before[i].second != after[i].second)
        changed.push_back({before[i].first, before[i].second + " -> " + after[i].second});
    return head + ": " + joined_parts(changed) + "\n";
  }
  if (s.what == "axis")
    return std::string("  ") + w.axis + ": x " + value_text(s.old_value) + " -> " + value_text(s.new_value) +
           "\n";
  if (s.what == "pairs")
    return std::string("  ") + w.pairs + ": " + pairs_text(w, s.old_value) + " -> " +
           pairs_text(w, s.new_value) + "\n";
  return std::string("  ") + w.characteristic_nodes + ": " + characteristic_text(w, s.old_value) + " -> " +
         characteristic_text(w, s.new_value) + "\n";
}

// A line of columns: a positive width aligns right, a negative one left.
std::string row(std::initializer_list<std::pair<std::string, int>> cells) {
  std::string line;
  for (const auto& [text, width] : cells) {
    const std::size_t w = static_cast<std::size_t>(std::abs(width));
    const std::string pad(text.size() < w ? w - text.size() : 0, ' ');
    line += " " + (width < 0 ? text + pad : pad + text);
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return line + "\n";
}

// |new - old| / |old|, infinite for a value that left zero.
double relative_change(const ResultChange& c) {
  const double change = std::fabs(c.new_value - c.old_value);
  if (change == 0) return 0;
  return c.old_value == 0 ? std::numeric_limits<double>::infinity() : change / std::fabs(c.old_value);
}

std::string per_cent(const Words& w, const ResultChange& c) {
  if (c.old_value == 0 && c.new_value != 0) return w.from_zero;
  return printed("%+.2f",
                 c.old_value == 0 ? 0.0 : (c.new_value - c.old_value) / std::fabs(c.old_value) * 100.0);
}

constexpr int VALUE = 15, PER_CENT = 9;

std::string table_head(const Words& w, ResultTable table) {
  switch (table) {
    case ResultTable::envelope:
      return row({{w.bar, 6},
                  {w.force, -5},
                  {w.bound, -5},
                  {w.old_value, VALUE},
                  {w.new_value, VALUE},
                  {w.difference, VALUE},
                  {w.relative, PER_CENT},
                  {w.governing, -1}});
    case ResultTable::combined_reactions:
      return row({{w.comb, 5},
                  {w.node, 6},
                  {w.component, 5},
                  {w.old_value, VALUE},
                  {w.new_value, VALUE},
                  {w.difference, VALUE},
                  {w.relative, PER_CENT}});
    case ResultTable::combined_displacements:
      return row({{w.comb, 5},
                  {w.node, -8},
                  {w.component, 5},
                  {w.old_value, VALUE},
                  {w.new_value, VALUE},
                  {w.difference, VALUE},
                  {w.relative, PER_CENT}});
    case ResultTable::bending:
      return row({{w.comb, 5}, {w.bar, 6}, {w.old_value, 6}, {w.new_value, 6}});
  }
  return {};
}

std::string table_line(const Words& w, const ResultChange& c) {
  const std::string old_text = value_text(c.old_value), new_text = value_text(c.new_value);
  const std::string change = printed("%+.7g", c.new_value - c.old_value), rel = per_cent(w, c);
  switch (c.table) {
    case ResultTable::envelope: {
      const std::string governing =
          c.old_combination == c.new_combination
              ? std::string()
              : std::to_string(c.old_combination) + " -> " + std::to_string(c.new_combination);
      return row({{std::to_string(c.bar), 6},
                  {ENVELOPE_QUANTITIES[c.quantity], -5},
                  {BOUNDS[c.bound], -5},
                  {old_text, VALUE},
                  {new_text, VALUE},
                  {change, VALUE},
                  {rel, PER_CENT},
                  {governing, -1}});
    }
    case ResultTable::combined_reactions:
      return row({{std::to_string(c.combination), 5},
                  {std::to_string(c.node), 6},
                  {std::to_string(c.quantity), 5},
                  {old_text, VALUE},
                  {new_text, VALUE},
                  {change, VALUE},
                  {rel, PER_CENT}});
    case ResultTable::combined_displacements:
      return row({{std::to_string(c.combination), 5},
                  {w.places[c.place], -8},
                  {std::to_string(c.quantity), 5},
                  {old_text, VALUE},
                  {new_text, VALUE},
                  {change, VALUE},
                  {rel, PER_CENT}});
    case ResultTable::bending:
      return row({{std::to_string(c.combination), 5},
                  {std::to_string(c.bar), 6},
                  {c.old_flag ? w.yes : w.no, 6},
                  {c.new_flag ? w.yes : w.no, 6}});
  }
  return {};
}

std::string count_text(const Words& w, std::size_t n) {
  return std::to_string(n) + " " + (n == 1 ? w.change : w.changes);
}

std::string summary_line(const char* name, std::size_t n) {
  std::string line = std::string("  ") + name;
  const std::string count = std::to_string(n);
  line.resize(std::max<std::size_t>(line.size() + 1, 34 - count.size()), ' ');
  return line + count + "\n";
}

}  // namespace

std::string diff_text(const Changes& changes, double rel, Language language) {
  const Words& w = language == Language::pt ? PORTUGUESE : ENGLISH;
  std::string text = std::string(w.title) + tolerance_text(rel) + "\n";
  if (changes.empty()) text += std::string("\n") + w.nothing + "\n";
  if (!changes.structure.empty()) {
    text += std::string("\n") + w.structure + ": " + count_text(w, changes.structure.size()) + "\n";
    for (const StructureChange& s : changes.structure) text += structure_line(w, s);
  }
  std::size_t counts[4] = {};
  for (int t = 0; t < 4; ++t) {
    const auto table = static_cast<ResultTable>(t);
    std::vector<ResultChange> lines;
    for (const ResultChange& c : changes.results)
      if (c.table == table) lines.push_back(c);
    counts[t] = lines.size();
    if (lines.empty()) continue;
    // Largest relative change first; equal ones stay in the order of their keys.
    std::stable_sort(lines.begin(), lines.end(), [](const ResultChange& a, const ResultChange& b) {
      return relative_change(a) > relative_change(b);
    });
    text +=
        std::string("\n") + w.tables[t] + ": " + count_text(w, lines.size()) + "\n" + table_head(w, table);
    for (const ResultChange& c : lines) text += table_line(w, c);
  }
  text += std::string("\n") + w.summary + "\n" + summary_line(w.structure, changes.structure.size());
  for (int t = 0; t < 4; ++t) text += summary_line(w.tables[t], counts[t]);
  return text + summary_line(w.total, changes.structure.size() + changes.results.size());
}

}  // namespace toval::tools::diff
