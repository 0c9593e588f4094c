// The node and bar sections of the forces file.
#include <gtest/gtest.h>

#include <cstdio>

#include "input_files.h"

namespace toval::testing {
namespace {

TEST(StructureSections, StoresNodesAndBarsByRecordPosition) {
  char bar_without_points[128];  // the digits take the field's implied decimals
  std::snprintf(bar_without_points, sizeof bar_without_points, "%10d%9d%7d%9d%7d%8d%16s%14s", 2, 4, 9, 500, 9,
                3, "1234", "-1");
  Loaded l;
  l.s->BL2.X(6) = 77.0f;  // the end record must not reach the tables
  l.s->BL3.L(3) = 77.0f;
  load(l,
       forces_file({node_record(1, 0, 0, 1, 1, 1), node_record(2, 2.5, 3), node_record(4, 7, 8.25, 0, 1, 0),
                    node_record(-1, 9, 9), "       5     2.0", "       0         99.000"},
                   {bar_record(1, 1, 2, 7, 2.5, 0.6), bar_without_points}),
       ONE_CASE_COMBINATION);

  ASSERT_EQ(l.NNOS, 5);  // a negative node number does not end the list; 0 does
  ASSERT_EQ(l.NBAR, 2);
  const Nodes& n = l.s->BL2;
  EXPECT_EQ(n.X(2), 2.5f);
  EXPECT_EQ(n.Y(3), 8.25f);  // the record numbered 4 is node 3
  EXPECT_EQ(n.R2(3), 1);
  EXPECT_EQ(n.R3(1), 1);
  EXPECT_EQ(n.X(4), 9.0f);
  EXPECT_EQ(n.X(5), 2.0f);  // a record ending inside a field
  EXPECT_EQ(n.Y(5), 0.0f);
  EXPECT_EQ(n.X(6), 77.0f);

  const Bars& b = l.s->BL3;
  EXPECT_EQ(b.NI(1), 1);
  EXPECT_EQ(b.NF(1), 2);
  EXPECT_EQ(b.PROP(1), 7);
  EXPECT_EQ(b.L(1), 2.5f);
  EXPECT_EQ(b.CD(1), 0.6f);
  EXPECT_EQ(b.NI(2), 4);
  EXPECT_EQ(b.NF(2), 500);  // above NNOS but within the tables: taken as read
  EXPECT_EQ(b.L(2), 1.234f);
  EXPECT_EQ(b.CD(2), -0.0001f);
  EXPECT_EQ(b.L(3), 77.0f);
}

TEST(StructureSections, ShortAndEmptySections) {
  struct Case {
    const char* name;
    std::string forces;
    Whole NNOS, NBAR;
    Real last_y;
  };
  const Case cases[] = {
      {"both sections empty", forces_file({}, {}), 0, 0, 0.0f},
      {"record ending inside a field", forces_file({"       1            2.0      3"}, {}), 1, 0, 3.0f},
      {"end record with node number 0 and values",
       forces_file({node_record(1, 0, 4), node_record(0, 5, 6)}, {}), 1, 0, 4.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Loaded l;
    load(l, c.forces, ONE_CASE_COMBINATION);
    EXPECT_EQ(l.NNOS, c.NNOS);
    EXPECT_EQ(l.NBAR, c.NBAR);
    if (c.NNOS > 0) {
      EXPECT_EQ(l.s->BL2.Y(c.NNOS), c.last_y);
    }
  }
}

TEST(StructureSections, ReadErrorsNameLineColumnsAndWhatWasExpected) {
  const std::string titles = lines({"", "", "", ""});
  struct Case {
    const char* name;
    std::string forces;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"node heading with four blanks",
       lines({"    COORDENADAS", "x"}),
       {"F6501", "end of file after line 2", "\"     COORDENADAS\" (columns 1-16) was not found"}},
      {"node heading in lower case", lines({"     Coordenadas"}), {"\"     COORDENADAS\""}},
      {"bar heading with six blanks",
       "     COORDENADAS\n" + titles + "\n      CARACTERISTICAS DAS BARRAS\n",
       {"end of file after line 7", "\"     CARACTERISTICAS DAS BARRAS\" (columns 1-31) was not found"}},
      {"file ends among the column titles",
       lines({"     COORDENADAS", "", ""}),
       {"end of file after line 3", "column-title record (3 of 4", "\"     COORDENADAS\""}},
      {"node end record missing",
       "     COORDENADAS\n" + titles + lines({node_record(1, 0, 0), "     CARACTERISTICAS"}),
       {"F6502", "line 7, columns 1-8 (I8) of a node record (or the end record", "found \"     CAR\""}},
      {"bar end record missing",
       "     COORDENADAS\n" + titles + lines({node_record(1, 0, 0), "", "     CARACTERISTICAS DAS BARRAS"}) +
           titles + lines({"", bar_record(1, 1, 1)}),
       {"end of file after line 14", "bar record (or the end record, blank or with bar number 0)"}},
      {"unreadable bar length",
       forces_file({node_record(1, 0, 0)}, {bar_record(1, 1, 1),
                                            "         2        1      0        1      0       1"
                                            "          1.2.3"}),
       {"F6504", "line 18, columns 51-66 (F16.3) of a bar record", "found \"          1.2.3\""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string message = error_of(c.forces, ONE_CASE_COMBINATION);
    EXPECT_NE(message.find("run-time error F65"), std::string::npos) << message;
    EXPECT_NE(message.find(": READ(FORCES.DAT)\n- "), std::string::npos) << message;
    for (const auto& e : c.expected) EXPECT_NE(message.find(e), std::string::npos) << e << "\n" << message;
  }
}

TEST(StructureSections, BarNamingANodeOutsideTheTablesEndsTheRun) {
  struct Case {
    int ni, nf;
    const char* expected;
  };
  const Case cases[] = {{0, 1, "its initial node 0 lies outside"},
                        {501, 1, "its initial node 501 lies outside"},
                        {1, -3, "its final node -3 lies outside"},
                        {1, 501, "columns 27-35 (I9) of bar record 2 (numbered 8): its final node 501"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    const std::string message =
        error_of(forces_file({node_record(1, 0, 0)}, {bar_record(1, 1, 1), bar_record(8, c.ni, c.nf)}),
                 ONE_CASE_COMBINATION);
    EXPECT_NE(message.find("run-time error F6511: READ(FORCES.DAT)\n- line 18, columns "), std::string::npos)
        << message;
    EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    EXPECT_NE(message.find("1..500"), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace toval::testing
