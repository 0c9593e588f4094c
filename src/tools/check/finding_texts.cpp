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
    {Text::inner_blank,
     "brancos dentro do número %1 (colunas %2-%3): os brancos são ignorados, então ele é lido como %4; "
     "provavelmente um valor deslocado de uma coluna: escreva cada valor dentro de suas próprias colunas",
     "blanks inside the number %1 (columns %2-%3): blanks are ignored, so it reads as %4; a value shifted "
     "by a column, probably: write each value within its own columns"},
    {Text::runs_into_next,
     "o número %1 (colunas %2-%3) encosta no campo seguinte, cujo texto %4 começa na coluna %5: eles são "
     "lidos como %6 e %7, cada um de suas próprias colunas; provavelmente um valor deslocado de uma coluna: "
     "deixe um branco entre os valores",
     "the number %1 (columns %2-%3) runs into the next field, whose text %4 starts in column %5: they read "
     "as %6 and %7, each from its own columns; a value shifted by a column, probably: leave a blank between "
     "values"},
    {Text::decimal_comma_field,
     "uma vírgula decimal no número %1 (colunas %2-%3): a vírgula encerra o campo, então ele é lido como %4 "
     "e os algarismos depois dela passam para o campo seguinte; escreva o número com ponto decimal",
     "a decimal comma in the number %1 (columns %2-%3): a comma ends the field, so it reads as %4 and the "
     "digits after it pass into the next field; write the number with a decimal point"},
    {Text::beyond_last_column,
     "o número %1 (colunas %2-%3) continua além da coluna %4 como %5: a execução lê só as colunas 1-%4, "
     "então lê %1 em vez de %6; provavelmente um valor deslocado para a direita: escreva cada valor dentro "
     "de suas próprias colunas",
     "the number %1 (columns %2-%3) goes on beyond column %4 as %5: the run reads columns 1-%4 only, so it "
     "reads %1 for %6; a value shifted to the right, probably: write each value within its own columns"},
    {Text::cut_short,
     "o arquivo termina no meio do número %1 (colunas %2-%3): sua última linha para na coluna %4 sem fim "
     "de linha, e as colunas que faltam são lidas como brancos; provavelmente o arquivo foi cortado: "
     "escreva o resto do registro",
     "the file ends in the middle of the number %1 (columns %2-%3): its last line stops at column %4 "
     "without a line end, and the missing columns read as blanks; the file was cut short, probably: write "
     "the rest of the record"},
    {Text::miscased_marker,
     "as colunas 1-4 trazem %1, que não é o marcador %2: os marcadores são escritos em maiúsculas, então "
     "esta linha é lida como ",
     "columns 1-4 hold %1, which is not the marker %2: markers are written in capitals, so this line is "
     "read as "},
    {Text::read_as_head, "uma linha do cabeçalho do arquivo", "a line of the head of the file"},
    {Text::read_as_case_entry, "uma linha da entrada do caso %1", "a line of the entry of case %1"},
    {Text::read_as_after_entry, "o registro de nome de um caso depois do caso %1",
     "the name record of a case after case %1"},
    {Text::read_as_after_case_list, "o cabeçalho da combinação 1", "the header of combination 1"},
    {Text::read_as_term, "um registro de termo da combinação %1", "a term record of combination %1"},
    {Text::read_as_after_combination, "o cabeçalho de uma combinação depois da combinação %1",
     "the header of a combination after combination %1"},
    {Text::write_marker, "; escreva %1", "; write %1"},
    {Text::case_blank_name,
     "o caso %1 tem nome em branco (colunas 1-4): a execução procura um bloco de caso encabeçado por "
     "quatro brancos para seus deslocamentos e reações; escreva o nome do caso nas colunas 1-4",
     "case %1 has a blank name (columns 1-4): the run looks for a case block headed with four blanks for "
     "its displacements and reactions; write the case name in columns 1-4"},
    {Text::case_repeated_name,
     "o caso %1 repete o nome %2 do caso %3 (linha %4): os dois leem o primeiro bloco de caso com esse "
     "nome, então seus deslocamentos e reações saem duas vezes no relatório; dê a cada caso seu próprio nome",
     "case %1 repeats the name %2 of case %3 (line %4): both read the first case block of that name, so its "
     "displacements and reactions are reported twice; give each case its own name"},
    {Text::term_decimal_comma,
     "uma vírgula encerra o multiplicador do termo %1 da combinação %2: %3 é lido como multiplicador %4 e "
     "caso %5; escreva o multiplicador com ponto decimal",
     "a comma ends the multiplier of term %1 of combination %2: %3 reads as multiplier %4 and case %5; "
     "write the multiplier with a decimal point"},
    {Text::term_blank_case,
     "o termo %1 da combinação %2 não tem nome de caso (uma linha em branco na lista de termos?): a "
     "execução procura um bloco de caso com nome em branco e o soma na combinação; remova a linha ou "
     "escreva o nome do caso",
     "term %1 of combination %2 has no case name (a blank line in the term list?): the run looks for a case "
     "block with a blank name and adds it into the combination; remove the line or write the case name"},
    {Text::term_unknown_case,
     "o termo %1 da combinação %2 nomeia o caso %3, que não está na lista de casos: ele é combinado, mas "
     "seus deslocamentos e reações não saem no relatório; acrescente o caso à lista ou corrija o nome",
     "term %1 of combination %2 names case %3, which is not in the case list: it is combined, but its "
     "displacements and reactions are not reported; add the case to the list, or correct the name"},
    {Text::unused_case,
     "o caso %1 não está em nenhuma combinação: seus deslocamentos e reações saem no relatório, mas nenhum "
     "esforço combinado o inclui; acrescente-o às combinações que precisam dele ou remova-o da lista",
     "case %1 is in no combination: its displacements and reactions are reported, but no combined force "
     "includes it; add it to the combinations that need it, or remove it from the list"},
    {Text::entry_over_fime_alone,
     "a entrada do caso %1 (linha %2) passa por cima deste \"FIME\", que encerraria a lista de casos: o "
     "arquivo não dá combinações, então a entrada segue até o fim do arquivo e a execução para ali; "
     "provavelmente falta um \"FIMC\" antes desta linha",
     "the entry of case %1 (line %2) passes over this \"FIME\", which would end the case list: the file "
     "gives no combinations, so the entry runs on to the end of the file and the run stops there; a "
     "\"FIMC\" is probably missing before this line"},
    {Text::entry_over_fime_before_combinations,
     "a entrada do caso %1 (linha %2) passa por cima deste \"FIME\", que encerraria a lista de casos: a "
     "lista de casos avança sobre as combinações, cujas linhas são lidas como casos; provavelmente falta "
     "um \"FIMC\" antes desta linha",
     "the entry of case %1 (line %2) passes over this \"FIME\", which would end the case list: the case "
     "list runs on into the combinations, whose lines are read as cases; a \"FIMC\" is probably missing "
     "before this line"},
    {Text::entry_over_block,
     "a entrada do caso %1 (linha %2) passa por cima desta linha, cujas colunas 1-4 nomeiam o bloco de "
     "caso %3 do arquivo de esforços: o caso %3 não está na lista de casos, então seus deslocamentos e "
     "reações não saem no relatório; provavelmente falta um \"FIMC\" antes desta linha",
     "the entry of case %1 (line %2) passes over this line, whose columns 1-4 name the case block %3 of the "
     "forces file: case %3 is not in the case list, so its displacements and reactions are not reported; a "
     "\"FIMC\" is probably missing before this line"},
    {Text::displacement_numbering,
     "o registro de deslocamento %1 do bloco do caso %2 traz o número de nó %3: os nós característicos "
     "são achados pelo número escrito, então um nó escolhido cujo número falta fica com zero ou com os "
     "valores do caso anterior; numere os registros 1, 2, 3 ... na ordem da seção de nós",
     "displacement record %1 of case block %2 carries node number %3: the characteristic nodes are found by "
     "the number written, so a chosen node whose number is missing keeps zero or the previous case's "
     "values; number the records 1, 2, 3 ... in the order of the node section"},
    {Text::bar_group_numbering,
     "o grupo de barra %1 do bloco do caso %2 traz o número de barra %3: os esforços de extremidade são "
     "tomados pela posição, então a barra %1 recebe os esforços escritos aqui; liste os grupos na ordem da "
     "seção de barras",
     "bar group %1 of case block %2 carries bar number %3: end forces are taken by position, so bar %1 gets "
     "the forces written here; list the groups in the order of the bar section"},
    {Text::resultant_numbering,
     "o registro de resultante %1 do bloco do caso %2 traz o número de nó %3: as resultantes são tomadas "
     "pela posição, então as reações do nó %1 vêm deste registro; liste os registros na ordem da seção de "
     "nós",
     "resultant record %1 of case block %2 carries node number %3: resultants are taken by position, so "
     "the reactions of node %1 come from this record; list the records in the order of the node section"},
    {Text::more_records, " (e mais %1 registros desta lista)", " (and %1 more records of this list)"},
    {Text::second_case_block,
     "um segundo bloco de caso com o nome %1 (o primeiro está na linha %2): toda etapa lê o primeiro, "
     "então este nunca é lido; dê a ele seu próprio nome ou remova-o",
     "a second case block named %1 (the first is at line %2): every step reads the first, so this one is "
     "never read; give it its own name or remove it"},
    {Text::node_numbering, "o registro de nó %1 traz o número de nó %2",
     "node record %1 carries node number %2"},
    {Text::bar_numbering, "o registro de barra %1 traz o número de barra %2",
     "bar record %1 carries bar number %2"},
    {Text::node_given_already, ", que o registro de nó %1 (linha %2) já traz",
     ", which node record %1 (line %2) carries already"},
    {Text::bar_given_already, ", que o registro de barra %1 (linha %2) já traz",
     ", which bar record %1 (line %2) carries already"},
    {Text::number_below_1, ", menor que 1", ", below 1"},
    {Text::node_number_follows, ", e o número de nó %1 vem na linha %2",
     ", and node number %1 follows at line %2"},
    {Text::bar_number_follows, ", e o número de barra %1 vem na linha %2",
     ", and bar number %1 follows at line %2"},
    {Text::node_number_absent, ", e nenhum registro traz o número de nó %1",
     ", and no record carries node number %1"},
    {Text::bar_number_absent, ", e nenhum registro traz o número de barra %1",
     ", and no record carries bar number %1"},
    {Text::node_repeated_change,
     ": os nós são tomados pela posição, então este registro é o nó %1 para as barras, a tabela de "
     "deslocamentos e as reações (se for um segundo registro do nó %2, todo nó seguinte fica uma posição "
     "fora do lugar); numere os nós 1, 2, 3 ... na ordem de seus registros",
     ": nodes are taken by position, so this record is node %1 to the bars, the displacement table and the "
     "reactions (if it is a second record of node %2, every later node is one place off); number the nodes "
     "1, 2, 3 ... in the order of their records"},
    {Text::node_moved_change,
     ": os nós são tomados pela posição, então as barras que nomeiam o nó %1 recebem as coordenadas "
     "escritas para o nó %2, e a tabela de deslocamentos e as reações o chamam de nó %1; numere os nós 1, "
     "2, 3 ... na ordem de seus registros",
     ": nodes are taken by position, so bars that name node %1 get the coordinates written for node %2, and "
     "the displacement table and the reactions call it node %1; number the nodes 1, 2, 3 ... in the order "
     "of their records"},
    {Text::bar_change,
     ": as barras são tomadas pela posição, então o relatório mostra a barra deste registro como barra %1, "
     "com os esforços de extremidade do grupo de barra %1 de cada bloco de caso; numere as barras 1, 2, "
     "3 ... na ordem de seus registros",
     ": bars are taken by position, so the report shows the bar of this record as bar %1, with the end "
     "forces of bar group %1 of every case block; number the bars 1, 2, 3 ... in the order of their "
     "records"},
    {Text::node_misplaced_by_bar,
     "o nó %1 está em %2, mas o comprimento e o cosseno que a barra %3 lista o põem em %4: o eixo de "
     "simetria, os pares simétricos e os nós característicos são achados pelas coordenadas; provavelmente "
     "uma coordenada digitada errada: confira o registro deste nó",
     "node %1 lies at %2, but the lengths and cosines that bar %3 list put it at %4: the symmetry axis, the "
     "mirror pairs and the characteristic nodes are found from the coordinates; a mistyped coordinate, "
     "probably: check this node's record"},
    {Text::node_misplaced_by_bars,
     "o nó %1 está em %2, mas os comprimentos e cossenos que as barras %3 e %5 listam o põem em %4: o eixo "
     "de simetria, os pares simétricos e os nós característicos são achados pelas coordenadas; "
     "provavelmente uma coordenada digitada errada: confira o registro deste nó",
     "node %1 lies at %2, but the lengths and cosines that bars %3 and %5 list put it at %4: the symmetry "
     "axis, the mirror pairs and the characteristic nodes are found from the coordinates; a mistyped "
     "coordinate, probably: check this node's record"},
    {Text::bar_misfit,
     "a barra %1 lista o comprimento %2 e o cosseno %3, mas seus nós %4 e %5 distam %6 com cosseno %7",
     "bar %1 lists the length %2 and the cosine %3, but its nodes %4 and %5 are %6 apart at a cosine of %7"},
    {Text::bar_misfit_beyond, " (a seção de nós lista %1 nós: um nó além deles fica em 0, 0)",
     " (the node section lists %1 nodes: a node past them lies at 0, 0)"},
    {Text::bar_misfit_why,
     ": as barras simétricas são pareadas pelos comprimentos e cossenos listados e pelos pontos médios de "
     "seus nós; ",
     ": mirror bars are paired by their listed lengths and cosines and by the midpoints of their nodes; "},
    {Text::fits_initial_node, "nó inicial %1", "initial node %1"},
    {Text::fits_final_node, "nó final %1", "final node %1"},
    {Text::list_comma, ", ", ", "},
    {Text::list_or, " ou ", " or "},
    {Text::would_fit, " serviria: confira os números de nó deste registro",
     " would fit: check the node numbers of this record"},
    {Text::several_would_fit,
     "vários outros números de nó serviriam: confira os números de nó deste registro",
     "several other node numbers would fit: check the node numbers of this record"},
    {Text::none_would_fit,
     "nenhum outro número de nó serve: confira o comprimento, o cosseno e os números de nó deste registro",
     "no other node number fits: check the length, the cosine and the node numbers of this record"},
    {Text::node_off_axis,
     "o nó %1 está em %2, onde nenhum nó o espelha em relação ao eixo x = %3 que todos os outros nós "
     "respeitam: em %4 ",
     "node %1 lies at %2, where no node mirrors it about the axis x = %3 that every other node keeps: at "
     "%4 "},
    {Text::would_lie_on_axis, "ficaria sobre o eixo", "it would lie on the axis"},
    {Text::would_mirror_node, "espelharia o nó %1", "it would mirror node %1"},
    {Text::would_pair, ", e a execução parearia %1 das %2 barras em vez de %3",
     ", and the run would pair %1 of the %2 bars instead of %3"},
    {Text::or_other_node, " (ou o nó %1 em %2: a listagem não diz qual)",
     " (or node %1 at %2: the listing does not tell which)"},
    {Text::axis_and_advice,
     " (o eixo da execução, a abscissa média dos nós, é x = %1); provavelmente uma coordenada digitada "
     "errada ou arredondada: confira o registro deste nó",
     " (its axis, the mean abscissa of the nodes, is x = %1); a mistyped or rounded coordinate, probably: "
     "check this node's record"},
    {Text::near_mirror_bars,
     "a barra %1 não tem barra simétrica, mas a barra %2 seria sua simétrica se a tolerância %3 fosse %4: "
     "o relatório lista as duas barras separadas em vez de como um par; provavelmente uma coordenada, um "
     "comprimento ou um cosseno arredondado: confira os das duas barras e de seus nós",
     "bar %1 has no mirror bar, but bar %2 would mirror it if the tolerance %3 were %4: the report lists "
     "the two bars apart instead of as a pair; a rounded coordinate, length or cosine, probably: check "
     "those of both bars and of their nodes"},
    {Text::left_node_role,
     "o nó %1, nó esquerdo da tabela de deslocamentos (o nó mais alto da linha mais à esquerda)",
     "node %1, the left node of the displacement table (the highest node on the leftmost line)"},
    {Text::centre_node_role,
     "o nó %1, nó central da tabela de deslocamentos (o nó mais baixo sobre o eixo de simetria)",
     "node %1, the centre node of the displacement table (the lowest node on the symmetry axis)"},
    {Text::right_node_role,
     "o nó %1, nó direito da tabela de deslocamentos (o nó mais alto da linha mais à direita)",
     "node %1, the right node of the displacement table (the highest node on the rightmost line)"},
    {Text::support_node,
     ", é um apoio: o relatório lhe dá os deslocamentos de um apoio, zero onde restringido; confira os "
     "códigos de restrição dos nós dessa linha",
     ", is a support: the report gives it a support's displacements, zero where restrained; check the "
     "restraint codes of the nodes on that line"},
    {Text::block_named_by_no_action,
     "o bloco de caso %1 não é nomeado por nenhuma ação do arquivo de regras, então seus resultados não "
     "entram em nenhuma combinação",
     "the case block %1 is named by no action of the rules file, so its results stand in no combination"},
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
