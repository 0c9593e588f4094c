#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "tools/cli/catalogue.h"
#include "tools/cli/export_keys.h"
#include "tools/cli/exported_values.h"
#include "tools/diff/diff_output.h"

namespace toval::tools::diff {

namespace {

using Json = nlohmann::ordered_json;

// The listing's words, each key's Portuguese and English side by side.
enum class ListingWord {
  title,  // %1 the tolerance
  structure,
  envelope_table,
  reactions_table,
  displacements_table,
  bending_table,
  change,
  changes,
  nothing,
  summary,
  total,
  node_name,
  node_added,
  node_removed,
  bar_name,
  bar_added,
  bar_removed,
  case_name,
  case_added,
  case_removed,
  combination_name,
  combination_added,
  combination_removed,
  restraints,
  bar_nodes,
  property,
  length,
  no_terms,
  axis,
  pairs,
  characteristic_nodes,
  none,
  // Column heads.
  bar_head,
  force_head,
  bound_head,
  combination_head,  // short
  node_head,
  component_head,
  old_head,
  new_head,
  change_head,
  relative_head,
  governing_head,
  left_place,
  axis_place,
  right_place,
  yes,
  no,
  from_zero,
  count  // not a word: the number of keys
};

constexpr cli::TextRow<ListingWord> WORDS[] = {
    {ListingWord::title, "COMPARACAO DE REVISOES - TOLERANCIA RELATIVA %1",
     "COMPARISON OF REVISIONS - RELATIVE TOLERANCE %1"},
    {ListingWord::structure, "ESTRUTURA", "STRUCTURE"},
    {ListingWord::envelope_table, "ENVOLTORIA DOS ESFORCOS", "ENVELOPE OF BAR FORCES"},
    {ListingWord::reactions_table, "REACOES COMBINADAS", "COMBINED REACTIONS"},
    {ListingWord::displacements_table, "DESLOCAMENTOS COMBINADOS", "COMBINED DISPLACEMENTS"},
    {ListingWord::bending_table, "FLEXAO", "BENDING"},
    {ListingWord::change, "alteracao", "change"},
    {ListingWord::changes, "alteracoes", "changes"},
    {ListingWord::nothing, "nenhuma alteracao alem da tolerancia", "no change beyond the tolerance"},
    {ListingWord::summary, "RESUMO", "SUMMARY"},
    {ListingWord::total, "TOTAL", "TOTAL"},
    // Portuguese gives the words of being added or removed the thing's gender.
    {ListingWord::node_name, "no", "node"},
    {ListingWord::node_added, "acrescentado", "added"},
    {ListingWord::node_removed, "retirado", "removed"},
    {ListingWord::bar_name, "barra", "bar"},
    {ListingWord::bar_added, "acrescentada", "added"},
    {ListingWord::bar_removed, "retirada", "removed"},
    {ListingWord::case_name, "carregamento", "case"},
    {ListingWord::case_added, "acrescentado", "added"},
    {ListingWord::case_removed, "retirado", "removed"},
    {ListingWord::combination_name, "combinacao", "combination"},
    {ListingWord::combination_added, "acrescentada", "added"},
    {ListingWord::combination_removed, "retirada", "removed"},
    {ListingWord::restraints, "restricoes", "restraints"},
    {ListingWord::bar_nodes, "nos", "nodes"},
    {ListingWord::property, "propriedade", "property"},
    {ListingWord::length, "comprimento", "length"},
    {ListingWord::no_terms, "(sem termos)", "(no terms)"},
    {ListingWord::axis, "eixo de simetria", "symmetry axis"},
    {ListingWord::pairs, "pares simetricos", "mirror pairs"},
    {ListingWord::characteristic_nodes, "nos caracteristicos", "characteristic nodes"},
    {ListingWord::none, "nenhum", "none"},
    {ListingWord::bar_head, "barra", "bar"},
    {ListingWord::force_head, "esf.", "force"},
    {ListingWord::bound_head, "lim.", "bound"},
    {ListingWord::combination_head, "comb.", "comb."},
    {ListingWord::node_head, "no", "node"},
    {ListingWord::component_head, "comp.", "comp."},
    {ListingWord::old_head, "antes", "old"},
    {ListingWord::new_head, "depois", "new"},
    {ListingWord::change_head, "variacao", "change"},
    {ListingWord::relative_head, "var. %", "rel. %"},
    {ListingWord::governing_head, "combinacao", "combination"},
    {ListingWord::left_place, "esquerda", "left"},
    {ListingWord::axis_place, "eixo", "axis"},
    {ListingWord::right_place, "direita", "right"},
    {ListingWord::yes, "sim", "yes"},
    {ListingWord::no, "nao", "no"},
    {ListingWord::from_zero, "de zero", "from zero"},
};
static_assert(cli::covers_every_key(WORDS));

using ListingWords = cli::Catalogue<ListingWord>;

// A kind of numbered or named thing, as the document names it, with its
// words.
struct Kind {
  const char* what;
  ListingWord name, added, removed;
};

constexpr Kind KINDS[] = {
    {cli::keys::NODE, ListingWord::node_name, ListingWord::node_added, ListingWord::node_removed},
    {cli::keys::BAR, ListingWord::bar_name, ListingWord::bar_added, ListingWord::bar_removed},
    {cli::keys::CASE, ListingWord::case_name, ListingWord::case_added, ListingWord::case_removed},
    {cli::keys::COMBINATION, ListingWord::combination_name, ListingWord::combination_added,
     ListingWord::combination_removed}};

constexpr ListingWord TABLES[] = {ListingWord::envelope_table, ListingWord::reactions_table,
                                  ListingWord::displacements_table, ListingWord::bending_table};
constexpr ListingWord PLACE_WORDS[] = {ListingWord::left_place, ListingWord::axis_place,
                                       ListingWord::right_place};

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

const Kind* kind_of(const std::string& what) {
  for (const Kind& k : KINDS)
    if (what == k.what) return &k;
  return nullptr;
}

std::string restraints_text(const Json& node) {
  std::string text;
  for (const Json& code : node[cli::keys::RESTRAINTS]) text += (text.empty() ? "" : " ") + value_text(code);
  return text;
}

std::string terms_text(const ListingWords& w, const Json& combination) {
  std::string text;
  for (const Json& term : combination[cli::keys::TERMS])
    text += (text.empty() ? "" : " + ") + value_text(term[cli::keys::MULTIPLIER]) + " " +
            value_text(term[cli::keys::CASE]);
  return text.empty() ? std::string(w(ListingWord::no_terms)) : text;
}

// What an entry holds that diff compares, part by part: the parts told
// when an entry is added or removed, and those that changed otherwise.
std::vector<std::pair<std::string, std::string>> parts(const ListingWords& w, const std::string& what,
                                                       const Json& e) {
  using namespace cli::keys;
  if (what == NODE)
    return {{X, value_text(e[X])},
            {Y, value_text(e[Y])},
            {std::string(w(ListingWord::restraints)), restraints_text(e)}};
  if (what == BAR)
    return {{std::string(w(ListingWord::bar_nodes)), value_text(e[START]) + "-" + value_text(e[END])},
            {std::string(w(ListingWord::property)), value_text(e[PROPERTY])},
            {std::string(w(ListingWord::length)), value_text(e[LENGTH])}};
  if (what == COMBINATION) return {{"", terms_text(w, e)}};
  return {};
}

std::string joined_parts(const std::vector<std::pair<std::string, std::string>>& list) {
  std::string text;
  for (const auto& [name, value] : list)
    text += (text.empty() ? "" : ", ") + (name.empty() ? value : name + " " + value);
  return text;
}

std::string pairs_text(const ListingWords& w, const Json& pairs) {
  std::string text;
  for (const Json& p : pairs) text += (text.empty() ? "" : " ") + value_text(p[0]) + "-" + value_text(p[1]);
  return text.empty() ? std::string(w(ListingWord::none)) : text;
}

std::string characteristic_text(const ListingWords& w, const Json& nodes) {
  using namespace cli::keys;
  static constexpr std::pair<const char*, const char*> LETTERS[] = {
      {LEFT, "E"}, {AXIS, "C"}, {AXIS_LEFT, "CE"}, {AXIS_RIGHT, "CD"}, {RIGHT, "D"}};
  std::string text;
  for (const auto& [key, letter] : LETTERS)
    if (nodes.contains(key) && !nodes[key].is_null())
      text += (text.empty() ? "" : " ") + std::string(letter) + " " + value_text(nodes[key]);
  return text.empty() ? std::string(w(ListingWord::none)) : text;
}

// "  NAME: OLD -> NEW"
std::string change_line(std::string_view name, const std::string& before, const std::string& after) {
  return "  " + std::string(name) + ": " + before + " -> " + after + "\n";
}

std::string structure_line(const ListingWords& w, const StructureChange& s) {
  if (const Kind* k = kind_of(s.what)) {
    const std::string head = "  " + std::string(w(k->name)) + " " + value_text(s.key);
    if (s.old_value.is_null() || s.new_value.is_null()) {
      const Json& present = s.old_value.is_null() ? s.new_value : s.old_value;
      const std::string told =
          s.what == cli::keys::CASE ? "" : ": " + joined_parts(parts(w, s.what, present));
      return head + " " + std::string(w(s.old_value.is_null() ? k->added : k->removed)) + told + "\n";
    }
    const auto before = parts(w, s.what, s.old_value);
    const auto after = parts(w, s.what, s.new_value);
    std::vector<std::pair<std::string, std::string>> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
      if (before[i].second != after[i].second)
        changed.push_back({before[i].first, before[i].second + " -> " + after[i].second});
    return head + ": " + joined_parts(changed) + "\n";
  }
  if (s.what == cli::keys::AXIS)
    return change_line(w(ListingWord::axis), "x " + value_text(s.old_value), value_text(s.new_value));
  if (s.what == cli::keys::PAIRS)
    return change_line(w(ListingWord::pairs), pairs_text(w, s.old_value), pairs_text(w, s.new_value));
  return change_line(w(ListingWord::characteristic_nodes), characteristic_text(w, s.old_value),
                     characteristic_text(w, s.new_value));
}

// A line of columns: a positive width aligns right, a negative one left.
std::string row(std::initializer_list<std::pair<std::string_view, int>> cells) {
  std::string line;
  for (const auto& [text, width] : cells) {
    const std::size_t w = static_cast<std::size_t>(std::abs(width));
    const std::string pad(text.size() < w ? w - text.size() : 0, ' ');
    line += " " + (width < 0 ? std::string(text) + pad : pad + std::string(text));
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

std::string per_cent(const ListingWords& w, const ResultChange& c) {
  if (c.old_value == 0 && c.new_value != 0) return std::string(w(ListingWord::from_zero));
  return printed("%+.2f",
                 c.old_value == 0 ? 0.0 : (c.new_value - c.old_value) / std::fabs(c.old_value) * 100.0);
}

constexpr int VALUE = 15, PER_CENT = 9;

std::string table_head(const ListingWords& w, ResultTable table) {
  switch (table) {
    case ResultTable::envelope:
      return row({{w(ListingWord::bar_head), 6},
                  {w(ListingWord::force_head), -5},
                  {w(ListingWord::bound_head), -5},
                  {w(ListingWord::old_head), VALUE},
                  {w(ListingWord::new_head), VALUE},
                  {w(ListingWord::change_head), VALUE},
                  {w(ListingWord::relative_head), PER_CENT},
                  {w(ListingWord::governing_head), -1}});
    case ResultTable::combined_reactions:
      return row({{w(ListingWord::combination_head), 5},
                  {w(ListingWord::node_head), 6},
                  {w(ListingWord::component_head), 5},
                  {w(ListingWord::old_head), VALUE},
                  {w(ListingWord::new_head), VALUE},
                  {w(ListingWord::change_head), VALUE},
                  {w(ListingWord::relative_head), PER_CENT}});
    case ResultTable::combined_displacements:
      return row({{w(ListingWord::combination_head), 5},
                  {w(ListingWord::node_head), -8},
                  {w(ListingWord::component_head), 5},
                  {w(ListingWord::old_head), VALUE},
                  {w(ListingWord::new_head), VALUE},
                  {w(ListingWord::change_head), VALUE},
                  {w(ListingWord::relative_head), PER_CENT}});
    case ResultTable::bending:
      return row({{w(ListingWord::combination_head), 5},
                  {w(ListingWord::bar_head), 6},
                  {w(ListingWord::old_head), 6},
                  {w(ListingWord::new_head), 6}});
  }
  return {};
}

std::string table_line(const ListingWords& w, const ResultChange& c) {
  const std::string old_text = value_text(c.old_value), new_text = value_text(c.new_value);
  const std::string change = printed("%+.7g", c.new_value - c.old_value), rel = per_cent(w, c);
  const std::string combination = std::to_string(c.combination), quantity = std::to_string(c.quantity);
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
      return row({{combination, 5},
                  {std::to_string(c.node), 6},
                  {quantity, 5},
                  {old_text, VALUE},
                  {new_text, VALUE},
                  {change, VALUE},
                  {rel, PER_CENT}});
    case ResultTable::combined_displacements:
      return row({{combination, 5},
                  {w(PLACE_WORDS[c.place]), -8},
                  {quantity, 5},
                  {old_text, VALUE},
                  {new_text, VALUE},
                  {change, VALUE},
                  {rel, PER_CENT}});
    case ResultTable::bending:
      return row({{combination, 5},
                  {std::to_string(c.bar), 6},
                  {w(c.old_flag ? ListingWord::yes : ListingWord::no), 6},
                  {w(c.new_flag ? ListingWord::yes : ListingWord::no), 6}});
  }
  return {};
}

std::string count_text(const ListingWords& w, std::size_t n) {
  return std::to_string(n) + " " + std::string(w(n == 1 ? ListingWord::change : ListingWord::changes));
}

std::string summary_line(std::string_view name, std::size_t n) {
  std::string line = "  " + std::string(name);
  const std::string count = std::to_string(n);
  line.resize(std::max<std::size_t>(line.size() + 1, 34 - count.size()), ' ');
  return line + count + "\n";
}

}  // namespace

std::string diff_text(const Changes& changes, double rel, Language language) {
  const ListingWords w(WORDS, language);
  std::string text = w.format(ListingWord::title, {tolerance_text(rel)}) + "\n";
  if (changes.empty()) text += "\n" + std::string(w(ListingWord::nothing)) + "\n";
  if (!changes.structure.empty()) {
    text +=
        "\n" + std::string(w(ListingWord::structure)) + ": " + count_text(w, changes.structure.size()) + "\n";
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
        "\n" + std::string(w(TABLES[t])) + ": " + count_text(w, lines.size()) + "\n" + table_head(w, table);
    for (const ResultChange& c : lines) text += table_line(w, c);
  }
  text += "\n" + std::string(w(ListingWord::summary)) + "\n" +
          summary_line(w(ListingWord::structure), changes.structure.size());
  for (int t = 0; t < 4; ++t) text += summary_line(w(TABLES[t]), counts[t]);
  return text + summary_line(w(ListingWord::total), changes.structure.size() + changes.results.size());
}

}  // namespace toval::tools::diff
