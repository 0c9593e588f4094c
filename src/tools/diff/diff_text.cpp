#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/cli/exported_values.h"
#include "tools/diff/diff_output.h"
#include "tools/diff/diff_words.h"
#include "tools/diff/listed_lines.h"

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
  if (what == "combination") {
    const std::string name = e.contains("name") && e["name"].is_string() ? e["name"].get<std::string>() : "";
    if (name.empty()) return {{"", terms_text(w, e)}};
    return {{"", name}, {"", terms_text(w, e)}};
  }
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

// A combination matched under another number names its old one.
std::string old_number(const DiffWords& dw, const StructureChange& s) {
  if (s.what != "combination" || s.old_value.is_null() || s.new_value.is_null()) return "";
  const Json& number = s.old_value["combination"];
  return number == s.key ? "" : " (" + dw.format(DiffText::renumbered, {value_text(number)}) + ")";
}

std::string structure_line(const Words& w, const DiffWords& dw, const StructureChange& s) {
  if (const Kind* k = kind_of(w, s.what)) {
    const std::string head = std::string("  ") + k->name + " " + value_text(s.key) + old_number(dw, s);
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

std::string per_cent(const Words& w, const ResultChange& c) {
  if (c.old_value == 0 && c.new_value != 0) return w.from_zero;
  return printed("%+.2f",
                 c.old_value == 0 ? 0.0 : (c.new_value - c.old_value) / std::fabs(c.old_value) * 100.0);
}

constexpr int VALUE = 15, PER_CENT = 9;

// What the listing needs besides the changes.
struct Listing {
  const Words& w;
  const DiffWords& dw;
  const Changes& changes;
};

// Old, new, change and per cent of a valued change, with its table's decimals.
struct Values {
  std::string old_text, new_text, change, rel;
};

Values values(const Listing& l, const ResultChange& c) {
  const int d = decimals_of(c.table);
  return {fixed_text(c.old_value, d), fixed_text(c.new_value, d),
          fixed_text(c.new_value - c.old_value, d, true), per_cent(l.w, c)};
}

std::string title(const Listing& l, ResultTable table) {
  switch (table) {
    case ResultTable::envelope:
      return l.w.tables[0];
    case ResultTable::reaction_envelope:
      return std::string(l.dw(DiffText::reaction_envelope));
    case ResultTable::combined_reactions:
      return l.w.tables[1];
    case ResultTable::combined_displacements:
      return l.w.tables[2];
    case ResultTable::bending:
      return l.w.tables[3];
  }
  return {};
}

std::string with_set(const Listing& l, std::string heading, const std::string& set) {
  const std::string name = set_title(l.dw, set);
  return name.empty() ? heading : heading + " - " + name;
}

// "4 -> 1" where the governing combination changed; in the summary with
// the new one's name.
std::string governing(const Listing& l, const ResultChange& c, bool named) {
  if (!c.governing_changed) return "";
  std::string text = std::to_string(c.old_combination) + " -> " + std::to_string(c.new_combination);
  const auto name = l.changes.new_names.find(c.new_combination);
  if (named && name != l.changes.new_names.end() && !name->second.empty()) text += " " + name->second;
  return text;
}

std::string renumbered(const Listing& l, const ResultChange& c) {
  if (c.old_combination == c.combination) return "";
  return "(" + l.dw.format(DiffText::renumbered, {std::to_string(c.old_combination)}) + ")";
}

std::string bar_text(const ListedLine& line) {
  const std::string bar = std::to_string(line.change.bar);
  return line.partner == 0 ? bar : bar + "/" + std::to_string(line.partner);
}

std::string table_head(const Listing& l, ResultTable table) {
  const Words& w = l.w;
  switch (table) {
    case ResultTable::envelope:
    case ResultTable::reaction_envelope:
      return row({{table == ResultTable::envelope ? w.bar : w.node, 7},
                  {table == ResultTable::envelope ? w.force : w.component, -5},
                  {w.bound, -5},
                  {w.old_value, VALUE},
                  {w.new_value, VALUE},
                  {w.difference, VALUE},
                  {w.relative, PER_CENT},
                  {w.governing, -1}});
    case ResultTable::combined_reactions:
    case ResultTable::combined_displacements:
      return row({{w.comb, 5},
                  {w.node, table == ResultTable::combined_reactions ? 6 : -8},
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

std::string table_line(const Listing& l, const ListedLine& line) {
  const ResultChange& c = line.change;
  const Values v = values(l, c);
  switch (c.table) {
    case ResultTable::envelope:
    case ResultTable::reaction_envelope:
      return row(
          {{c.table == ResultTable::envelope ? bar_text(line) : std::to_string(c.node), 7},
           {c.table == ResultTable::envelope ? ENVELOPE_QUANTITIES[c.quantity] : std::to_string(c.quantity),
            -5},
           {BOUNDS[c.bound], -5},
           {v.old_text, VALUE},
           {v.new_text, VALUE},
           {v.change, VALUE},
           {v.rel, PER_CENT},
           {governing(l, c, false), -1}});
    case ResultTable::combined_reactions:
    case ResultTable::combined_displacements:
      return row({{std::to_string(c.combination), 5},
                  {c.table == ResultTable::combined_reactions ? std::to_string(c.node) : l.w.places[c.place],
                   c.table == ResultTable::combined_reactions ? 6 : -8},
                  {std::to_string(c.quantity), 5},
                  {v.old_text, VALUE},
                  {v.new_text, VALUE},
                  {v.change, VALUE},
                  {v.rel, PER_CENT},
                  {renumbered(l, c), -1}});
    case ResultTable::bending:
      return row({{std::to_string(c.combination), 5},
                  {std::to_string(c.bar), 6},
                  {c.old_flag ? l.w.yes : l.w.no, 6},
                  {c.new_flag ? l.w.yes : l.w.no, 6},
                  {renumbered(l, c), -1}});
  }
  return {};
}

std::string count_text(const Words& w, std::size_t n) {
  return std::to_string(n) + " " + (n == 1 ? w.change : w.changes);
}

std::string summary_line(const std::string& name, std::size_t n) {
  std::string line = "  " + name;
  const std::string count = std::to_string(n);
  line.resize(std::max<std::size_t>(line.size() + 1, 34 - count.size()), ' ');
  return line + count + "\n";
}

// The sets that the changes name, in the listing's order.
std::vector<std::string> sets_of(const Changes& changes) {
  std::vector<std::string> sets;
  for (const ResultChange& c : changes.results)
    if (std::find(sets.begin(), sets.end(), c.set) == sets.end()) sets.push_back(c.set);
  std::sort(sets.begin(), sets.end(), set_before);
  return sets;
}

std::vector<ResultChange> of(const Changes& changes, ResultTable table, const std::string& set) {
  std::vector<ResultChange> out;
  for (const ResultChange& c : changes.results)
    if (c.table == table && c.set == set) out.push_back(c);
  return out;
}

constexpr std::size_t SUMMARY_LINES = 20;

std::string design_line(const Listing& l, const ListedLine& line) {
  const ResultChange& c = line.change;
  const bool bar = c.table == ResultTable::envelope;
  const std::string member =
      bar ? (line.partner == 0
                 ? l.dw.format(DiffText::bar_member, {std::to_string(c.bar)})
                 : l.dw.format(DiffText::pair_member, {std::to_string(c.bar), std::to_string(line.partner)}))
          : l.dw.format(DiffText::node_member, {std::to_string(c.node)});
  const Values v = values(l, c);
  return row({{member, -14},
              {bar ? ENVELOPE_QUANTITIES[c.quantity] : "R" + std::to_string(c.quantity), -5},
              {BOUNDS[c.bound], -5},
              {v.old_text, VALUE},
              {v.new_text, VALUE},
              {v.change, VALUE},
              {v.rel, PER_CENT},
              {governing(l, c, true), -1}});
}

// A set's largest changes of its envelopes' extremes, the heaviest first.
std::string set_summary(const Listing& l, const std::string& set) {
  std::vector<ListedLine> lines = listed_lines(of(l.changes, ResultTable::envelope, set), l.changes.pairs);
  std::vector<ListedLine> reactions = listed_lines(of(l.changes, ResultTable::reaction_envelope, set), {});
  lines.insert(lines.end(), reactions.begin(), reactions.end());
  if (lines.empty()) return "";
  std::stable_sort(lines.begin(), lines.end(), [](const ListedLine& a, const ListedLine& b) {
    return weight(a.change) > weight(b.change);
  });
  std::size_t changes = 0;
  for (const ListedLine& line : lines) changes += line.partner == 0 ? 1 : 2;
  const std::string count =
      lines.size() > SUMMARY_LINES
          ? l.dw.format(DiffText::largest_of, {std::to_string(SUMMARY_LINES), std::to_string(changes)})
          : count_text(l.w, changes);
  std::string text = "\n" + with_set(l, std::string(l.dw(DiffText::summary)), set) + ": " + count + "\n" +
                     row({{std::string(l.dw(DiffText::member)), -14},
                          {l.w.force, -5},
                          {l.w.bound, -5},
                          {l.w.old_value, VALUE},
                          {l.w.new_value, VALUE},
                          {l.w.difference, VALUE},
                          {l.w.relative, PER_CENT},
                          {l.w.governing, -1}});
  for (std::size_t i = 0; i < lines.size() && i < SUMMARY_LINES; ++i) text += design_line(l, lines[i]);
  return text;
}

constexpr ResultTable TABLES[] = {ResultTable::envelope, ResultTable::reaction_envelope,
                                  ResultTable::combined_reactions, ResultTable::combined_displacements,
                                  ResultTable::bending};

// One table's changes set by set, with the count of each table.
std::string tables_text(const Listing& l, const std::vector<std::string>& sets, std::size_t (&counts)[5]) {
  std::string text;
  for (std::size_t t = 0; t < 5; ++t)
    for (const std::string& set : sets) {
      const std::vector<ResultChange> changes = of(l.changes, TABLES[t], set);
      counts[t] += changes.size();
      if (changes.empty()) continue;
      text += "\n" + with_set(l, title(l, TABLES[t]), set) + ": " + count_text(l.w, changes.size()) + "\n" +
              table_head(l, TABLES[t]);
      for (const ListedLine& line : listed_lines(changes, l.changes.pairs)) text += table_line(l, line);
    }
  return text;
}

}  // namespace

std::string diff_text(const Changes& changes, double rel, Language language) {
  const Words& w = language == Language::pt ? PORTUGUESE : ENGLISH;
  const DiffWords dw = diff_words(language);
  const Listing l{w, dw, changes};
  std::string text = std::string(w.title) + tolerance_text(rel) + "\n";
  if (changes.empty()) text += std::string("\n") + w.nothing + "\n";
  const std::vector<std::string> sets = sets_of(changes);
  for (const std::string& set : sets) text += set_summary(l, set);
  if (!changes.structure.empty()) {
    text += std::string("\n") + w.structure + ": " + count_text(w, changes.structure.size()) + "\n";
    for (const StructureChange& s : changes.structure) text += structure_line(w, dw, s);
  }
  std::size_t counts[5] = {};
  text += tables_text(l, sets, counts);
  text +=
      "\n" + std::string(dw(DiffText::counts)) + "\n" + summary_line(w.structure, changes.structure.size());
  for (std::size_t t = 0; t < 5; ++t) text += summary_line(title(l, TABLES[t]), counts[t]);
  return text + summary_line(w.total, changes.structure.size() + changes.results.size());
}

}  // namespace toval::tools::diff
