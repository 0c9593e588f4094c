#include "tools/combinations/rules_file.h"

#include <toml++/toml.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

#include "input/combination_dialect.h"
#include "records/run_error.h"
#include "records/text.h"
#include "tools/cli/file_text.h"
#include "tools/combinations/rules_error.h"

namespace toval::tools::combinations {

namespace {

constexpr std::size_t NAME_COLUMNS = combination_dialect::MARKER_WIDTH;
constexpr std::size_t DESCRIPTION_BYTES = 200;
constexpr std::size_t TITLE_COLUMNS = static_cast<std::size_t>(combination_dialect::TITLE_RECORD[0].width);

// The file's text and name, for messages and for the factors as written.
class Source {
 public:
  Source(std::string_view text, const std::string& file) : file_(file) {
    std::size_t from = 0;
    while (from <= text.size()) {
      const std::size_t end = std::min(text.find('\n', from), text.size());
      lines_.emplace_back(text.substr(from, end - from));
      from = end + 1;
    }
  }

  std::string place(const toml::source_position& at) const {
    return file_ + ":" + std::to_string(at.line) + ":" + std::to_string(at.column);
  }
  [[noreturn]] void fail(const toml::source_region& at, const std::string& text) const {
    throw rules_error(place(at.begin), text);
  }
  [[noreturn]] void fail(const toml::node& at, const std::string& text) const { fail(at.source(), text); }
  std::string warning(const toml::node& at, const std::string& text) const {
    return place(at.source().begin) + ": warning: " + text + "\n";
  }

  // "; a decimal comma ended the number "1,5" (...)" when the parser stopped
  // at a comma between digits (the TOML grammar has no decimal comma), or
  // nothing.
  std::string decimal_comma_hint(const toml::source_position& at) const {
    if (at.line == 0 || at.line > lines_.size() || at.column < 2) return {};
    const std::string_view line = lines_[at.line - 1];
    const std::size_t comma = at.column - 1;
    if (comma + 1 >= line.size() || line[comma] != ',' || !is_digit(line[comma - 1]) ||
        !is_digit(line[comma + 1]))
      return {};
    std::size_t from = comma, to = comma + 1;
    while (from > 0 && (is_digit(line[from - 1]) || line[from - 1] == '+' || line[from - 1] == '-')) --from;
    while (to < line.size() && is_digit(line[to])) ++to;
    std::string written(line.substr(from, to - from)), pointed = written;
    pointed[comma - from] = '.';
    return "; a decimal comma ended the number \"" + written + "\" (write it with a point, as " + pointed +
           ")";
  }

  // The text of a number as the file writes it, from where the value begins.
  std::string_view written_at(const toml::source_position& at) const {
    if (at.line == 0 || at.line > lines_.size() || at.column == 0) return {};
    const std::string_view line = lines_[at.line - 1];
    if (at.column - 1 >= line.size()) return {};
    const std::string_view rest = line.substr(at.column - 1);
    return rest.substr(0, rest.find_first_not_of("+-0123456789._eE"));
  }

