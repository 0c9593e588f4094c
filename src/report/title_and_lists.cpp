// Sections 1 to 4 of the report: title block, combination list,
// displacements and reactions of the load cases.
#include "report/report_records.h"
#include "report/report_sections.h"

namespace toval::report {

namespace {

constexpr Item FIRM_LINE[] = {Text(" VARNE - ENGENHARIA DE PROJETOS S/C LTDA ")};
constexpr Item PROGRAM_LINE[] = {Text(" PROGRAMA TOVAL - VERSAO 03/96 ")};
constexpr Item PROJECT_LINE[] = {Text(" PROJETO : "), A(40)};
constexpr Item CLIENT_LINE[] = {Text(" CLIENTE : "), A(40)};
constexpr Item FRAME_LINE[] = {Text(" PORTICO : "), A(40)};

constexpr Item COMBINATIONS_TITLE[] = {Text(" COMBINACOES - ELEMENTOS BARRA ")};
constexpr Item COMBINATIONS_HEADING[] = {
    Text(" COMBINACAO                      MULTIPLICADOR            CASO DE CARREGAMENTO")};
// Combination number, multiplier, case name.
constexpr Item COMBINATION_ROW[] = {X(1), I(10), X(25), F(10, 2), X(28), A(4)};

constexpr Item DISPLACEMENTS_TITLE[] = {Text(" DESLOCAMENTOS - CASOS DE CARREGAMENTO ")};
constexpr Item DISPLACEMENTS_HEADING[] = {
    Text(" C CARR         NO                  DX                  DY                  DZ")};
// Case name, node, DX, DY, DZ.
constexpr Item DISPLACEMENT_ROW[] = {X(3), A(4), I(11), F(20, 7), F(20, 7), F(20, 7)};

constexpr Item REACTIONS_TITLE[] = {Text(" REACOES - CASOS DE CARREGAMENTO")};
constexpr Item REACTIONS_HEADING[] = {
    Text(" C CARR        NO             REACAO 1            REACAO 2            REACAO 3")};
// Case name, support node, reactions 1 to 3.
constexpr Item REACTION_ROW[] = {X(3), A(4), I(10), F(21, 3), F(20, 3), F(20, 3)};

}  // namespace

void write_title_block(const Store& s, RecordSink& out) {
  empty_record(out);
  write_record(out, FIRM_LINE);
  write_record(out, PROGRAM_LINE);
  for (int n = 0; n < 3; ++n) empty_record(out);
  write_record(out, PROJECT_LINE, s.BL1.PRJT);
  write_record(out, CLIENT_LINE, s.BL1.CLIT);
  empty_record(out);
  write_record(out, SHORT_EQUALS_RULER);
  write_record(out, FRAME_LINE, s.BL1.PORT);
  write_record(out, SHORT_EQUALS_RULER);
  empty_record(out);
  empty_record(out);
}

void write_combination_list(const Store& s, RecordSink& out) {
  open_section(out, COMBINATIONS_TITLE, COMBINATIONS_HEADING, SectionStart::at_ruler);
  empty_record(out);
  for (Whole I = 1, NCOB = s.BL5.NCOB; I <= NCOB; ++I) {
    for (Whole J = 1, NCASO = s.BL5.NCASO(I); J <= NCASO; ++J)
      write_record(out, COMBINATION_ROW, I, s.BL5.MULT(I, J), s.BL5.CASO(I, J));
    empty_record(out);
  }
  page_break(out);
}

void write_displacements(const Store& s, RecordSink& out, Whole NCCAR) {
  const auto& d = s.BL8;
  const auto& nodes = s.BL7;
  open_section(out, DISPLACEMENTS_TITLE, DISPLACEMENTS_HEADING, SectionStart::after_empty_record);
  for (Whole I = 1, N = NCCAR; I <= N; ++I) {
    const Name<4>& name = s.BL4.CCAR(I);
    empty_record(out);
    write_record(out, DISPLACEMENT_ROW, name, nodes.NO_E, d.DX_E(I), d.DY_E(I), d.DZ_E(I));
    write_record(out, DISPLACEMENT_ROW, name, nodes.NO_C, d.DX_C(I), d.DY_C(I), d.DZ_C(I));
    write_record(out, DISPLACEMENT_ROW, name, nodes.NO_D, d.DX_D(I), d.DY_D(I), d.DZ_D(I));
  }
  page_break(out);
}

void write_reactions(const Store& s, RecordSink& out, Whole NCCAR, Whole NRES) {
  const auto& r = s.BL11;
  open_section(out, REACTIONS_TITLE, REACTIONS_HEADING, SectionStart::after_empty_record);
  for (Whole I = 1, N = NCCAR; I <= N; ++I) {
    for (Whole J = 1, M = NRES; J <= M; ++J)
      write_record(out, REACTION_ROW, s.BL4.CCAR(I), r.NO_RES(J), r.RES1(I, J), r.RES2(I, J), r.RES3(I, J));
    empty_record(out);
  }
  page_break(out);
}

}  // namespace toval::report
