#include "tools/diff/diff_words.h"

namespace toval::tools::diff {

namespace {

using Row = cli::TextRow<DiffText>;

// The sets by the labels that the combination files' header records carry.
constexpr Row ROWS[] = {
    {DiffText::summary, "RESUMO", "SUMMARY"},
    {DiffText::largest_of, "as %1 maiores de %2 alteracoes", "the %1 largest of %2 changes"},
    {DiffText::counts, "CONTAGEM POR TABELA", "COUNT BY TABLE"},
    {DiffText::reaction_envelope, "ENVOLTORIA DAS REACOES", "ENVELOPE OF REACTIONS"},
    {DiffText::member, "membro", "member"},
    {DiffText::bar_member, "barra %1", "bar %1"},
    {DiffText::pair_member, "barras %1/%2", "bars %1/%2"},
    {DiffText::node_member, "no %1", "node %1"},
    {DiffText::renumbered, "antes %1", "was %1"},
    {DiffText::set_uls, "ELU", "ULS"},
    {DiffText::set_sls_characteristic, "ELS CARACTERISTICA", "SLS CHARACTERISTIC"},
    {DiffText::set_sls_frequent, "ELS FREQUENTE", "SLS FREQUENT"},
    {DiffText::set_sls_quasi_permanent, "ELS QUASE PERMANENTE", "SLS QUASI-PERMANENT"},
};
static_assert(cli::covers_every_key(ROWS));

}  // namespace

DiffWords diff_words(cli::Language language) {
  return DiffWords(ROWS, language);
}

std::string set_title(const DiffWords& words, const std::string& set) {
  static constexpr std::pair<const char*, DiffText> KEYS[] = {
      {"uls", DiffText::set_uls},
      {"sls_characteristic", DiffText::set_sls_characteristic},
      {"sls_frequent", DiffText::set_sls_frequent},
      {"sls_quasi_permanent", DiffText::set_sls_quasi_permanent}};
  for (const auto& [key, text] : KEYS)
    if (set == key) return std::string(words(text));
  return set;
}

}  // namespace toval::tools::diff