 private:
  std::string file_;
  std::vector<std::string_view> lines_;
};

std::string quoted_name(std::string_view name) {
  return "\"" + std::string(name) + "\"";
}

// What a value of the wrong kind is, for "must be ..., not ...".
std::string found_text(const Source& src, const toml::node& node) {
  if (const std::optional<std::string> s = node.value_exact<std::string>())
    return "the text " + toval::quoted(*s);
  if (node.is_number()) return "the number " + std::string(src.written_at(node.source().begin));
  if (const std::optional<bool> b = node.value_exact<bool>()) return *b ? "true" : "false";
  if (const toml::array* list = node.as_array()) {
    const std::size_t n = list->size();
    return n == 1 ? "an array of 1 value" : "an array of " + std::to_string(n) + " values";
  }
  if (node.is_table()) return "a table";
  return "a date or a time";
}

// A line end or another control character in a text written into the
// combination file would break its records.
bool has_control_character(std::string_view text) {
  for (unsigned char c : text)
    if ((c < 0x20 && c != '\t') || c == 0x7f) return true;
  return false;
}

// Keys of a table that this file kind does not know are mistakes (a factor
// misspelt would silently be missing).
void refuse_unknown_keys(const Source& src, const toml::table& table,
                         std::initializer_list<std::string_view> known, std::string_view where) {
  for (auto&& [key, node] : table) {
    bool found = false;
    for (std::string_view k : known) found = found || key.str() == k;
    if (!found) {
      std::string list;
      for (std::string_view k : known) list += (list.empty() ? "" : ", ") + std::string(k);
      src.fail(key.source(), "unknown key " + quoted_name(key.str()) + " in " + std::string(where) +
                                 " (keys: " + list + ")");
    }
    (void)node;
  }
}

const toml::node& required(const Source& src, const toml::table& table, std::string_view key,
                           std::string_view where) {
  const toml::node* node = table.get(key);
  if (node == nullptr) src.fail(table, std::string(where) + " has no " + quoted_name(key));
  return *node;
}

std::string text_of(const Source& src, const toml::node& node, std::string_view what) {
  const std::optional<std::string> s = node.value_exact<std::string>();
  if (!s) src.fail(node, std::string(what) + " must be a text in quotes, not " + found_text(src, node));
  if (has_control_character(*s))
    src.fail(node, std::string(what) + " holds a line end or another control character");
  return *s;
}

// A factor as the file writes it: the exact decimal of its text, which is
// the value the library read (the shortest decimal of that value when the
// text cannot be found).
Decimal factor_of(const Source& src, const toml::node& node, std::string_view key) {
  const std::string what = "the factor " + quoted_name(key);
  if (const std::optional<std::int64_t> whole = node.value_exact<std::int64_t>()) {
    if (*whole < 0) src.fail(node, what + " is negative");
    return *parse_decimal(std::to_string(*whole));
  }
  const std::optional<double> real = node.value_exact<double>();
  if (!real) src.fail(node, what + " must be a number, not " + found_text(src, node));
  if (!std::isfinite(*real)) src.fail(node, what + " is not a finite number");
  if (*real < 0) src.fail(node, what + " is negative");
  const std::string_view written = src.written_at(node.source().begin);
  if (std::optional<Decimal> d = parse_decimal(written)) {
    std::string plain;
    for (char c : written)
      if (c != '_' && c != '+') plain += c;
    double check = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), check);
    if (error == std::errc() && end == plain.data() + plain.size() && check == *real) return *d;
  }
  char shortest[64];
  const auto result = std::to_chars(shortest, shortest + sizeof shortest, *real);
  return *parse_decimal(std::string_view(shortest, static_cast<std::size_t>(result.ptr - shortest)));
}

const toml::table& table_of(const Source& src, const toml::node& node, std::string_view what) {
  const toml::table* t = node.as_table();
  if (t == nullptr) src.fail(node, std::string(what) + " must be a table, not " + found_text(src, node));
  return *t;
}

struct Factors {
  std::optional<Decimal> gamma_sup, gamma_inf, gamma, psi0, psi1, psi2;
};

constexpr std::string_view FACTOR_KEYS[] = {"gamma_sup", "gamma_inf", "gamma", "psi0", "psi1", "psi2"};

std::optional<Decimal>& factor_slot(Factors& f, std::string_view key) {
  if (key == "gamma_sup") return f.gamma_sup;
  if (key == "gamma_inf") return f.gamma_inf;
  if (key == "gamma") return f.gamma;
  if (key == "psi0") return f.psi0;
  if (key == "psi1") return f.psi1;
  return f.psi2;
}

void read_factors(const Source& src, const toml::table& table, Factors& into) {
  for (std::string_view key : FACTOR_KEYS)
    if (const toml::node* node = table.get(key)) factor_slot(into, key) = factor_of(src, *node, key);
}

std::map<std::string, Factors, std::less<>> read_categories(const Source& src, const toml::table& root) {
  std::map<std::string, Factors, std::less<>> categories;
  const toml::node* node = root.get("categories");
  if (node == nullptr) return categories;
  for (auto&& [name, entry] : table_of(src, *node, "\"categories\"")) {
    const std::string where = "the category " + quoted_name(name.str());
    const toml::table& t = table_of(src, entry, where);
    refuse_unknown_keys(src, t, {"gamma_sup", "gamma_inf", "gamma", "psi0", "psi1", "psi2"}, where);
    read_factors(src, t, categories[std::string(name.str())]);
  }
  return categories;
}

