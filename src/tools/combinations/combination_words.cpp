#include "tools/combinations/combination_words.h"

#include <algorithm>
#include <filesystem>

#include "tools/cli/catalogue.h"

namespace toval::tools::combinations {

namespace {

// The sets' labels are cli's (set_label), which every subcommand reads back.
enum class FileWord {
  generated,  // %1 the rules file's name
  permanent,
  variable,
  source,
  group,
  leading,
  accompanying,
  unfavourable,
  favourable,
  variables,
  none,
  count  // not a word: the number of keys
};

constexpr cli::TextRow<FileWord> WORDS[] = {
    {FileWord::generated, "COMBINACOES GERADAS DAS REGRAS DE %1",
     "COMBINATIONS GENERATED FROM THE RULES OF %1"},
    {FileWord::permanent, "PERMANENTE", "PERMANENT"},
    {FileWord::variable, "VARIAVEL", "VARIABLE"},
    {FileWord::source, "ORIGEM", "SOURCE"},
    {FileWord::group, "GRUPO", "GROUP"},
    {FileWord::leading, "PRINCIPAL", "LEADING"},
    {FileWord::accompanying, "ACOMPANHANTES", "ACCOMPANYING"},
    {FileWord::unfavourable, "DESFAVORAVEIS", "UNFAVOURABLE"},
    {FileWord::favourable, "FAVORAVEIS", "FAVOURABLE"},
    {FileWord::variables, "VARIAVEIS", "VARIABLE"},
    {FileWord::none, "NENHUMA", "NONE"},
};
static_assert(cli::covers_every_key(WORDS));

using FileWords = cli::Catalogue<FileWord>;

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
  return FileWords(WORDS, language).format(FileWord::generated, {name});
}

std::string case_description(const Action& action, Language language) {
  const FileWords w(WORDS, language);
  if (action.kind == ActionKind::permanent) {
    std::string text(w(FileWord::permanent));
    if (!action.source_name.empty()) text += part(w(FileWord::source), action.source_name);
    return text;
  }
  std::string text(w(FileWord::variable));
  if (!action.group_name.empty()) text += part(w(FileWord::group), action.group_name);
  return text;
}

std::string header_text(const Rules& rules, const Combination& c, Language language) {
  const FileWords w(WORDS, language);
  const std::string none(w(FileWord::none));
  std::string text = std::string(cli::set_label(c.set, language)) + " " + std::to_string(c.number);
  if (c.set == CombinationSet::sls_quasi_permanent) {
    text += part(w(FileWord::variables), c.accompanying.empty() ? none : names(rules, c.accompanying));
    return text;
  }
  text += part(w(FileWord::leading),
               c.leading < 0 ? none : rules.actions[static_cast<std::size_t>(c.leading)].name);
  if (!c.accompanying.empty()) text += part(w(FileWord::accompanying), names(rules, c.accompanying));
  if (c.set != CombinationSet::uls) return text;
  std::vector<std::size_t> unfavourable;
  for (std::size_t k = 0; k < rules.actions.size(); ++k)
    if (rules.actions[k].kind == ActionKind::permanent &&
        std::find(c.favourable.begin(), c.favourable.end(), k) == c.favourable.end())
      unfavourable.push_back(k);
  if (!unfavourable.empty()) text += part(w(FileWord::unfavourable), names(rules, unfavourable));
  if (!c.favourable.empty()) text += part(w(FileWord::favourable), names(rules, c.favourable));
  return text;
}

}  // namespace toval::tools::combinations
