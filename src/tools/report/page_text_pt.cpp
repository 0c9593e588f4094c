// The page in Portuguese, in the words of the fixed report.
#include "tools/report/page_text.h"

namespace toval::tools::report {

namespace {

constexpr CatalogueEntry PORTUGUESE_TEXTS[] = {
    {Text::lang_attribute, "pt"},
    {Text::page_title, "RELATORIO DE CALCULO"},
    {Text::made_by, "Emitido em %1 por toval-tools %2."},
    {Text::input_files_caption, "ARQUIVOS DE ENTRADA"},
    {Text::file_role_heading, "ARQUIVO"},
    {Text::file_name_heading, "NOME"},
    {Text::file_size_heading, "BYTES"},
    {Text::file_digest_heading, "SHA-256"},
    {Text::combination_file_role, "combinações"},
    {Text::forces_file_role, "esforços"},
    {Text::warnings_heading, "AVISOS DA VERIFICACAO DOS ARQUIVOS"},
    {Text::warnings_intro_one,
     "A verificação dos arquivos de entrada (toval-tools check) encontrou 1 aviso. Os números deste "
     "relatório "
     "podem estar errados por causa dele:"},
    {Text::warnings_intro_many,
     "A verificação dos arquivos de entrada (toval-tools check) encontrou %1 avisos. Os números deste "
     "relatório "
     "podem estar errados por causa deles:"},
    {Text::picture_heading, "PORTICO"},
    {Text::picture_caption,
     "O pórtico em escala, com o eixo de simetria, os pares simétricos, os nós característicos E, C e D e a "
     "envoltória do esforço normal (azul: tração; vermelho: compressão)."},
    {Text::combinations_heading, "COMBINACOES"},
    {Text::cases_caption, "CASOS DE CARREGAMENTO"},
    {Text::case_number_heading, "C"},
    {Text::case_name_heading, "CARREGAMENTO"},
    {Text::combinations_caption, "COMBINACOES - ELEMENTOS BARRA"},
    {Text::combination_heading, "COMBINACAO"},
    {Text::multiplier_heading, "MULTIPLICADOR"},
    {Text::marking_note,
     "Em cada coluna, o valor extremo está destacado; ao lado de cada máximo e mínimo, a combinação (C) que "
     "o "
     "determina."},
    {Text::envelope_heading, "ENVOLTORIA DOS ESFORCOS POR BARRA"},
    {Text::envelope_intro,
     "Esforço normal, cortante e fletor em cada extremidade da barra, máximo e mínimo sobre todas as "
     "combinações. Cada barra com barra simétrica vem seguida dela (SMT), como no relatório fixo."},
    {Text::envelope_caption, "ENVOLTORIA - ESFORCOS NORMAL CORTANTE FLETOR"},
    {Text::bar_heading, "BARRA"},
    {Text::mirror_heading, "SMT"},
    {Text::normal_group, "NORMAL N"},
    {Text::shear_start_group, "CORTANTE Vi"},
    {Text::shear_end_group, "CORTANTE Vf"},
    {Text::moment_start_group, "FLETOR Mi"},
    {Text::moment_end_group, "FLETOR Mf"},
    {Text::max_heading, "MAX"},
    {Text::min_heading, "MIN"},
    {Text::governing_heading, "C"},
    {Text::bending_flag_heading, "FLEXAO"},
    {Text::yes, "sim"},
    {Text::no, "não"},
    {Text::pairs_caption, "PARES SIMETRICOS - ENVOLTORIA DO ESFORCO NORMAL (BARRA QUE DETERMINA)"},
    {Text::governing_bar_heading, "BARRA"},
    {Text::no_pairs, "Nenhuma barra tem barra simétrica."},
    {Text::reactions_heading, "REACOES"},
    {Text::reaction_envelope_caption, "ENVOLTORIA DAS REACOES COMBINADAS - FUNDACOES"},
    {Text::node_heading, "NO"},
    {Text::component_heading, "REACAO"},
    {Text::reaction_1, "REACAO 1"},
    {Text::reaction_2, "REACAO 2"},
    {Text::reaction_3, "REACAO 3"},
    {Text::reactions_caption, "REACOES - CASOS DE CARREGAMENTO"},
    {Text::combined_reactions_caption, "REACOES - COMBINACAO %1"},
    {Text::missing, "ausente"},
    {Text::missing_reason,
     "Sem valores: %1 não está na lista de casos do arquivo de combinações, e os deslocamentos e reações dos "
     "casos só são lidos para os casos da lista."},
    {Text::no_supports, "O pórtico não tem apoios."},
    {Text::displacements_heading, "DESLOCAMENTOS DOS NOS CARACTERISTICOS"},
    {Text::displacements_caption, "DESLOCAMENTOS - CASOS DE CARREGAMENTO"},
    {Text::combined_displacements_caption, "DESLOCAMENTOS - COMBINACOES"},
    {Text::place_heading, "POSICAO"},
    {Text::left_place, "E"},
    {Text::axis_place, "C"},
    {Text::right_place, "D"},
    {Text::dx_heading, "DX"},
    {Text::dy_heading, "DY"},
    {Text::dz_heading, "DZ"},
    {Text::axis_mean, "média %1/%2"},
    {Text::bending_heading, "BARRAS EM FLEXAO"},
    {Text::bending_intro,
     "Por combinação, as barras em que o momento de uma extremidade passa de um décimo do esforço normal, "
     "como "
     "na tabela de barras-chapa do relatório fixo: a linha da barra termina com seu comprimento L, a da "
     "barra "
     "simétrica (SMT) com a propriedade P da barra."},
    {Text::bending_caption, "ESFORCOS NORMAL CORTANTE FLETOR: ELEMENTOS BARRA-CHAPA - COMBINACAO %1"},
    {Text::bending_summary, "COMBINACAO %1: %2 barra(s) em flexão"},
    {Text::no_bending, "Nenhuma barra em flexão em nenhuma combinação."},
    {Text::packed_note,
     "As linhas desta tabela vêm comprimidas na página e o navegador as abre com a tabela; sem scripts, a "
     "tabela bar_forces da exportação traz os mesmos valores."},
    {Text::ni_heading, "Ni"},
    {Text::vi_heading, "Vi"},
    {Text::mi_heading, "Mi"},
    {Text::nf_heading, "Nf"},
    {Text::vf_heading, "Vf"},
    {Text::mf_heading, "Mf"},
    {Text::length_property_heading, "L / P"},
    {Text::case_description_heading, "DESCRICAO"},
    {Text::combination_name_heading, "NOME"},
    {Text::set_name_uls, "ELU - ESTADOS LIMITES ULTIMOS"},
    {Text::set_name_sls_characteristic, "ELS - COMBINACOES CARACTERISTICAS"},
    {Text::set_name_sls_frequent, "ELS - COMBINACOES FREQUENTES"},
    {Text::set_name_sls_quasi_permanent, "ELS - COMBINACOES QUASE PERMANENTES"},
    {Text::set_envelope_heading, "ENVOLTORIA - %1"},
    {Text::set_members, "Combinacoes deste conjunto: %1."},
    {Text::set_envelope_caption, "ENVOLTORIA DOS ESFORCOS POR BARRA - NORMAL CORTANTE FLETOR"},
    {Text::set_reactions_uls_caption, "ENVOLTORIA DAS REACOES COMBINADAS - PROJETO ESTRUTURAL DAS FUNDACOES"},
    {Text::set_reactions_characteristic_caption, "ENVOLTORIA DAS REACOES COMBINADAS - SOLO"},
    {Text::set_reactions_caption, "ENVOLTORIA DAS REACOES COMBINADAS"},
    {Text::mixed_envelope_note,
     "As envoltorias desta secao e a das reacoes abaixo percorrem todas as combinacoes de todos os "
     "conjuntos, estados limites ultimos e de servico juntos: nao sao envoltorias de projeto. Use a "
     "envoltoria de cada conjunto, acima."},
};

}  // namespace

std::span<const CatalogueEntry> portuguese_catalogue() {
  return PORTUGUESE_TEXTS;
}

}  // namespace toval::tools::report