std::array<std::string, 3> read_titles(const Source& src, const toml::table& root,
                                       std::vector<std::string>& warnings) {
  const toml::node& node = required(src, root, "titles", "the rules file");
  const toml::array* list = node.as_array();
  if (list == nullptr || list->size() != 3)
    src.fail(node,
             "\"titles\" must be an array of three texts (the project, the client and the frame), not " +
                 found_text(src, node));
  std::array<std::string, 3> titles;
  for (std::size_t k = 0; k < 3; ++k) {
    titles[k] = text_of(src, (*list)[k], "a title");
    if (titles[k].size() > TITLE_COLUMNS) {
      warnings.push_back(src.warning((*list)[k], "the title is longer than 40 columns; it is cut there"));
      titles[k].resize(TITLE_COLUMNS);
    }
  }
  return titles;
}

std::vector<CombinationSet> read_sets(const Source& src, const toml::table& root) {
  const toml::node& node = required(src, root, "sets", "the rules file");
  const toml::array* list = node.as_array();
  if (list == nullptr)
    src.fail(node, "\"sets\" must be an array of the sets wanted, not " + found_text(src, node));
  if (list->empty())
    src.fail(
        node,
        "\"sets\" is empty: name at least one of uls, sls_characteristic, sls_frequent, sls_quasi_permanent");
  bool wanted[std::size(ALL_SETS)] = {};
  for (const toml::node& entry : *list) {
    const std::string name = text_of(src, entry, "an entry of \"sets\"");
    if (name.empty()) src.fail(entry, "an empty entry in \"sets\"");
    bool known = false;
    for (std::size_t k = 0; k < std::size(ALL_SETS); ++k)
      if (name == set_key(ALL_SETS[k])) known = wanted[k] = true;
    if (!known)
      src.fail(entry, "unknown set " + quoted_name(name) +
                          " in \"sets\" (sets: uls, sls_characteristic, sls_frequent, sls_quasi_permanent)");
  }
  std::vector<CombinationSet> sets;
  for (std::size_t k = 0; k < std::size(ALL_SETS); ++k)
    if (wanted[k]) sets.push_back(ALL_SETS[k]);
  return sets;
}

// units = ["kN", "m"]: the force's and the length's, as --units takes them.
std::optional<cli::Units> read_units(const Source& src, const toml::table& root) {
  const toml::node* node = root.get("units");
  if (node == nullptr) return std::nullopt;
  const toml::array* list = node->as_array();
  if (list == nullptr || list->size() != 2)
    src.fail(*node,
             "\"units\" must be an array of two texts (the force's and the length's, as [\"kN\", "
             "\"m\"]), not " +
                 found_text(src, *node));
  const std::string force = text_of(src, (*list)[0], "the force's unit");
  const std::string length = text_of(src, (*list)[1], "the length's unit");
  std::optional<cli::Units> units = cli::make_units(force, length);
  if (!units) src.fail(*node, "a unit is empty, has a blank at an end or holds a tab");
  return units;
}

bool wants(const std::vector<CombinationSet>& sets, CombinationSet s) {
  return std::find(sets.begin(), sets.end(), s) != sets.end();
}

void require_factor(const Source& src, const toml::table& at, const std::optional<Decimal>& f,
                    std::string_view key, const std::string& action, std::string_view set) {
  if (!f)
    src.fail(at, action + " has no factor " + quoted_name(key) + ", which the set " + quoted_name(set) +
                     " needs (on the action or in its category)");
}

// The case entry carries it on a record of its own, which toval-tools reads
// back to its 256th column: one line of text, short enough to come back whole.
std::string read_description(const Source& src, const toml::table& t) {
  const toml::node* d = t.get("description");
  if (d == nullptr) return {};
  std::string text = text_of(src, *d, "\"description\"");
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7f) src.fail(*d, "\"description\" holds a control character (one line of text)");
  if (text.size() > DESCRIPTION_BYTES)
    src.fail(*d, "\"description\" is longer than " + std::to_string(DESCRIPTION_BYTES) + " bytes");
  return text;
}

