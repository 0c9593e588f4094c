#include "tools/combinations/combination_words.h"

#include <algorithm>
#include <filesystem>

namespace toval::tools::combinations {

namespace {

struct Words {
  std::string_view generated, permanent, variable, source, group;
  std::string_view leading, accompanying, unfavourable, favourable, variables, none;
};

constexpr Words PORTUGUESE{
    "COMBINACOES GERADAS DAS REGRAS DE ",
    "PERMANENTE",
    "VARIAVEL",
    "ORIGEM",
    "GRUPO",
    "PRINCIPAL",
    "ACOMPANHANTES",
    "DESFAVORAVEIS",
    "FAVORAVEIS",
    "VARIAVEIS",
    "NENHUMA",
};

constexpr Words ENGLISH{
    "COMBINATIONS GENERATED FROM THE RULES OF ",
    "PERMANENT",
    "VARIABLE",
    "SOURCE",
    "GROUP",
    "LEADING",
    "ACCOMPANYING",
    "UNFAVOURABLE",
    "FAVOURABLE",
    "VARIABLE",
    "NONE",
};

const Words& words(Language language) {
  return language == Language::pt ? PORTUGUESE : ENGLISH;
}

std::string names(const Rules& rules, const std::vector<std::size_t>& actions) {
  std::string text;
  for (std::size_t k : actions) text += (text.empty() ? "" : " ") + rules.actions[k].name;
  return text;
}

std::string part(std::string_view label, const std::string& value) {
  return " - " + std::string(label) + ": " + value;
}

}  // namespace

std::string first_record_text(const std::string& rules_file, Language language) {
  std::string name = std::filesystem::path(rules_file).filename().string();
  // A control character would end or corrupt the record.
  std::replace_if(
      name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
  return std::string(words(language).generated) + name;
}

std::string case_description(const Action& action, Language language) {
  const Words& w = words(language);
  if (action.kind == ActionKind::permanent) {
    std::string text(w.permanent);
    if (!action.source_name.empty()) text += part(w.source, action.source_name);
    return text;
  }
  std::string text(w.variable);
  if (!action.group_name.empty()) text += part(w.group, action.group_name);
  return text;
}

std::string header_text(const Rules& rules, const Combination& c, Language language) {
  const Words& w = words(language);
  std::string text = std::string(cli::set_label(c.set, language)) + " " + std::to_string(c.number);
  if (c.set == CombinationSet::sls_quasi_permanent) {
    text += part(w.variables, c.accompanying.empty() ? std::string(w.none) : names(rules, c.accompanying));
    return text;
  }
  text += part(w.leading,
               c.leading < 0 ? std::string(w.none) : rules.actions[static_cast<std::size_t>(c.leading)].name);
  if (!c.accompanying.empty()) text += part(w.accompanying, names(rules, c.accompanying));
  if (c.set != CombinationSet::uls) return text;
  std::vector<std::size_t> unfavourable;
  for (std::size_t k = 0; k < rules.actions.size(); ++k)
    if (rules.actions[k].kind == ActionKind::permanent &&
        std::find(c.favourable.begin(), c.favourable.end(), k) == c.favourable.end())
      unfavourable.push_back(k);
  if (!unfavourable.empty()) text += part(w.unfavourable, names(rules, unfavourable));
  if (!c.favourable.empty()) text += part(w.favourable, names(rules, c.favourable));
  return text;
}

}  // namespace toval::tools::combinations
