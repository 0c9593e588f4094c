// The characteristic nodes and their displacements.
#include "combine/desloc.h"

#include <gtest/gtest.h>

#include "driver/toval_capacities.h"
#include "frame_fixture.h"

namespace toval::testing {
namespace {

const Real DT = 0.0015f;
const Real PAST_DT = next_up(DT);
const Real TINY = 0x1p-34f + 0x1p-40f;  // TINY to PAST_DT is DT + 2^-34 - 2^-40: DT once rounded to 32 bits

struct Choice {
  const char* what;
  std::vector<NodeEntry> nodes;
  Real XS;
  Whole NO_E, NO_C, NO_D, NO_CE, NO_CD;
};

const Choice CHOICES[] = {
    {"single-bay portal: highest nodes on the outer lines, lowest on the flanking lines",
     {{0, 0}, {0, 4}, {10, 4}, {10, 0}},
     5.0f,
     2,
     0,
     3,
     1,
     4},
    {"two-bay frame: the lowest node on the axis",
     {{0, 0}, {0, 3}, {5, 0}, {5, 3}, {10, 0}, {10, 3}},
     5.0f,
     2,
     3,
     6,
     0,
     0},
    {"two-bay frame numbered from the top",
     {{0, 3}, {0, 0}, {5, 3}, {5, 0}, {10, 3}, {10, 0}},
     5.0f,
     1,
     4,
     5,
     0,
     0},
    {"gable: the ridge is on the axis", {{0, 0}, {0, 3}, {5, 5}, {10, 3}, {10, 0}}, 5.0f, 2, 3, 4, 0, 0},
    {"a node 0.0015 from the leftmost line is on it, one 0.002 away is not; the left flanking line is 0.002",
     {{0, 0}, {0.0015f, 5}, {0.002f, 9}, {10, 0}, {10, 1}},
     5.0f,
     2,
     0,
     5,
     2,
     4},
    {"nodes of equal height: the first in node order",
     {{0, 3}, {0, 3}, {10, 3}, {10, 3}},
     5.0f,
     1,
     0,
     3,
     1,
     3},
    {"no pair of consecutive nodes on one side: both flanking lines are the axis",
     {{0, 0}, {10, 0}, {0, 4}, {10, 4}},
     5.0f,
     3,
     0,
     4,
     0,
     0},
    {"the last pair on a side decides, at its node nearer the axis",
     {{0, 0}, {1, 0}, {3, 1}, {2, 2}, {1, 5}, {8, 0}, {10, 0}},
     5.0f,
     1,
     0,
     7,
     4,
     6},
    {"one node on the axis", {{3, 7}}, 3.0f, 1, 1, 1, 0, 0},
    {"one node 0.002 off the axis", {{3, 7}}, 3.002f, 1, 0, 1, 0, 0},
    {"the distance to a line is formed in double precision and not rounded",
     {{TINY, 0}, {PAST_DT, 5}, {5, 0}, {10, 0}},
     5.0f,
     1,
     3,
     4,
     0,
     0},
};

TEST(Displacements, ChoosesTheCharacteristicNodes) {
  for (const Choice& c : CHOICES) {
    SCOPED_TRACE(c.what);
    auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
    set_nodes(*s, c.nodes);
    s->BL7 = {9, 9, 9, 9, 9};
    Whole NNOS = static_cast<Whole>(c.nodes.size());
    Real XS = c.XS;
    choose_characteristic_nodes(*s, NNOS, XS);
    const DisplacementNodes& n = s->BL7;
    EXPECT_EQ(n.NO_E, c.NO_E);
    EXPECT_EQ(n.NO_C, c.NO_C);
    EXPECT_EQ(n.NO_D, c.NO_D);
    EXPECT_EQ(n.NO_CE, c.NO_CE);
    EXPECT_EQ(n.NO_CD, c.NO_CD);
  }
}

struct Triple {
  Real dx, dy, dz;
};

void expect_values(const Table<Real>& DX, const Table<Real>& DY, const Table<Real>& DZ, long I, Triple t,
                   const char* role) {
  SCOPED_TRACE(std::string(role) + " of case " + std::to_string(I));
  EXPECT_EQ(DX(I), t.dx);
  EXPECT_EQ(DY(I), t.dy);
  EXPECT_EQ(DZ(I), t.dz);
}

// Expected displacements of one case at the three characteristic places.
struct CaseValues {
  Triple E, C, D;
};

void expect_cases(const Store& s, const std::vector<CaseValues>& cases) {
  const Displacements& d = s.BL8;
  for (std::size_t k = 0; k < cases.size(); ++k) {
    const long I = static_cast<long>(k) + 1;
    expect_values(d.DX_E, d.DY_E, d.DZ_E, I, cases[k].E, "left node");
    expect_values(d.DX_C, d.DY_C, d.DZ_C, I, cases[k].C, "axis");
    expect_values(d.DX_D, d.DY_D, d.DZ_D, I, cases[k].D, "right node");
  }
}

void set_cases(Store& s, const std::vector<const char*>& names) {
  for (std::size_t k = 0; k < names.size(); ++k) s.BL4.CCAR(static_cast<long>(k) + 1) = Name<4>::of(names[k]);
}

const std::vector<NodeEntry> PORTAL = {{0, 0}, {0, 4}, {10, 4}, {10, 0}};

TEST(Displacements, PortalTakesTheAxisValuesAsTheMeanOfTheFlankingNodes) {
  Frame f;
  set_nodes(*f.s, PORTAL);
  set_cases(*f.s, {"G1", "Q1"});
  // Q1 comes first in the file: every case is searched from the top.
  f.open_forces(forces_listing({
      {"Q1",
       {node_line(1, -1, 2, 0.5f), node_line(2, 7, 8, 9), node_line(3, -7, -8, -9),
        node_line(4, 3, -4, 1.5f)}},
      {"G1",
       {node_line(1, 1.5f, -0.25f, 0.5f), node_line(2, 2, 3, -4), node_line(3, 5, 6, 7),
        node_line(4, 2.5f, 0.75f, -1.5f)}},
  }));
  Whole NNOS = 4, NCCAR = 2;
  Real XS = 5.0f;
  DESLOC(*f.s, *f.forces, NNOS, XS, NCCAR);
  expect_cases(*f.s, {{{2, 3, -4}, {2, 0.25f, -0.5f}, {5, 6, 7}}, {{7, 8, 9}, {1, -1, 1}, {-7, -8, -9}}});
}

TEST(Displacements, NodeOnTheAxisIsReadAndOtherRecordsAreNotExamined) {
  Frame f;
  set_nodes(*f.s, {{0, 0}, {0, 3}, {5, 0}, {5, 3}, {10, 0}, {10, 3}});
  set_cases(*f.s, {"W1"});
  f.open_forces(
      forces_listing({{"W1",
                       {unreadable_node_line(1), node_line(2, 0.25f, 0, -1), node_line(3, 4, 5, 6),
                        unreadable_node_line(4), unreadable_node_line(5), node_line(6, 1, 2, 3)}}}));
  Whole NNOS = 6, NCCAR = 1;
  Real XS = 5.0f;
  DESLOC(*f.s, *f.forces, NNOS, XS, NCCAR);
  expect_cases(*f.s, {{{0.25f, 0, -1}, {4, 5, 6}, {1, 2, 3}}});
}

TEST(Displacements, ChosenNodesMissingFromACaseBlock) {
  Frame f;
  set_nodes(*f.s, PORTAL);
  set_cases(*f.s, {"G1", "Q1", "W1"});
  f.open_forces(forces_listing({
      {"G1", {node_line(1, 1, 1, 1), node_line(2, 2, 2, 2), node_line(3, 3, 3, 3), node_line(4, 5, 7, 9)}},
      // Nodes 2 (left) and 4 (right flanking) are missing.
      {"Q1", {node_line(1, 3, 5, 7), node_line(3, 6, 6, 6), node_line(7, 8, 8, 8), node_line(8, 8, 8, 8)}},
      // No chosen node at all.
      {"W1", {node_line(5, 8, 8, 8), node_line(6, 8, 8, 8), node_line(7, 8, 8, 8), node_line(8, 8, 8, 8)}},
  }));
  Whole NNOS = 4, NCCAR = 3;
  Real XS = 5.0f;
  DESLOC(*f.s, *f.forces, NNOS, XS, NCCAR);
  // A missing node keeps its zero; a missing flanking node carries its
  // values over from the previous case.
  expect_cases(*f.s, {{{2, 2, 2}, {3, 4, 5}, {3, 3, 3}},
                      {{0, 0, 0}, {4, 6, 8}, {6, 6, 6}},
                      {{0, 0, 0}, {4, 6, 8}, {0, 0, 0}}});
}

TEST(Displacements, OneSidedFlankingHalvesTheRightNode) {
  Frame f;
  set_nodes(*f.s, {{0, 0}, {10, 0}, {10, 4}, {10, 2}});
  set_cases(*f.s, {"G1"});
  // Node 4 is not chosen; its record is numbered 0, which is no node: it does
  // not stand in for the missing left flanking node.
  f.open_forces(forces_listing({{"G1",
                                 {node_line(1, 1, 1, 1), node_line(2, 4, -2, 1), node_line(3, 9, 9, 9),
                                  node_line(0, 100, 100, 100)}}}));
  Whole NNOS = 4, NCCAR = 1;
  Real XS = 5.0f;
  DESLOC(*f.s, *f.forces, NNOS, XS, NCCAR);
  EXPECT_EQ(f.s->BL7.NO_CE, 0);
  EXPECT_EQ(f.s->BL7.NO_CD, 2);
  expect_cases(*f.s, {{{1, 1, 1}, {2, -1, 0.5f}, {9, 9, 9}}});
}

TEST(Displacements, NodeWithSeveralRolesIsReadForEach) {
  Frame f;
  set_nodes(*f.s, {{0, 0}, {0, 5}});
  set_cases(*f.s, {"G1"});
  f.open_forces(forces_listing({{"G1", {node_line(1, 1, 2, 3), node_line(2, 4, 5, 6)}}}));
  Whole NNOS = 2, NCCAR = 1;
  Real XS = 0.0f;
  DESLOC(*f.s, *f.forces, NNOS, XS, NCCAR);
  EXPECT_EQ(f.s->BL7.NO_E, 2);
  EXPECT_EQ(f.s->BL7.NO_D, 2);
  EXPECT_EQ(f.s->BL7.NO_C, 1);
  expect_cases(*f.s, {{{4, 5, 6}, {1, 2, 3}, {4, 5, 6}}});
}

TEST(Displacements, FaultsInTheForcesFileNameTheRecord) {
  const std::string complete = forces_listing(
      {{"G1", {node_line(1, 1, 1, 1), node_line(2, 2, 2, 2), node_line(3, 3, 3, 3), node_line(4, 4, 4, 4)}}});
  // The listing cut after the heading, ten records and two displacement records.
  std::size_t cut = complete.find("CARREGAMENTO: G1");
  for (int k = 0; k < 13; ++k) cut = complete.find('\n', cut) + 1;

  struct Fault {
    const char* what;
    std::string listing;
    const char* names;
  };
  const Fault faults[] = {
      {"no block for the case", forces_listing({{"G2", {}}}), "CARREGAMENTO: G1"},
      {"the file ends inside the displacement records", complete.substr(0, cut),
       "end of file after line 16: a displacement record 3 in case G1 was expected"},
      {"a chosen node's value cannot be read",
       forces_listing({{"G1",
                        {node_line(1, 1, 1, 1),
                         {2, "1.0", "two", "3.0"},
                         node_line(3, 3, 3, 3),
                         node_line(4, 4, 4, 4)}}}),
       "columns 31-55 (F25.0) of a displacement record of node 2 in case G1: found"},
  };
  for (const Fault& c : faults) {
    SCOPED_TRACE(c.what);
    Frame f;
    set_nodes(*f.s, PORTAL);
    set_cases(*f.s, {"G1"});
    f.open_forces(c.listing);
    Whole NNOS = 4, NCCAR = 1;
    Real XS = 5.0f;
    const std::string message = error_of([&] { DESLOC(*f.s, *f.forces, NNOS, XS, NCCAR); });
    EXPECT_NE(message.find("READ(FORCES.TXT)"), std::string::npos) << message;
    EXPECT_NE(message.find(c.names), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace toval::testing
