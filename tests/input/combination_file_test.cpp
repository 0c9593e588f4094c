// The combination file: titles, case list, combinations and their terms.
#include <gtest/gtest.h>

#include "input_files.h"

namespace toval::testing {
namespace {

// The example file of the developers' guide, records 1 to 20.
std::vector<std::string> two_combinations() {
  return {"COMBINACOES DO PORTICO",
          "EDIFICIO SEDE",
          "CONSTRUTORA",
          "PORTICO P1",
          "CARREGAMENTOS",
          "FIMG",
          "G1  peso proprio",
          "PERMANENTE",
          "FIMC",
          "Q1",
          "FIMC",
          "FIME",
          "COMBINACAO 1",
          "           1.4G1",
          "           1.5Q1",
          "FIMC",
          "COMBINACAO 2",
          "           1.0G1",
          "FIMC",
          "FIME"};
}

TEST(CombinationFile, ReadsTitlesCasesAndCombinations) {
  Loaded l;
  load(l, ONE_NODE_FORCES, lines(two_combinations()));
  const Store& s = *l.s;
  EXPECT_EQ(s.BL1.PRJT, Name<40>::of("EDIFICIO SEDE"));
  EXPECT_EQ(s.BL1.PORT, Name<40>::of("PORTICO P1"));
  ASSERT_EQ(l.NCCAR, 2);
  EXPECT_EQ(s.BL4.CCAR(1), "G1  ");
  EXPECT_EQ(s.BL4.CCAR(2), "Q1  ");
  ASSERT_EQ(s.BL5.NCOB, 2);
  EXPECT_EQ(s.BL5.NCASO(1), 2);
  EXPECT_EQ(s.BL5.NCASO(2), 1);
  EXPECT_EQ(s.BL5.MULT(1, 1), 1.4f);
  EXPECT_EQ(s.BL5.MULT(1, 2), 1.5f);
  EXPECT_EQ(s.BL5.CASO(1, 2), "Q1  ");
  EXPECT_EQ(s.BL5.MULT(2, 1), 1.0f);
  EXPECT_EQ(s.BL5.CASO(2, 1), "G1  ");
}

TEST(CombinationFile, FimeAfterTheCaseListGivesOneCombinationPerCase) {
  auto records = two_combinations();
  records[12] = "FIME but not read further";
  Loaded l;
  l.s->BL5.MULT(1, 2) = -7.0f;
  load(l, ONE_NODE_FORCES, lines(records));
  const Combinations& c = l.s->BL5;
  ASSERT_EQ(c.NCOB, 2);
  for (Whole K = 1; K <= 2; ++K) {
    EXPECT_EQ(c.NCASO(K), 1);
    EXPECT_EQ(c.MULT(K, 1), 1.0f);
    EXPECT_EQ(c.CASO(K, 1), l.s->BL4.CCAR(K));
  }
  EXPECT_EQ(c.MULT(1, 2), -7.0f);
}

TEST(CombinationFile, HeadAndCaseListGrammar) {
  Loaded l;
  load(l, ONE_NODE_FORCES,
       lines({"FIMG as the first record is skipped", "P", std::string(40, 'T') + "CUT", "FIMG", "fimg",
              "FIMGxx", "FIME is a case name here", "FIMC", "FIMC", "Q1", "fimc",
              "FIMC trailing text is never read", "fime", "FIMC", "FIME", "FIME"}));
  const Store& s = *l.s;
  EXPECT_EQ(s.BL1.PRJT, Name<40>::of("P"));
  EXPECT_EQ(s.BL1.CLIT, Name<40>::of(std::string(40, 'T')));
  EXPECT_EQ(s.BL1.PORT, Name<40>::of("FIMG"));  // a title, not the marker
  ASSERT_EQ(l.NCCAR, 3);
  EXPECT_EQ(s.BL4.CCAR(1), "FIME");
  EXPECT_EQ(s.BL4.CCAR(2), "FIMC");  // a name record is never a marker
  EXPECT_EQ(s.BL4.CCAR(3), "fime");  // lower case is no marker
  EXPECT_EQ(s.BL5.NCOB, 3);
}

TEST(CombinationFile, TermForms) {
  struct Case {
    std::string term;
    Real MULT;
    const char* CASO;
  };
  const Case cases[] = {
      {"           1.4G1", 1.4f, "G1  "},     {"    1.4,G1", 1.4f, "G1  "},
      {"C1:          2G1", 2.0f, "G1  "},     {"              G1", 0.0f, "G1  "},
      {"    -1.5E1,Q1", -15.0f, "Q1  "},      {"           1.0,G1 ", 1.0f, "G1  "},
      {"           1.0G1,X", 1.0f, "G1  "},   {"           1.0,,G1", 1.0f, "    "},
      {"    1.4,,G1", 1.4f, "G1  "},          {"    1.4,G1,Q", 1.4f, "G1  "},
      {"           1.0ABCDEF", 1.0f, "ABCD"}, {"fimc       1.5Q1", 1.5f, "Q1  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.term);
    Loaded l;
    load(l, ONE_NODE_FORCES, combination_file({"G1"}, {"HEAD", c.term, "FIMC", "FIME"}));
    ASSERT_EQ(l.s->BL5.NCOB, 1);
    ASSERT_EQ(l.s->BL5.NCASO(1), 1);
    EXPECT_EQ(l.s->BL5.MULT(1, 1), c.MULT);
    EXPECT_EQ(l.s->BL5.CASO(1, 1), c.CASO);
  }
}

TEST(CombinationFile, CombinationBlocks) {
  Loaded l;
  l.s->BL5.MULT(2, 3) = -7.0f;
  l.s->BL5.CASO(2, 3) = Name<4>::of("ZZZZ");
  load(l, ONE_NODE_FORCES,
       combination_file({"G1", "Q1"},
                        {"EMPTY", "FIMC", "FIMC as a header", "    1,G1", "    2,Q1", "FIMC       9.5XX",
                         "THIRD", "    0.9,Q1", "FIMC", "FIME", "never, read"}));
  const Combinations& c = l.s->BL5;
  ASSERT_EQ(c.NCOB, 3);
  EXPECT_EQ(c.NCASO(1), 0);
  EXPECT_EQ(c.NCASO(2), 2);
  EXPECT_EQ(c.MULT(2, 2), 2.0f);
  EXPECT_EQ(c.MULT(2, 3), -7.0f);  // the closing record is not a term
  EXPECT_EQ(c.CASO(2, 3), "ZZZZ");
  EXPECT_EQ(c.NCASO(3), 1);
  EXPECT_EQ(c.MULT(3, 1), 0.9f);
}

TEST(CombinationFile, ReadErrorsNameLineAndWhatWasExpected) {
  struct Case {
    const char* name;
    std::string combination;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"file ends among the titles", lines({"x", "P"}), {"end of file after line 2", "client title record"}},
      {"no FIMG",
       lines({"x", "P", "C", "F", "fimg", "FIM"}),
       {"end of file after line 6", "marker \"FIMG\" in columns 1-4 (ending the head of the file)"}},
      {"no FIMC after a case",
       lines({"x", "P", "C", "F", "FIMG", "G1", "fimc"}),
       {"end of file after line 7", "marker \"FIMC\" in columns 1-4 (ending case 1 \"G1\")"}},
      {"no FIME after the case list",
       lines({"x", "P", "C", "F", "FIMG", "G1", "FIMC"}),
       {"end of file after line 7", "after the \"FIMC\" of case 1 \"G1\"", "\"FIME\" ending the case list"}},
      {"nothing after the case list",
       combination_file({"G1"}, {}),
       {"end of file after line 8",
        "\"FIME\" when the file gives no combinations, else the header of combination 1"}},
      {"no closing FIMC",
       combination_file({"G1"}, {"HEAD", "    1,G1"}),
       {"end of file after line 10",
        "a term record of combination 1, or the record with the marker \"FIMC\""}},
      {"no FIME after the combinations",
       combination_file({"G1"}, {"HEAD", "FIMC", "HEAD", "FIMC"}),
       {"end of file after line 12", "closing \"FIMC\" of combination 2",
        "\"FIME\" ending the combinations"}},
      {"unreadable multiplier",
       combination_file({"G1"}, {"HEAD", "FIMC", "HEAD", "    1.x,G1", "FIMC", "FIME"}),
       {"F6504", "line 12, columns 5-14 (F10.0) of a term record of combination 2", "found \"1.x,G1\""}},
      {"text after a closing FIMC",
       combination_file({"G1"}, {"HEAD", "    1,G1", "FIMC end", "FIME"}),
       {"F6504", "line 11, columns 5-14 (F10.0) of a closing \"FIMC\" record of combination 1",
        "must be blank or a number"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string message = error_of(ONE_NODE_FORCES, c.combination);
    EXPECT_NE(message.find(": READ(COMB.DAT)\n- "), std::string::npos) << message;
    for (const auto& e : c.expected) EXPECT_NE(message.find(e), std::string::npos) << e << "\n" << message;
  }
}

}  // namespace
}  // namespace toval::testing
