// The words of the picture, Portuguese beside English, one row per key in
// the order of Word. The English texts are those draw has always written.
#include "tools/draw/picture_text.h"

namespace toval::tools::draw {

namespace {

constexpr cli::TextRow<Word> PICTURE_TEXTS[] = {
    {Word::forces_of_combination, "esforço normal da combinação %1 de %2",
     "normal force of combination %1 of %2"},
    {Word::forces_envelope_one, "esforço normal: o extremo que governa a envoltória de %1 combinação",
     "normal force: governing extreme of the envelope over %1 combination"},
    {Word::forces_envelope_many, "esforço normal: o extremo que governa a envoltória de %1 combinações",
     "normal force: governing extreme of the envelope over %1 combinations"},
    {Word::input_files, "arquivo de combinações: %1;  arquivo de esforços: %2",
     "combination file: %1;  forces file: %2"},
    {Word::counts_line, "%1; %2 nós, %3 barras", "%1; %2 nodes, %3 bars"},
    {Word::tension, "tração (N > 0)", "tension (N > 0)"},
    {Word::compression, "compressão (N < 0)", "compression (N < 0)"},
    {Word::width_grows, "a largura cresce com |N|: mais fina para 0, mais larga para |N| = %1",
     "width grows with |N|: thinnest for 0, widest for |N| = %1"},
    {Word::none, "nenhuma", "none"},
    {Word::one_bar_prefix, "barra ", "bar "},
    {Word::bars_prefix, "barras ", "bars "},
    {Word::in_combination, "na combinação %1", "in combination %1"},
    {Word::in_some_combination, "em alguma combinação", "in some combination"},
    {Word::in_some_combination_of_set, "em alguma combinação do conjunto", "in some combination of the set"},
    {Word::forces_envelope_of_set,
     "esforço normal: o extremo que governa a envoltória do %1 (%2), %3 de %4 combinações",
     "normal force: governing extreme of the envelope of the %1 (%2), %3 of %4 combinations"},
    {Word::forces_envelope_every_set,
     "esforço normal: o extremo que governa a envoltória de todas as combinações (%1), de todos os conjuntos "
     "juntos",
     "normal force: governing extreme of the envelope over all combinations (%1), of every set together"},
    {Word::uls_set, "conjunto último", "ultimate set"},
    {Word::sls_characteristic_set, "conjunto característico de serviço", "characteristic serviceability set"},
    {Word::sls_frequent_set, "conjunto frequente de serviço", "frequent serviceability set"},
    {Word::sls_quasi_permanent_set, "conjunto quase permanente de serviço",
     "quasi-permanent serviceability set"},
    {Word::in_bending, "em flexão %1", "in bending %1"},
    {Word::bending_reason,
     " (um momento de extremidade acima de |N|/10): ", " (an end moment above |N|/10): "},
    {Word::bars_count_one, "%1 barra", "%1 bar"},
    {Word::bars_count_many, "%1 barras", "%1 bars"},
    {Word::pairs_count_one, "%1 par", "%1 pair"},
    {Word::pairs_count_many, "%1 pares", "%1 pairs"},
    {Word::bending_note,
     "%1%2, demais para listar aqui: são as barras marcadas na coluna bending da tabela bar_forces "
     "(toval-tools export --format csv --table bar_forces)",
     "%1%2, too many to list here: they are the bars marked in the bending column of the bar_forces table "
     "(toval-tools export --format csv --table bar_forces)"},
    {Word::unpaired_prefix, "sem barra simétrica: ", "no mirror bar: "},
    {Word::unpaired_note,
     "sem barra simétrica: %1, demais para listar aqui: são as barras com a coluna mirror vazia na tabela "
     "bars (toval-tools export --format csv --table bars)",
     "no mirror bar: %1, too many to list here: they are the bars with an empty mirror column in the bars "
     "table (toval-tools export --format csv --table bars)"},
    {Word::own_mirror, "simétrica de si mesma (centrada no eixo)", "its own mirror (centred on the axis)"},
    {Word::pairs_prefix, "pares simétricos: ", "mirror pairs: "},
    {Word::pairs_note,
     "pares simétricos: %1, demais para listar aqui: a coluna mirror da tabela bars dá a barra simétrica de "
     "cada barra (toval-tools export --format csv --table bars)",
     "mirror pairs: %1, too many to list here: the mirror column of the bars table names each bar's mirror "
     "bar (toval-tools export --format csv --table bars)"},
    {Word::axis_row, "eixo de simetria: x = %1", "symmetry axis: x = %1"},
    {Word::characteristic_row, "nós característicos: %1", "characteristic nodes: %1"},
    {Word::support_row, "apoio: %1", "support: %1"},
    {Word::unplaced_prefix, "não desenhadas, por citarem um nó além dos %1 da listagem: ",
     "not drawn, naming a node beyond the %1 of the listing: "},
    {Word::fixed, "engaste", "fixed"},
    {Word::pinned, "articulado", "pinned"},
    {Word::roller_x, "rolete (livre em x)", "roller (free along x)"},
    {Word::roller_y, "rolete (livre em y)", "roller (free along y)"},
    {Word::guided_x, "guiado (livre em x)", "guided (free along x)"},
    {Word::guided_y, "guiado (livre em y)", "guided (free along y)"},
    {Word::rotation_only, "só a rotação restrita", "rotation restrained only"},
    {Word::free, "livre", "free"},
    {Word::node_name, "nó %1", "node %1"},
    {Word::no_node, "nenhum", "none"},
    {Word::characteristic_line, "E %1, %2, D %3", "E %1, %2, D %3"},
    {Word::c_node, "C %1", "C %1"},
    {Word::c_mean, "C a média dos nós %1 e %2 (nenhum nó no eixo)",
     "C the mean of nodes %1 and %2 (no node on the axis)"},
    {Word::c_none, "C nenhum (nenhum nó no eixo nem ao lado dele)",
     "C none (no node on the axis or beside it)"},
    {Word::c_half, "C metade do nó %1 (nenhum nó no eixo e nenhum do outro lado dele)",
     "C half of node %1 (no node on the axis and none on its other side)"},
    {Word::axis_label, "eixo x = %1", "axis x = %1"},
    {Word::bar_hover, "barra %1: nós %2 a %3, comprimento %4", "bar %1: nodes %2 to %3, length %4"},
    {Word::hover_shown, "N %1 (combinação %2)", "N %1 (combination %2)"},
    {Word::hover_max, "N máx %1 (combinação %2)", "N max %1 (combination %2)"},
    {Word::hover_min, "N mín %1 (combinação %2)", "N min %1 (combination %2)"},
    {Word::hover_mirror, "simétrica: %1", "mirror %1"},
    {Word::hover_pair, "barra %1 (par %2)", "bar %1 (pair %2)"},
    {Word::hover_unpaired, "SEM BARRA SIMÉTRICA", "NO MIRROR BAR"},
    {Word::node_hover, "nó %1: x %2, y %3", "node %1: x %2, y %3"},
};
static_assert(cli::covers_every_key(PICTURE_TEXTS));

}  // namespace

PictureText::PictureText(Language language) : Catalogue(PICTURE_TEXTS, language) {}

}  // namespace toval::tools::draw
