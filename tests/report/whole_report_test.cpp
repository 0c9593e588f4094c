// The whole report of a small frame, byte for byte: six sections in order,
// page breaks after sections 2 to 4, nothing after the last record.
#include <gtest/gtest.h>

#include "report/report_text.h"

namespace toval::testing {
namespace {

TEST(WholeReport, WithoutBarsInBendingGoesFromReactionsStraightToTheTrussTable) {
  auto s = plain_store();
  s->BL1.PRJT = Name<40>::of("TESTE");
  s->BL1.CLIT = Name<40>::of("");
  s->BL1.PORT = Name<40>::of("P1");
  s->BL4.CCAR(1) = Name<4>::of("G");
  s->BL5.NCOB = 1;
  s->BL5.NCASO(1) = 1;
  s->BL5.MULT(1, 1) = 1.0f, s->BL5.CASO(1, 1) = Name<4>::of("G");
  s->BL7.NO_E = 1, s->BL7.NO_C = 2, s->BL7.NO_D = 3;
  s->BL8.DX_E(1) = 0.001f;
  s->BL11.NO_RES(1) = 1;
  s->BL11.RES1(1, 1) = 10.0f, s->BL11.RES2(1, 1) = -5.0f;
  s->BL6.BAR_SIM(1) = 2, s->BL6.BAR_SIM(2) = 1;
  s->BL3.L(1) = 5.0f, s->BL3.PROP(1) = 1;
  set_normals(*s, 2, 1, {-20.0f});
  set_normals(*s, 2, 2, {-20.0f});
  set_envelope(*s, 1, -20.0f, 1, -20.0f, 1);
  set_envelope(*s, 2, -20.0f, 1, -20.0f, 1);
  s->BL9.BESF_VM(1) = 1;  // a slot flag without the run-wide flag writes no frame-bar table
  s->BL9.ESF_VM = 0;

  const std::string PAGE_BREAK = "\f";
  const std::string expected = records({
      // title block
      " ",
      " VARNE - ENGENHARIA DE PROJETOS S/C LTDA ",
      " PROGRAMA TOVAL - VERSAO 03/96 ",
      " ",
      " ",
      " ",
      " PROJETO : TESTE                                   ",  // 11 + 40 columns
      " CLIENTE :                                         ",
      " ",
      " =============================== ",
      " PORTICO : P1                                      ",
      " =============================== ",
      " ",
      " ",
      // combinations
      " =============================================================================",
      " COMBINACOES - ELEMENTOS BARRA ",
      " ",
      " COMBINACAO                      MULTIPLICADOR            CASO DE CARREGAMENTO",
      " =============================================================================",
      " ",
      "          1                               1.00                            G   ",
      " ",
      PAGE_BREAK,
      // displacements
      " ",
      " =============================================================================",
      " DESLOCAMENTOS - CASOS DE CARREGAMENTO ",
      " ",
      " C CARR         NO                  DX                  DY                  DZ",
      " =============================================================================",
      " ",
      "   G             1            .0010000            .0000000            .0000000",
      "   G             2            .0000000            .0000000            .0000000",
      "   G             3            .0000000            .0000000            .0000000",
      PAGE_BREAK,
      // reactions
      " ",
      " =============================================================================",
      " REACOES - CASOS DE CARREGAMENTO",
      " ",
      " C CARR        NO             REACAO 1            REACAO 2            REACAO 3",
      " =============================================================================",
      "   G            1               10.000              -5.000                .000",
      " ",
      PAGE_BREAK,
      // truss bars
      " ",
      " =============================================================================",
      " ESFORCO NORMAL: ELEMENTOS BARRA-TRELICA ",
      " ",
      " C    BAR           N     SMT           N      CC   BAR          NC       L  P",
      " =============================================================================",
      " ",
      " 1      1     -20.000       2     -20.000       1     1     -20.000   5.000  1",
      "                                                1     1     -20.000",
  });
  EXPECT_EQ(report_of(*s, 2, 1, 1), expected);
}

}  // namespace
}  // namespace toval::testing