// The case name: 1 to 4 characters the combination file can carry, not one
// of its markers; blanks at the end are padding.
std::string read_case_name(const Source& src, const toml::table& t, std::size_t position) {
  const toml::node& case_node = required(src, t, "case", "action " + std::to_string(position));
  std::string name = text_of(src, case_node, "the case name");
  while (!name.empty() && name.back() == ' ') name.pop_back();
  if (name.empty()) src.fail(case_node, "the case name is blank");
  if (name.size() > NAME_COLUMNS)
    src.fail(case_node, "the case name " + quoted_name(name) + " is longer than 4 characters");
  for (unsigned char c : name)
    if (c > 0x7e || c == ',')
      src.fail(case_node,
               "the case name " + quoted_name(name) +
                   " holds a comma or a character beyond ASCII, which the combination file cannot carry");
  if (std::find(std::begin(combination_dialect::MARKERS), std::end(combination_dialect::MARKERS), name) !=
      std::end(combination_dialect::MARKERS))
    src.fail(case_node, "the case name " + quoted_name(name) + " is a marker of the combination file");
  return name;
}

ActionKind read_kind(const Source& src, const toml::table& t, const std::string& action) {
  const std::string kind = text_of(src, required(src, t, "kind", action), "\"kind\"");
  if (kind == "permanent") return ActionKind::permanent;
  if (kind != "variable")
    src.fail(*t.get("kind"), "\"kind\" must be \"permanent\" or \"variable\", not " + quoted_name(kind));
  return ActionKind::variable;
}

// The action's factors: its category's, each overridden by the action's own.
Factors read_action_factors(const Source& src, const toml::table& t,
                            const std::map<std::string, Factors, std::less<>>& categories) {
  Factors f;
  if (const toml::node* c = t.get("category")) {
    const std::string name = text_of(src, *c, "\"category\"");
    const auto found = categories.find(name);
    if (found == categories.end())
      src.fail(*c, "no category " + quoted_name(name) + " is given in [categories]");
    f = found->second;
  }
  read_factors(src, t, f);
  return f;
}

// A name that joins actions ("source", "group"), or empty when not given.
std::string read_joining_name(const Source& src, const toml::table& t, std::string_view key) {
  const toml::node* n = t.get(key);
  if (n == nullptr) return {};
  const std::string quoted_key = quoted_name(key);
  std::string name = text_of(src, *n, quoted_key);
  if (name.empty()) src.fail(*n, quoted_key + " is empty");
  return name;
}

// Before any factor is read, so that a misspelt one is named as such.
void refuse_unknown_action_keys(const Source& src, const toml::table& t, ActionKind kind) {
  if (kind == ActionKind::permanent)
    refuse_unknown_keys(src, t,
                        {"case", "kind", "category", "gamma_sup", "gamma_inf", "source", "description"},
                        "a permanent action");
  else
    refuse_unknown_keys(src, t,
                        {"case", "kind", "category", "gamma", "psi0", "psi1", "psi2", "group", "description"},
                        "a variable action");
}

void read_permanent(const Source& src, const toml::table& t, const std::vector<CombinationSet>& sets,
                    const std::string& action, Action& a) {
  if (wants(sets, CombinationSet::uls)) {
    require_factor(src, t, a.gamma_sup, "gamma_sup", action, "uls");
    require_factor(src, t, a.gamma_inf, "gamma_inf", action, "uls");
  }
  a.source_name = read_joining_name(src, t, "source");
}

void read_variable(const Source& src, const toml::table& t, const std::vector<CombinationSet>& sets,
                   const std::string& action, Action& a) {
  if (wants(sets, CombinationSet::uls)) {
    require_factor(src, t, a.gamma, "gamma", action, "uls");
    require_factor(src, t, a.psi0, "psi0", action, "uls");
  }
  if (wants(sets, CombinationSet::sls_characteristic))
    require_factor(src, t, a.psi0, "psi0", action, "sls_characteristic");
  if (wants(sets, CombinationSet::sls_frequent)) {
    require_factor(src, t, a.psi1, "psi1", action, "sls_frequent");
    require_factor(src, t, a.psi2, "psi2", action, "sls_frequent");
  }
  if (wants(sets, CombinationSet::sls_quasi_permanent))
    require_factor(src, t, a.psi2, "psi2", action, "sls_quasi_permanent");
  a.group_name = read_joining_name(src, t, "group");
}

