// Sections 1 to 4: title block, combination list, displacements and
// reactions, compared record by record with text laid out by column.
#include <gtest/gtest.h>

#include "report/report_text.h"

namespace toval::testing {
namespace {

const std::string COMBINATIONS_OPENING = records({
    LONG_EQUALS,
    " COMBINACOES - ELEMENTOS BARRA ",
    EMPTY,
    " COMBINACAO                      MULTIPLICADOR            CASO DE CARREGAMENTO",
    LONG_EQUALS,
    EMPTY,
});

const std::string DISPLACEMENTS_OPENING = records({
    EMPTY,
    LONG_EQUALS,
    " DESLOCAMENTOS - CASOS DE CARREGAMENTO ",
    EMPTY,
    " C CARR         NO                  DX                  DY                  DZ",
    LONG_EQUALS,
});

const std::string REACTIONS_OPENING = records({
    EMPTY,
    LONG_EQUALS,
    " REACOES - CASOS DE CARREGAMENTO",
    EMPTY,
    " C CARR        NO             REACAO 1            REACAO 2            REACAO 3",
    LONG_EQUALS,
});

TEST(TitleAndCombinations, TitlesArePaddedToFortyAndTermsListedUnderTheirCombination) {
  auto s = plain_store();
  s->BL1.PRJT = Name<40>::of("GALPAO INDUSTRIAL");                         // 17 characters
  s->BL1.CLIT = Name<40>::of("CLIENTE UM");                                // 10 characters
  s->BL1.PORT = Name<40>::of("PORTICO P-3 VAO 25,00 M ALTURA 8,00 M A1");  // 40 characters
  auto& c = s->BL5;
  c.NCOB = 4;
  c.NCASO(1) = 3;  // three terms: three rows numbered 1, then one empty record
  c.MULT(1, 1) = 1.0f, c.CASO(1, 1) = Name<4>::of("G");
  c.MULT(1, 2) = -1.5f, c.CASO(1, 2) = Name<4>::of("Q1");
  c.MULT(1, 3) = 0.5f, c.CASO(1, 3) = Name<4>::of("VENT");
  c.NCASO(2) = 0;  // no terms: its empty record alone
  c.NCASO(3) = 2;
  c.MULT(3, 1) = 1234567.0f, c.CASO(3, 1) = Name<4>::of("G");  // just fits F10.2
  c.MULT(3, 2) = -0.001f, c.CASO(3, 2) = Name<4>::of("Q1");    // rounds to zero: no sign
  c.NCASO(4) = 1;
  c.MULT(4, 1) = 1.0e7f, c.CASO(4, 1) = Name<4>::of("Q1");  // needs 11 columns

  const std::string title_block = records({
      EMPTY,
      " VARNE - ENGENHARIA DE PROJETOS S/C LTDA ",
      " PROGRAMA TOVAL - VERSAO 03/96 ",
      EMPTY,
      EMPTY,
      EMPTY,
      " PROJETO : GALPAO INDUSTRIAL" + std::string(23, ' '),
      " CLIENTE : CLIENTE UM" + std::string(30, ' '),
      EMPTY,
      " =============================== ",
      " PORTICO : PORTICO P-3 VAO 25,00 M ALTURA 8,00 M A1",
      " =============================== ",
      EMPTY,
      EMPTY,
  });
  //                 col 2-11      12-36                37-46         47-74                75-78
  const std::string minus_one_and_a_half =
      " " + std::string("         1") + std::string(25, ' ') + "     -1.50" + std::string(28, ' ') + "Q1  ";
  const std::string combinations = records({
      row({{11, "1"}, {46, "1.00"}, {78, "G   "}}),
      minus_one_and_a_half,
      row({{11, "1"}, {46, ".50"}, {78, "VENT"}}),
      EMPTY,
      EMPTY,
      row({{11, "3"}, {46, "1234567.00"}, {78, "G   "}}),
      row({{11, "3"}, {46, ".00"}, {78, "Q1  "}}),
      EMPTY,
      row({{11, "4"}, {46, "**********"}, {78, "Q1  "}}),
      EMPTY,
  });

  const auto pages = pages_of(report_of(*s, 0, 0, 0));
  ASSERT_EQ(pages.size(), 4u);  // sections 2, 3 and 4 each end with a page break
  EXPECT_EQ(pages[0], title_block + COMBINATIONS_OPENING + combinations);
}

TEST(Displacements, ThreeRowsPerCaseAfterAnEmptyRecord) {
  auto s = plain_store();
  s->BL4.CCAR(1) = Name<4>::of("G");
  s->BL4.CCAR(2) = Name<4>::of("Q1");
  s->BL7.NO_E = 1, s->BL7.NO_C = 0, s->BL7.NO_D = 12;  // no node on the axis: middle row shows 0
  auto& d = s->BL8;
  d.DX_E(1) = 0.0012345f, d.DY_E(1) = -0.5f, d.DZ_E(1) = 0.0f;
  d.DX_C(1) = 1234.5678f, d.DY_C(1) = -4.0e-8f, d.DZ_C(1) = 2.2f;
  d.DX_D(1) = -0.05f, d.DY_D(1) = 0.1f, d.DZ_D(1) = -123456789.0f;
  d.DX_E(2) = 1.0f;  // the rest of case 2 stays zero

  const std::string rows = records({
      EMPTY,
      row({{7, "G   "}, {18, "1"}, {38, ".0012345"}, {58, "-.5000000"}, {78, ".0000000"}}),
      row({{7, "G   "}, {18, "0"}, {38, "1234.5680000"}, {58, ".0000000"}, {78, "2.2000000"}}),
      row({{7, "G   "}, {18, "12"}, {38, "-.0500000"}, {58, ".1000000"}, {78, "-123456800.0000000"}}),
      EMPTY,
      row({{7, "Q1  "}, {18, "1"}, {38, "1.0000000"}, {58, ".0000000"}, {78, ".0000000"}}),
      row({{7, "Q1  "}, {18, "0"}, {38, ".0000000"}, {58, ".0000000"}, {78, ".0000000"}}),
      row({{7, "Q1  "}, {18, "12"}, {38, ".0000000"}, {58, ".0000000"}, {78, ".0000000"}}),
  });

  const auto pages = pages_of(report_of(*s, 0, 2, 0));
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[1], DISPLACEMENTS_OPENING + rows);
}

TEST(Reactions, OneRowPerSupportAndAnEmptyRecordClosingEachCase) {
  auto s = plain_store();
  s->BL4.CCAR(1) = Name<4>::of("G");
  s->BL4.CCAR(2) = Name<4>::of("Q1");
  auto& r = s->BL11;
  r.NO_RES(1) = 1, r.NO_RES(2) = 12;
  r.RES1(1, 1) = 12.3456f, r.RES2(1, 1) = -0.0004f, r.RES3(1, 1) = -250.0f;
  r.RES1(1, 2) = 0.0f, r.RES2(1, 2) = 1.0e18f, r.RES3(1, 2) = 5.0005f;
  r.RES1(2, 2) = 99999999.0f;

  const std::string rows = records({
      row({{7, "G   "}, {17, "1"}, {38, "12.346"}, {58, ".000"}, {78, "-250.000"}}),
      row({{7, "G   "}, {17, "12"}, {38, ".000"}, {58, std::string(20, '*')}, {78, "5.001"}}),
      EMPTY,
      row({{7, "Q1  "}, {17, "1"}, {38, ".000"}, {58, ".000"}, {78, ".000"}}),
      row({{7, "Q1  "}, {17, "12"}, {38, "100000000.000"}, {58, ".000"}, {78, ".000"}}),
      EMPTY,
  });

  const auto pages = pages_of(report_of(*s, 0, 2, 2));
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[2], REACTIONS_OPENING + rows);
}

TEST(Reactions, NoSupportsLeaveOneEmptyRecordPerCase) {
  auto s = plain_store();
  const auto pages = pages_of(report_of(*s, 0, 3, 0));
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[2], REACTIONS_OPENING + records({EMPTY, EMPTY, EMPTY}));
}

}  // namespace
}  // namespace toval::testing
