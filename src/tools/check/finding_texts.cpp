#include "tools/check/finding_texts.h"

#include "tools/cli/catalogue.h"

namespace toval::tools::check {

namespace {

constexpr std::string_view KIND_NAMES[] = {
    "shifted-value", "beyond-last-column", "cut-short",   "miscased-marker", "case-name",
    "decimal-comma", "term-case",          "unused-case", "case-entry",      "record-numbering",
    "second-block",  "section-numbering",  "geometry",    "record-shift",    "run-error",
};
static_assert(std::size(KIND_NAMES) == static_cast<std::size_t>(Kind::count));

using Row = cli::TextRow<Text>;

// Phrases that end in "so " or "; " are followed by another phrase.
constexpr Row TEXTS[] = {
    {Text::as_written, "%1", "%1"},
    {Text::run_error, "%1 (o toval para aqui com o erro de execução %2)",
     "%1 (toval stops here with run-time error %2)"},
    {Text::count_one, "1 aviso", "1 warning"},
    {Text::count_many, "%1 avisos", "%1 warnings"},
    {Text::count_with_error, "%1, 1 erro", "%1, 1 error"},
    {Text::shift_extra_one,
     "o bloco do caso %1 (cabeçalho na linha %2) tem uma linha a mais até este registro, provavelmente a "
     "linha %3: os registros do bloco são contados a partir do cabeçalho, então ",
     "case block %1 (heading at line %2) holds a line too many up to this record, probably line %3: the "
     "block's records are counted from its heading, so "},
    {Text::shift_extra_many,
     "o bloco do caso %1 (cabeçalho na linha %2) tem %4 linhas a mais até este registro, provavelmente a "
     "partir da linha %3: os registros do bloco são contados a partir do cabeçalho, então ",
     "case block %1 (heading at line %2) holds %4 lines too many up to this record, probably from line %3 "
     "on: the block's records are counted from its heading, so "},
    {Text::shift_missing_one,
     "falta uma linha no bloco do caso %1 (cabeçalho na linha %2), provavelmente logo antes da linha %3: os "
     "registros do bloco são contados a partir do cabeçalho, então ",
     "case block %1 (heading at line %2) lacks a line, probably just before line %3: the block's records "
     "are counted from its heading, so "},
    {Text::shift_missing_many,
     "faltam %4 linhas no bloco do caso %1 (cabeçalho na linha %2), provavelmente logo antes da linha %3: "
     "os registros do bloco são contados a partir do cabeçalho, então ",
     "case block %1 (heading at line %2) lacks %4 lines, probably just before line %3: the block's records "
     "are counted from its heading, so "},
    {Text::shift_missing_node,
     "falta o registro do nó %4 no bloco do caso %1 (cabeçalho na linha %2), logo antes da linha %3: os "
     "registros do bloco são contados a partir do cabeçalho, então ",
     "case block %1 (heading at line %2) lacks the record of node %4, just before line %3: the block's "
     "records are counted from its heading, so "},
    {Text::shift_in_displacements,
     "os deslocamentos a partir do nó %1 são procurados nos registros errados, e todo esforço de "
     "extremidade das barras do bloco é lido ",
     "the displacements from node %1 on are looked for in the wrong records, and every end force of the "
     "block's bars is read "},
    {Text::shift_in_bar_groups,
     "os esforços de extremidade da barra %1 e de todas as barras seguintes do bloco são lidos ",
     "the end forces of bar %1 and of every later bar of the block are read "},
    {Text::shift_in_resultants,
     "as resultantes do nó %1 e de todos os nós seguintes (as reações dos apoios) são lidas ",
     "the resultants of node %1 and of every later node (the supports' reactions) are read "},
    {Text::offset_late_one, "um registro atrasados", "one record late"},
    {Text::offset_late_many, "%1 registros atrasados", "%1 records late"},
    {Text::offset_early_one, "um registro adiantados", "one record early"},
    {Text::offset_early_many, "%1 registros adiantados", "%1 records early"},
    {Text::advice_remove_line, "; remova a linha a mais", "; remove the extra line"},
    {Text::advice_restore_line, "; escreva a linha que falta", "; write the missing line"},
    {Text::blank_end_force,
     "esta linha do bloco do caso %1 (cabeçalho na linha %2) está em branco onde o bloco traz o registro "
     "da extremidade %3 da barra %4: ela é lida como esforços nulos; escreva o registro",
     "this line of case block %1 (heading at line %2) is blank where the block holds the record of end %3 "
     "of bar %4: it reads as zero forces; write the record"},
    {Text::titles_extra,
     "a seção %1 (cabeçalho na linha %2) tem uma linha a mais entre o cabeçalho e o primeiro registro, "
     "provavelmente a linha %3: as %4 linhas após o cabeçalho são puladas, então esta linha é lida como o "
     "primeiro registro; remova a linha a mais",
     "section %1 (heading at line %2) holds a line too many between its heading and its first record, "
     "probably line %3: the %4 lines after the heading are passed over, so this line is read as the first "
     "record; remove the extra line"},
    {Text::titles_missing,
     "falta uma linha entre o cabeçalho da seção %1 (linha %2) e seu primeiro registro: as %4 linhas após "
     "o cabeçalho são puladas, então o registro da linha %3 é pulado como título e cada registro seguinte, "
     "este incluído, toma o lugar do anterior; escreva a linha que falta",
     "section %1 (heading at line %2) lacks a line between its heading and its first record: the %4 lines "
     "after the heading are passed over, so the record on line %3 is passed over as a title and every later "
     "record, this one included, takes the place of the one before it; write the missing line"},
    {Text::list_ended_early,
     "esta linha em branco encerra a lista da seção %1, mas a linha %2 segue com o registro %3: os "
     "registros depois dela não são lidos; remova a linha em branco",
     "this blank line ends the list of section %1, but line %2 goes on with record %3: the records after "
     "it are not read; remove the blank line"},
    {Text::nodes_short,
     "a lista de nós termina aqui, após %1 registros, mas o bloco do caso %2 traz na linha %3 o "
     "deslocamento do nó %4: o registro do último nó falta provavelmente na seção, e o nó, seus "
     "deslocamentos e suas reações ficam de fora; escreva o registro que falta",
     "the node list ends here after %1 records, but case block %2 holds the displacement of node %4 on "
     "line %3: the record of the last node is probably missing from the section, and the node, its "
     "displacements and its reactions are left out; write the missing record"},
    {Text::bars_short,
     "a lista de barras termina aqui, após %1 registros, mas o bloco do caso %2 traz na linha %3 os "
     "esforços da barra %4: o registro da última barra falta provavelmente na seção, e seus esforços "
     "ficam de fora do relatório; escreva o registro que falta",
     "the bar list ends here after %1 records, but case block %2 holds the end forces of bar %4 on line "
     "%3: the record of the last bar is probably missing from the section, and its forces are left out "
     "of the report; write the missing record"},
};
static_assert(cli::covers_every_key(TEXTS));

}  // namespace

std::string_view kind_name(Kind kind) {
  return KIND_NAMES[static_cast<std::size_t>(kind)];
}

std::string text_of(const std::vector<Phrase>& phrases, cli::Language language) {
  const cli::Catalogue<Text> texts(TEXTS, language);
  std::string out;
  for (const Phrase& p : phrases) {
    out += cli::fill_in(texts(p.key), std::span<const std::string>(p.args));
  }
  return out;
}

}  // namespace toval::tools::check
