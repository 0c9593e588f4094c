#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "tools/cli/catalogue.h"
#include "tools/cli/export_keys.h"
#include "tools/cli/exported_values.h"
#include "tools/diff/diff_output.h"
#include "tools/diff/listed_lines.h"

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
  // The summary of design values, the sets, the reactions' envelope.
  reaction_envelope_table,
  counts,
  largest_of,  // %1 lines of %2 changes
  member_head,
  bar_member,   // %1
  pair_member,  // %1/%2: a mirror pair told on one line
  node_member,  // %1
  renumbered,   // %1: a combination's old number where it differs
  set_uls,
  set_sls_characteristic,
  set_sls_frequent,
  set_sls_quasi_permanent,
  displacement_envelope_table,
  node_displacement_envelope_table,
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
    {ListingWord::reaction_envelope_table, "ENVOLTORIA DAS REACOES", "ENVELOPE OF REACTIONS"},
    {ListingWord::counts, "CONTAGEM POR TABELA", "COUNT BY TABLE"},
    {ListingWord::largest_of, "as %1 maiores de %2 alteracoes", "the %1 largest of %2 changes"},
    {ListingWord::member_head, "membro", "member"},
    {ListingWord::bar_member, "barra %1", "bar %1"},
    {ListingWord::pair_member, "barras %1/%2", "bars %1/%2"},
    {ListingWord::node_member, "no %1", "node %1"},
    {ListingWord::renumbered, "antes %1", "was %1"},
    // The sets by the labels that the combination files' header records carry.
    {ListingWord::set_uls, "ELU", "ULS"},
    {ListingWord::set_sls_characteristic, "ELS CARACTERISTICA", "SLS CHARACTERISTIC"},
    {ListingWord::set_sls_frequent, "ELS FREQUENTE", "SLS FREQUENT"},
    {ListingWord::set_sls_quasi_permanent, "ELS QUASE PERMANENTE", "SLS QUASI-PERMANENT"},
    {ListingWord::displacement_envelope_table, "ENVOLTORIA DOS DESLOCAMENTOS CARACTERISTICOS",
     "ENVELOPE OF CHARACTERISTIC DISPLACEMENTS"},
    {ListingWord::node_displacement_envelope_table, "ENVOLTORIA DOS DESLOCAMENTOS NODAIS",
     "ENVELOPE OF NODE DISPLACEMENTS"},
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
  if (what == COMBINATION) {
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

// A combination matched under another number names its old one.
std::string old_number(const ListingWords& w, const StructureChange& s) {
  if (s.what != cli::keys::COMBINATION || s.old_value.is_null() || s.new_value.is_null()) return "";
  const Json& number = s.old_value[cli::keys::COMBINATION];
  return number == s.key ? "" : " (" + w.format(ListingWord::renumbered, {value_text(number)}) + ")";
}

std::string structure_line(const ListingWords& w, const StructureChange& s) {
  if (const Kind* k = kind_of(s.what)) {
    const std::string head = "  " + std::string(w(k->name)) + " " + value_text(s.key) + old_number(w, s);
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

std::string per_cent(const ListingWords& w, const ResultChange& c) {
  if (c.old_value == 0 && c.new_value != 0) return std::string(w(ListingWord::from_zero));
  return printed("%+.2f",
                 c.old_value == 0 ? 0.0 : (c.new_value - c.old_value) / std::fabs(c.old_value) * 100.0);
}

constexpr int VALUE = 15, PER_CENT = 9;

// A set as a heading names it ("ELU", "SLS FREQUENT"); another key as it
// is; empty for the combinations in no set.
std::string set_title(const ListingWords& w, const std::string& set) {
  static constexpr std::pair<const char*, ListingWord> KEYS[] = {
      {"uls", ListingWord::set_uls},
      {"sls_characteristic", ListingWord::set_sls_characteristic},
      {"sls_frequent", ListingWord::set_sls_frequent},
      {"sls_quasi_permanent", ListingWord::set_sls_quasi_permanent}};
  for (const auto& [key, word] : KEYS)
    if (set == key) return std::string(w(word));
  return set;
}

// What the listing needs besides the changes.
struct Listing {
  const ListingWords& w;
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
      return std::string(l.w(ListingWord::envelope_table));
    case ResultTable::reaction_envelope:
      return std::string(l.w(ListingWord::reaction_envelope_table));
    case ResultTable::displacement_envelope:
      return std::string(l.w(ListingWord::displacement_envelope_table));
    case ResultTable::node_displacement_envelope:
      return std::string(l.w(ListingWord::node_displacement_envelope_table));
    case ResultTable::combined_reactions:
      return std::string(l.w(ListingWord::reactions_table));
    case ResultTable::combined_displacements:
      return std::string(l.w(ListingWord::displacements_table));
    case ResultTable::bending:
      return std::string(l.w(ListingWord::bending_table));
  }
  return {};
}

std::string with_set(const Listing& l, std::string heading, const std::string& set) {
  const std::string name = set_title(l.w, set);
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
  return "(" + l.w.format(ListingWord::renumbered, {std::to_string(c.old_combination)}) + ")";
}

std::string bar_text(const ListedLine& line) {
  const std::string bar = std::to_string(line.change.bar);
  return line.partner == 0 ? bar : bar + "/" + std::to_string(line.partner);
}

// The member column of an envelope's table, right-aligned by number, or
// left-aligned for the characteristic places' words.
int member_width(ResultTable table) {
  return table == ResultTable::displacement_envelope ? -8 : 7;
}

// The member of an envelope's line: a bar (or mirror pair), a node, or a
// characteristic place.
std::string envelope_member(const Listing& l, const ListedLine& line) {
  const ResultChange& c = line.change;
  if (c.table == ResultTable::envelope) return bar_text(line);
  if (c.table == ResultTable::displacement_envelope) return std::string(l.w(PLACE_WORDS[c.place]));
  return std::to_string(c.node);
}

std::string table_head(const Listing& l, ResultTable table) {
  const ListingWords& w = l.w;
  switch (table) {
    case ResultTable::envelope:
    case ResultTable::reaction_envelope:
    case ResultTable::displacement_envelope:
    case ResultTable::node_displacement_envelope:
      return row(
          {{w(table == ResultTable::envelope ? ListingWord::bar_head : ListingWord::node_head),
            member_width(table)},
           {w(table == ResultTable::envelope ? ListingWord::force_head : ListingWord::component_head), -5},
           {w(ListingWord::bound_head), -5},
           {w(ListingWord::old_head), VALUE},
           {w(ListingWord::new_head), VALUE},
           {w(ListingWord::change_head), VALUE},
           {w(ListingWord::relative_head), PER_CENT},
           {w(ListingWord::governing_head), -1}});
    case ResultTable::combined_reactions:
    case ResultTable::combined_displacements:
      return row({{w(ListingWord::combination_head), 5},
                  {w(ListingWord::node_head), table == ResultTable::combined_reactions ? 6 : -8},
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

std::string table_line(const Listing& l, const ListedLine& line) {
  const ResultChange& c = line.change;
  const Values v = values(l, c);
  switch (c.table) {
    case ResultTable::envelope:
    case ResultTable::reaction_envelope:
    case ResultTable::displacement_envelope:
    case ResultTable::node_displacement_envelope:
      return row(
          {{envelope_member(l, line), member_width(c.table)},
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
                  {c.table == ResultTable::combined_reactions ? std::to_string(c.node)
                                                              : std::string(l.w(PLACE_WORDS[c.place])),
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
                  {l.w(c.old_flag ? ListingWord::yes : ListingWord::no), 6},
                  {l.w(c.new_flag ? ListingWord::yes : ListingWord::no), 6},
                  {renumbered(l, c), -1}});
  }
  return {};
}

std::string count_text(const ListingWords& w, std::size_t n) {
  return std::to_string(n) + " " + std::string(w(n == 1 ? ListingWord::change : ListingWord::changes));
}

// A count right-aligned at column `width`, or a space after a longer name.
std::string summary_line(std::string_view name, std::size_t n, std::size_t width) {
  std::string line = "  " + std::string(name);
  const std::string count = std::to_string(n);
  line.resize(std::max<std::size_t>(line.size() + 1, width > count.size() ? width - count.size() : 0), ' ');
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
      bar ? (line.partner == 0 ? l.w.format(ListingWord::bar_member, {std::to_string(c.bar)})
                               : l.w.format(ListingWord::pair_member,
                                            {std::to_string(c.bar), std::to_string(line.partner)}))
          : l.w.format(ListingWord::node_member, {std::to_string(c.node)});
  // A reaction R1..R3, a displacement by its name (dx, dy, rz).
  const std::string quantity =
      bar ? ENVELOPE_QUANTITIES[c.quantity]
      : c.table == ResultTable::reaction_envelope
          ? "R" + std::to_string(c.quantity)
          : std::string(cli::keys::NODE_COMPONENTS[static_cast<std::size_t>(c.quantity - 1)]);
  const Values v = values(l, c);
  return row({{member, -14},
              {quantity, -5},
              {BOUNDS[c.bound], -5},
              {v.old_text, VALUE},
              {v.new_text, VALUE},
              {v.change, VALUE},
              {v.rel, PER_CENT},
              {governing(l, c, true), -1}});
}

// A set's largest changes of its envelopes' extremes, the heaviest first:
// bar forces, reactions and every node's displacements (the characteristic
// nodes are among every node).
std::string set_summary(const Listing& l, const std::string& set) {
  std::vector<ListedLine> lines = listed_lines(of(l.changes, ResultTable::envelope, set), l.changes.pairs);
  for (const ResultTable table : {ResultTable::reaction_envelope, ResultTable::node_displacement_envelope}) {
    const std::vector<ListedLine> more = listed_lines(of(l.changes, table, set), {});
    lines.insert(lines.end(), more.begin(), more.end());
  }
  if (lines.empty()) return "";
  std::stable_sort(lines.begin(), lines.end(), [](const ListedLine& a, const ListedLine& b) {
    return weight(a.change) > weight(b.change);
  });
  std::size_t changes = 0;
  for (const ListedLine& line : lines) changes += line.partner == 0 ? 1 : 2;
  const std::string count =
      lines.size() > SUMMARY_LINES
          ? l.w.format(ListingWord::largest_of, {std::to_string(SUMMARY_LINES), std::to_string(changes)})
          : count_text(l.w, changes);
  std::string text = "\n" + with_set(l, std::string(l.w(ListingWord::summary)), set) + ": " + count + "\n" +
                     row({{l.w(ListingWord::member_head), -14},
                          {l.w(ListingWord::force_head), -5},
                          {l.w(ListingWord::bound_head), -5},
                          {l.w(ListingWord::old_head), VALUE},
                          {l.w(ListingWord::new_head), VALUE},
                          {l.w(ListingWord::change_head), VALUE},
                          {l.w(ListingWord::relative_head), PER_CENT},
                          {l.w(ListingWord::governing_head), -1}});
  for (std::size_t i = 0; i < lines.size() && i < SUMMARY_LINES; ++i) text += design_line(l, lines[i]);
  return text;
}

constexpr ResultTable TABLES[] = {ResultTable::envelope,
                                  ResultTable::reaction_envelope,
                                  ResultTable::displacement_envelope,
                                  ResultTable::node_displacement_envelope,
                                  ResultTable::combined_reactions,
                                  ResultTable::combined_displacements,
                                  ResultTable::bending};
constexpr std::size_t TABLE_COUNT = std::size(TABLES);

// One table's changes set by set, with the count of each table.
std::string tables_text(const Listing& l, const std::vector<std::string>& sets,
                        std::size_t (&counts)[TABLE_COUNT]) {
  std::string text;
  for (std::size_t t = 0; t < TABLE_COUNT; ++t)
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
  const ListingWords w(WORDS, language);
  const Listing l{w, changes};
  std::string text = w.format(ListingWord::title, {tolerance_text(rel)}) + "\n";
  if (changes.empty()) text += "\n" + std::string(w(ListingWord::nothing)) + "\n";
  const std::vector<std::string> sets = sets_of(changes);
  for (const std::string& set : sets) text += set_summary(l, set);
  if (!changes.structure.empty()) {
    text +=
        "\n" + std::string(w(ListingWord::structure)) + ": " + count_text(w, changes.structure.size()) + "\n";
    for (const StructureChange& s : changes.structure) text += structure_line(w, s);
  }
  std::size_t counts[TABLE_COUNT] = {};
  text += tables_text(l, sets, counts);
  // The counts in one column, past the longest title.
  std::size_t width = 34;
  for (const ResultTable table : TABLES) width = std::max(width, title(l, table).size() + 9);
  text += "\n" + std::string(w(ListingWord::counts)) + "\n" +
          summary_line(w(ListingWord::structure), changes.structure.size(), width);
  for (std::size_t t = 0; t < TABLE_COUNT; ++t) text += summary_line(title(l, TABLES[t]), counts[t], width);
  return text + summary_line(w(ListingWord::total), changes.structure.size() + changes.results.size(), width);
}

}  // namespace toval::tools::diff
