// The words of the page, Portuguese (in the words of the fixed report)
// beside English, one row per key in the order of Text.
#include "tools/report/page_text.h"

namespace toval::tools::report {

namespace {

constexpr cli::TextRow<Text> PAGE_TEXTS[] = {
    {Text::lang_attribute, "pt", "en"},
    {Text::page_title, "RELATORIO DE CALCULO", "CALCULATION REPORT"},
    {Text::made_by, "Emitido em %1 por toval-tools %2.", "Issued on %1 by toval-tools %2."},
    {Text::input_files_caption, "ARQUIVOS DE ENTRADA", "INPUT FILES"},
    {Text::file_role_heading, "ARQUIVO", "FILE"},
    {Text::file_name_heading, "NOME", "NAME"},
    {Text::file_size_heading, "BYTES", "BYTES"},
    {Text::file_digest_heading, "SHA-256", "SHA-256"},
    {Text::combination_file_role, "combinações", "combinations"},
    {Text::forces_file_role, "esforços", "forces"},
    {Text::units_note, "Os valores estão nas unidades do arquivo de esforços.",
     "Values are in the units of the forces file."},
    {Text::units_named_note,
     "Forças em %1, momentos em %2, comprimentos e deslocamentos em %3, rotações em rad: as unidades do "
     "arquivo de esforços, como foram nomeadas; nenhum valor é convertido.",
     "Forces in %1, moments in %2, lengths and displacements in %3, rotations in rad: the forces file's "
     "units, as they were named; no value is converted."},
    {Text::sign_note, "Sinais: todo sinal é o do arquivo de esforços; nenhum sinal é trocado.",
     "Signs: every sign is the forces file's; no sign is changed."},
    {Text::warnings_heading, "AVISOS DA VERIFICACAO DOS ARQUIVOS",
     "WARNINGS FROM THE CHECK OF THE INPUT FILES"},
    {Text::warnings_intro_one,
     "A verificação dos arquivos de entrada (toval-tools check) encontrou 1 aviso. Os números deste "
     "relatório podem estar errados por causa dele:",
     "The check of the input files (toval-tools check) found 1 warning. The numbers of this report may be "
     "wrong because of it:"},
    {Text::warnings_intro_many,
     "A verificação dos arquivos de entrada (toval-tools check) encontrou %1 avisos. Os números deste "
     "relatório podem estar errados por causa deles:",
     "The check of the input files (toval-tools check) found %1 warnings. The numbers of this report may be "
     "wrong because of them:"},
    {Text::picture_heading, "PORTICO", "FRAME"},
    {Text::picture_caption,
     "O pórtico em escala, com o eixo de simetria, os pares simétricos, os nós característicos E, C e D e a "
     "envoltória do esforço normal (azul: tração; vermelho: compressão).",
     "The frame to scale, with the symmetry axis, the mirror pairs, the characteristic nodes E, C and D and "
     "the envelope of normal force (blue: tension; red: compression)."},
    {Text::combinations_heading, "COMBINACOES", "COMBINATIONS"},
    {Text::cases_caption, "CASOS DE CARREGAMENTO", "LOAD CASES"},
    {Text::case_number_heading, "C", "C"},
    {Text::case_name_heading, "CARREGAMENTO", "LOAD CASE"},
    {Text::combinations_caption, "COMBINACOES - ELEMENTOS BARRA", "COMBINATIONS - BAR ELEMENTS"},
    {Text::combination_heading, "COMBINACAO", "COMBINATION"},
    {Text::multiplier_heading, "MULTIPLICADOR", "MULTIPLIER"},
    {Text::marking_note,
     "Em cada coluna, o valor extremo está destacado; ao lado de cada máximo e mínimo, a combinação (C) que "
     "o determina.",
     "In every column the extreme value is marked; beside every maximum and minimum stands the combination "
     "(C) that governs it."},
    {Text::envelope_heading, "ENVOLTORIA DOS ESFORCOS POR BARRA", "ENVELOPE OF BAR FORCES"},
    {Text::envelope_intro,
     "Esforço normal, cortante e fletor em cada extremidade da barra, máximo e mínimo sobre todas as "
     "combinações. Cada barra com barra simétrica vem seguida dela (SMT), como no relatório fixo.",
     "Normal force, shear and moment at each end of the bar, largest and smallest over all combinations. "
     "Every bar with a mirror bar is followed by it (SMT), as in the fixed report."},
    {Text::envelope_caption, "ENVOLTORIA - ESFORCOS NORMAL CORTANTE FLETOR",
     "ENVELOPE - NORMAL FORCE, SHEAR, MOMENT"},
    {Text::bar_heading, "BARRA", "BAR"},
    {Text::mirror_heading, "SMT", "SMT"},
    {Text::normal_group, "NORMAL N", "NORMAL N"},
    {Text::shear_start_group, "CORTANTE Vi", "SHEAR Vi"},
    {Text::shear_end_group, "CORTANTE Vf", "SHEAR Vf"},
    {Text::moment_start_group, "FLETOR Mi", "MOMENT Mi"},
    {Text::moment_end_group, "FLETOR Mf", "MOMENT Mf"},
    {Text::max_heading, "MAX", "MAX"},
    {Text::min_heading, "MIN", "MIN"},
    {Text::governing_heading, "C", "C"},
    {Text::bending_flag_heading, "FLEXAO", "BENDING"},
    {Text::yes, "sim", "yes"},
    {Text::no, "não", "no"},
    {Text::pairs_caption, "PARES SIMETRICOS - ENVOLTORIA DO ESFORCO NORMAL (BARRA QUE DETERMINA)",
     "MIRROR PAIRS - ENVELOPE OF NORMAL FORCE (GOVERNING BAR)"},
    {Text::governing_bar_heading, "BARRA", "BAR"},
    {Text::no_pairs, "Nenhuma barra tem barra simétrica.", "No bar has a mirror bar."},
    {Text::reactions_heading, "REACOES", "REACTIONS"},
    {Text::reaction_envelope_caption, "ENVOLTORIA DAS REACOES COMBINADAS - FUNDACOES",
     "ENVELOPE OF COMBINED REACTIONS - FOUNDATIONS"},
    {Text::node_heading, "NO", "NODE"},
    {Text::component_heading, "REACAO", "REACTION"},
    {Text::reaction_1, "REACAO 1", "REACTION 1"},
    {Text::reaction_2, "REACAO 2", "REACTION 2"},
    {Text::reaction_3, "REACAO 3", "REACTION 3"},
    {Text::reactions_caption, "REACOES - CASOS DE CARREGAMENTO", "REACTIONS - LOAD CASES"},
    {Text::combined_reactions_caption, "REACOES - COMBINACAO %1", "REACTIONS - COMBINATION %1"},
    {Text::missing, "ausente", "missing"},
    {Text::missing_reason,
     "Sem valores: %1 não está na lista de casos do arquivo de combinações, e os deslocamentos e reações dos "
     "casos só são lidos para os casos da lista.",
     "No values: %1 is not in the case list of the combination file, and the displacements and reactions of "
     "cases are read only for the listed cases."},
    {Text::no_supports, "O pórtico não tem apoios.", "The frame has no supports."},
    {Text::displacements_heading, "DESLOCAMENTOS DOS NOS CARACTERISTICOS",
     "DISPLACEMENTS OF THE CHARACTERISTIC NODES"},
    {Text::displacements_caption, "DESLOCAMENTOS - CASOS DE CARREGAMENTO", "DISPLACEMENTS - LOAD CASES"},
    {Text::combined_displacements_caption, "DESLOCAMENTOS - COMBINACOES", "DISPLACEMENTS - COMBINATIONS"},
    {Text::place_heading, "POSICAO", "PLACE"},
    {Text::left_place, "E", "E"},
    {Text::axis_place, "C", "C"},
    {Text::right_place, "D", "D"},
    {Text::dx_heading, "DX", "DX"},
    {Text::dy_heading, "DY", "DY"},
    {Text::dz_heading, "DZ", "DZ"},
    {Text::axis_mean, "média %1/%2", "mean %1/%2"},
    {Text::bending_heading, "BARRAS EM FLEXAO", "BARS IN BENDING"},
    {Text::bending_intro,
     "Por combinação, as barras em que o momento de uma extremidade passa de um décimo do esforço normal, "
     "como na tabela de barras-chapa do relatório fixo: a linha da barra termina com seu comprimento L, a da "
     "barra simétrica (SMT) com a propriedade P da barra.",
     "Per combination, the bars in which an end moment exceeds a tenth of the normal force, as the fixed "
     "report's frame-bar table lists them: the bar's row ends with its length L, the mirror bar's (SMT) with "
     "the bar's property P."},
    {Text::bending_caption, "ESFORCOS NORMAL CORTANTE FLETOR: ELEMENTOS BARRA-CHAPA - COMBINACAO %1",
     "NORMAL FORCE, SHEAR, MOMENT: FRAME BARS - COMBINATION %1"},
    {Text::bending_summary, "COMBINACAO %1: %2 barra(s) em flexão", "COMBINATION %1: %2 bar(s) in bending"},
    {Text::no_bending, "Nenhuma barra em flexão em nenhuma combinação.",
     "No bar is in bending in any combination."},
    {Text::packed_note,
     "As linhas desta tabela vêm comprimidas na página e o navegador as abre com a tabela. Impressa "
     "fechada, ou sem scripts: são as linhas da combinação %1 marcadas em bending na tabela bar_forces da "
     "exportação, toval-tools export --format csv --table bar_forces ARQUIVO_DE_COMBINACOES "
     "ARQUIVO_DE_ESFORCOS (os dois arquivos do alto da página).",
     "This table's rows are packed in the page and the browser unfolds them when the table is opened. "
     "Printed unopened, or without scripts: they are the rows of combination %1 marked in bending in the "
     "bar_forces table of the export, toval-tools export --format csv --table bar_forces COMBINATION_FILE "
     "FORCES_FILE (the two files at the top of the page)."},
    {Text::ni_heading, "Ni", "Ni"},
    {Text::vi_heading, "Vi", "Vi"},
    {Text::mi_heading, "Mi", "Mi"},
    {Text::nf_heading, "Nf", "Nf"},
    {Text::vf_heading, "Vf", "Vf"},
    {Text::mf_heading, "Mf", "Mf"},
    {Text::length_property_heading, "L / P", "L / P"},
    {Text::case_description_heading, "DESCRICAO", "DESCRIPTION"},
    {Text::combination_name_heading, "NOME", "NAME"},
    {Text::set_name_uls, "ELU - ESTADOS LIMITES ULTIMOS", "ULS - ULTIMATE LIMIT STATES"},
    {Text::set_name_sls_characteristic, "ELS - COMBINACOES CARACTERISTICAS",
     "SLS - CHARACTERISTIC COMBINATIONS"},
    {Text::set_name_sls_frequent, "ELS - COMBINACOES FREQUENTES", "SLS - FREQUENT COMBINATIONS"},
    {Text::set_name_sls_quasi_permanent, "ELS - COMBINACOES QUASE PERMANENTES",
     "SLS - QUASI-PERMANENT COMBINATIONS"},
    {Text::set_envelope_heading, "ENVOLTORIA - %1", "ENVELOPE - %1"},
    {Text::set_members, "Combinacoes deste conjunto: %1.", "Combinations of this set: %1."},
    {Text::set_envelope_caption, "ENVOLTORIA DOS ESFORCOS POR BARRA - NORMAL CORTANTE FLETOR",
     "ENVELOPE OF BAR FORCES - NORMAL FORCE, SHEAR, MOMENT"},
    {Text::set_reactions_uls_caption, "ENVOLTORIA DAS REACOES COMBINADAS - PROJETO ESTRUTURAL DAS FUNDACOES",
     "ENVELOPE OF COMBINED REACTIONS - STRUCTURAL DESIGN OF THE FOUNDATIONS"},
    {Text::set_reactions_characteristic_caption, "ENVOLTORIA DAS REACOES COMBINADAS - SOLO",
     "ENVELOPE OF COMBINED REACTIONS - SOIL"},
    {Text::set_reactions_caption, "ENVOLTORIA DAS REACOES COMBINADAS", "ENVELOPE OF COMBINED REACTIONS"},
    {Text::mixed_envelope_note,
     "As envoltorias desta secao e a das reacoes abaixo percorrem todas as combinacoes de todos os "
     "conjuntos, estados limites ultimos e de servico juntos: nao sao envoltorias de projeto. Use a "
     "envoltoria de cada conjunto, acima.",
     "The envelopes of this section and that of the reactions below span every combination of every set, "
     "ultimate and serviceability together: they are not design envelopes. Use the envelope of each set, "
     "above."},
    {Text::node_displacements_heading, "DESLOCAMENTOS DE TODOS OS NOS", "DISPLACEMENTS OF EVERY NODE"},
    {Text::node_displacements_intro,
     "Os deslocamentos de cada nó como os blocos dos casos do arquivo de esforços os listam (o registro K "
     "é o do nó K), combinados termo a termo como os esforços das barras. A envoltória vai sobre as "
     "combinações sem casos ausentes; o maior e o menor de cada componente estão marcados.",
     "Every node's displacements as the forces file's case blocks list them (record K is node K's), combined "
     "term by term as the bar forces are. The envelope spans the combinations without missing cases; the "
     "largest and the smallest of each component are marked."},
    {Text::node_envelope_caption, "ENVOLTORIA DOS DESLOCAMENTOS DOS NOS",
     "ENVELOPE OF THE NODE DISPLACEMENTS"},
    {Text::node_combination_caption, "DESLOCAMENTOS DOS NOS - COMBINACAO %1",
     "NODE DISPLACEMENTS - COMBINATION %1"},
    {Text::node_combination_summary, "COMBINACAO %1: %2 nó(s)", "COMBINATION %1: %2 node(s)"},
    {Text::node_combinations_in_export,
     "Os deslocamentos de cada nó em cada combinação (%1 linhas) não cabem na página: estão na tabela "
     "combined_node_displacements da exportação, toval-tools export --format csv --table "
     "combined_node_displacements ARQUIVO_DE_COMBINACOES ARQUIVO_DE_ESFORCOS (os dois arquivos do alto da "
     "página).",
     "The displacements of every node in every combination (%1 rows) are too many for the page: they are in "
     "the combined_node_displacements table of the export, toval-tools export --format csv --table "
     "combined_node_displacements COMBINATION_FILE FORCES_FILE (the two files at the top of the page)."},
    {Text::rz_heading, "RZ", "RZ"},
    {Text::dx_group, "DX", "DX"},
    {Text::dy_group, "DY", "DY"},
    {Text::rz_group, "RZ", "RZ"},
    {Text::picture_set_caption, "A envoltória desenhada é a do conjunto %1.",
     "The envelope drawn is that of the set %1."},
    {Text::picture_every_set_caption,
     "A envoltória desenhada percorre todas as combinações, de todos os conjuntos juntos.",
     "The envelope drawn spans every combination, of every set together."},
    {Text::set_heading, "CONJUNTO", "SET"},
    {Text::governing_legend_note,
     "Os números das colunas C das envoltórias acima, com o conjunto e o nome de cada combinação (na tela, "
     "o nome aparece também sobre o número).",
     "The numbers in the C columns of the envelopes above, with each combination's set and name (on a "
     "screen, the name also shows over the number)."},
    {Text::governing_legend_caption, "COMBINACOES DETERMINANTES", "GOVERNING COMBINATIONS"},
};
static_assert(cli::covers_every_key(PAGE_TEXTS));

}  // namespace

PageText::PageText(Language language, std::optional<cli::Units> units)
    : Catalogue(PAGE_TEXTS, language), units_(std::move(units)) {}

std::string PageText::heading(Text key, cli::Quantity q) const {
  return cli::with_unit((*this)(key), units_, q);
}

}  // namespace toval::tools::report