Action read_action(const Source& src, const toml::table& t, std::size_t position,
                   const std::map<std::string, Factors, std::less<>>& categories,
                   const std::vector<CombinationSet>& sets) {
  Action a;
  a.name = read_case_name(src, t, position);
  const std::string action = "the action " + quoted_name(a.name);
  a.description = read_description(src, t);
  a.kind = read_kind(src, t, action);
  refuse_unknown_action_keys(src, t, a.kind);
  const Factors f = read_action_factors(src, t, categories);
  a.gamma_sup = f.gamma_sup;
  a.gamma_inf = f.gamma_inf;
  a.gamma = f.gamma;
  a.psi0 = f.psi0;
  a.psi1 = f.psi1;
  a.psi2 = f.psi2;
  if (a.kind == ActionKind::permanent)
    read_permanent(src, t, sets, action, a);
  else
    read_variable(src, t, sets, action, a);
  return a;
}

// Numbers sources and groups in the order of their first action; an action
// without a source is a source of its own. A group of one action is a
// mistake: it excludes nothing.
void number_sources_and_groups(const Source& src, Rules& rules,
                               const std::vector<const toml::table*>& tables) {
  std::map<std::string, int, std::less<>> sources, groups;
  std::map<int, std::size_t> group_size, group_first;
  for (std::size_t k = 0; k < rules.actions.size(); ++k) {
    Action& a = rules.actions[k];
    if (a.kind == ActionKind::permanent) {
      if (a.source_name.empty())
        a.source = rules.sources++;
      else if (auto it = sources.find(a.source_name); it != sources.end())
        a.source = it->second;
      else
        a.source = sources[a.source_name] = rules.sources++;
    } else if (!a.group_name.empty()) {
      if (auto it = groups.find(a.group_name); it != groups.end())
        a.group = it->second;
      else {
        a.group = groups[a.group_name] = rules.groups++;
        group_first[a.group] = k;
      }
      ++group_size[a.group];
    }
  }
  for (const auto& [group, size] : group_size)
    if (size == 1) {
      const std::size_t k = group_first[group];
      src.fail(*tables[k]->get("group"),
               "the group " + quoted_name(rules.actions[k].group_name) +
                   " names this action only; a group holds the actions that never act together");
    }
}

}  // namespace

Rules parse_rules(std::string_view text, const std::string& file, std::vector<std::string>& warnings) {
  const Source src(text, file);
  toml::table root;
  try {
    root = toml::parse(text, file);
  } catch (const toml::parse_error& e) {
    src.fail(e.source(), std::string(e.description()) + src.decimal_comma_hint(e.source().begin));
  }
  refuse_unknown_keys(src, root, {"titles", "sets", "units", "actions", "categories"}, "the rules file");
  Rules rules;
  rules.titles = read_titles(src, root, warnings);
  rules.sets = read_sets(src, root);
  rules.units = read_units(src, root);
  const auto categories = read_categories(src, root);

  const toml::node& actions_node = required(src, root, "actions", "the rules file");
  const toml::array* actions = actions_node.as_array();
  if (actions == nullptr || !actions->is_array_of_tables())
    src.fail(actions_node, "\"actions\" must be a list of tables, each begun by [[actions]], not " +
                               found_text(src, actions_node));
  if (actions->empty()) src.fail(actions_node, "\"actions\" is empty");
  std::vector<const toml::table*> tables;
  std::map<std::string, std::size_t, std::less<>> seen;
  for (const toml::node& entry : *actions) {
    const toml::table& t = *entry.as_table();
    tables.push_back(&t);
    rules.actions.push_back(read_action(src, t, tables.size(), categories, rules.sets));
    const std::string& name = rules.actions.back().name;
    if (auto [it, fresh] = seen.emplace(name, tables.size()); !fresh)
      src.fail(*t.get("case"), "the case name " + quoted_name(name) + " is given to action " +
                                   std::to_string(it->second) + " already");
  }
  number_sources_and_groups(src, rules, tables);
  return rules;
}

Rules read_rules_file(const std::string& file, std::vector<std::string>& warnings) {
  const std::string text =
      cli::file_text(file, "the rules file cannot be opened", "the rules file cannot be read");
  return parse_rules(text, file, warnings);
}

}  // namespace toval::tools::combinations
