// Reactions of the supported nodes.
#include "combine/reacoes.h"

#include <gtest/gtest.h>

#include "frame_fixture.h"

namespace toval::testing {
namespace {

TEST(Reactions, SupportsAtScatteredNodesTakeTheirRecordsByPosition) {
  Frame f;
  // Supports at nodes 1, 4 and 7: all codes, only the third, a negative one.
  std::vector<NodeEntry> nodes(8, NodeEntry{0, 0});
  nodes[0] = {0, 0, 1, 1, 1};
  nodes[3] = {0, 0, 0, 0, 1};
  nodes[6] = {0, 0, -1, 0, 0};
  set_nodes(*f.s, nodes);
  f.s->BL4.CCAR(1) = Name<4>::of("G1");
  f.s->BL4.CCAR(2) = Name<4>::of("Q1");

  // Record numbers run 11..18: position, not number, decides. Records of
  // nodes that are not supports are not examined.
  auto resultants = [](Real base) {
    std::vector<NodeLine> r;
    for (int k = 1; k <= 8; ++k) {
      const bool support = k == 1 || k == 4 || k == 7;
      r.push_back(support ? node_line(10 + k, base + k, -(base + k), 0.5f * k)
                          : (k == 2 ? node_line(10 + k, 99, 99, 99) : unreadable_node_line(10 + k)));
    }
    return r;
  };
  f.open_forces(forces_listing({{"G1", {}, {}, true, resultants(0)}, {"Q1", {}, {}, true, resultants(100)}}));

  Whole NNOS = 8, NRES = -1;
  for (Whole I = 1; I <= 2; ++I) REACOES(*f.s, *f.forces, NNOS, I, NRES);

  ASSERT_EQ(NRES, 3);
  const Reactions& r = f.s->BL11;
  const Whole supports[] = {1, 4, 7};
  for (long K = 1; K <= 3; ++K) {
    const Real k = supports[K - 1];
    EXPECT_EQ(r.NO_RES(K), supports[K - 1]);
    EXPECT_EQ(r.RES1(1, K), k);
    EXPECT_EQ(r.RES2(1, K), -k);
    EXPECT_EQ(r.RES3(1, K), 0.5f * k);
    EXPECT_EQ(r.RES1(2, K), 100 + k);
    EXPECT_EQ(r.RES2(2, K), -(100 + k));
  }
  EXPECT_EQ(r.NO_RES(4), 0);
  EXPECT_EQ(r.RES1(1, 4), 0.0f);
}

TEST(Reactions, NoSupportsStillPassesOverEveryRecord) {
  std::vector<NodeLine> three = {node_line(1, 1, 1, 1), node_line(2, 2, 2, 2), node_line(3, 3, 3, 3)};
  const std::string complete = forces_listing({{"G1", {}, {}, true, three}});
  const std::size_t node3 = complete.find("\n       3") + 1;
  const std::string listing = complete.substr(0, complete.find('\n', node3) + 1);  // ends after node 3
  const std::string short_listing = complete.substr(0, node3);                     // ends after node 2

  for (const std::string* text : {&listing, &short_listing}) {
    Frame f;
    set_nodes(*f.s, {{0, 0}, {1, 0}, {2, 0}});
    f.s->BL4.CCAR(1) = Name<4>::of("G1");
    f.open_forces(*text);
    Whole NNOS = 3, I = 1, NRES = 9;
    const std::string message = error_of([&] { REACOES(*f.s, *f.forces, NNOS, I, NRES); });
    if (text == &listing) {
      EXPECT_EQ(message, "");
      EXPECT_EQ(NRES, 0);
    } else {
      EXPECT_NE(message.find("a nodal resultant record of node 3 in case G1 was expected"), std::string::npos)
          << message;
    }
  }
}

TEST(Reactions, FiftyOneSupportsExceedTheTable) {
  for (int supports : {50, 51}) {
    SCOPED_TRACE(supports);
    Frame f;
    std::vector<NodeEntry> nodes(static_cast<std::size_t>(supports), NodeEntry{0, 0, 0, 1, 0});
    set_nodes(*f.s, nodes);
    f.s->BL4.CCAR(1) = Name<4>::of("G1");
    std::vector<NodeLine> lines;
    for (int k = 1; k <= supports; ++k) lines.push_back(node_line(k, static_cast<Real>(k), 0, 0));
    f.open_forces(forces_listing({{"G1", {}, {}, true, lines}}));
    Whole NNOS = static_cast<Whole>(supports), I = 1, NRES = 0;
    const std::string message = error_of([&] { REACOES(*f.s, *f.forces, NNOS, I, NRES); });
    if (supports == 50) {
      EXPECT_EQ(message, "");
      EXPECT_EQ(NRES, 50);
      EXPECT_EQ(f.s->BL11.NO_RES(50), 50);
      EXPECT_EQ(f.s->BL11.RES1(1, 50), 50.0f);
    } else {
      EXPECT_NE(message.find("more than 50 supported nodes"), std::string::npos) << message;
      EXPECT_EQ(f.s->BL11.NO_RES(50), 50);  // the 51st is not stored
    }
  }
}

TEST(Reactions, MissingBlockOrHeadingEndsTheRun) {
  struct Fault {
    const char* what;
    std::string listing;
    const char* names;
  };
  const Fault faults[] = {
      {"no block for the case", forces_listing({{"Q1", {}, {}, true, {node_line(1, 1, 1, 1)}}}),
       "CARREGAMENTO: G1"},
      {"no resultants heading after the block",
       forces_listing({{"G1", {}, {}, false, {node_line(1, 1, 1, 1)}}}), "RESULTANTES NODAIS"},
  };
  for (const Fault& c : faults) {
    SCOPED_TRACE(c.what);
    Frame f;
    set_nodes(*f.s, {{0, 0, 1, 1, 1}});
    f.s->BL4.CCAR(1) = Name<4>::of("G1");
    f.open_forces(c.listing);
    Whole NNOS = 1, I = 1, NRES = 0;
    const std::string message = error_of([&] { REACOES(*f.s, *f.forces, NNOS, I, NRES); });
    EXPECT_NE(message.find("READ(FORCES.TXT)"), std::string::npos) << message;
    EXPECT_NE(message.find(c.names), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace toval::testing
