// The symmetry axis and the pairing of mirror bars.
#include "combine/simetria.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver/toval_capacities.h"
#include "frame_fixture.h"
#include "records/console.h"

namespace toval::testing {
namespace {

const Real DT = 0.0015f;
const Real PAST_DT = next_up(DT);       // first 32-bit value beyond the tolerance
const Real TINY = 0x1p-34f + 0x1p-40f;  // much smaller than DT, not a multiple of its last bit

// What SIMETRIA shows on the console, and the message it ends the run with
// ("" when it ends normally).
struct Outcome {
  std::string shown, error;
};

Outcome run_symmetry(Store& s, Whole NNOS, Whole NBAR, Real& XS) {
  std::FILE* out = std::tmpfile();
  Console console;
  console.attach(stdin, out);
  Outcome o;
  o.error = error_of([&] { SIMETRIA(s, console, NNOS, NBAR, XS); });
  std::fflush(out);
  std::rewind(out);
  for (int c; (c = std::fgetc(out)) != EOF;) o.shown += static_cast<char>(c);
  std::fclose(out);
  return o;
}

struct Pairing {
  const char* what;
  std::vector<NodeEntry> nodes;
  std::vector<BarEntry> bars;
  Real XS;
  std::vector<Whole> BAR_SIM;
};

// Bars: {NI, NF, PROP, L, CD}.
const Pairing PAIRINGS[] = {
    {"single-bay portal: the columns pair as vertical bars, the beam lies on the axis",
     {{0, 0}, {0, 4}, {10, 4}, {10, 0}},
     {{1, 2, 1, 4, 0}, {2, 3, 2, 10, 1}, {4, 3, 1, 4, 0}},
     5.0f,
     {3, 0, 1}},
    {"portal numbered from the right: the lower-numbered bar of a pair must be the left one",
     {{0, 0}, {0, 4}, {10, 4}, {10, 0}},
     {{4, 3, 1, 4, 0}, {2, 3, 2, 10, 1}, {1, 2, 1, 4, 0}},
     5.0f,
     {0, 0, 0}},
    {"gable, right rafter from ridge to eave: the rafters rise in opposite senses",
     {{0, 0}, {0, 3}, {5, 5}, {10, 3}, {10, 0}},
     {{1, 2, 1, 3, 0}, {2, 3, 2, 5.3851647f, 0.9284767f}, {3, 4, 2, 5.3851647f, 0.9284767f}, {5, 4, 1, 3, 0}},
     5.0f,
     {4, 3, 2, 1}},
    {"gable, both rafters from eave to ridge: both rise, so they do not pair",
     {{0, 0}, {0, 3}, {5, 5}, {10, 3}, {10, 0}},
     {{1, 2, 1, 3, 0},
      {2, 3, 2, 5.3851647f, 0.9284767f},
      {4, 3, 2, 5.3851647f, -0.9284767f},
      {5, 4, 1, 3, 0}},
     5.0f,
     {4, 0, 0, 1}},
    {"crossing diagonals of a central bay pair on the axis; the two beams differ in height",
     {{0, 0}, {0, 3}, {4, 3}, {4, 0}},
     {{1, 2, 1, 3, 0},
      {4, 3, 1, 3, 0},
      {1, 3, 3, 5, 0.8f},
      {2, 4, 3, 5, 0.8f},
      {2, 3, 2, 4, 1},
      {1, 4, 2, 4, 1}},
     2.0f,
     {2, 1, 4, 3, 0, 0}},
    {"crossing diagonals both rising do not pair",
     {{0, 0}, {0, 3}, {4, 3}, {4, 0}},
     {{1, 2, 1, 3, 0},
      {4, 3, 1, 3, 0},
      {1, 3, 3, 5, 0.8f},
      {4, 2, 3, 5, -0.8f},
      {2, 3, 2, 4, 1},
      {1, 4, 2, 4, 1}},
     2.0f,
     {2, 1, 0, 0, 0, 0}},
    {"level beams of the outer bays pair: a bar that neither rises nor falls fits any sense",
     {{0, 3}, {2, 3}, {8, 3}, {10, 3}},
     {{1, 2, 1, 2, 1}, {3, 4, 1, 2, 1}},
     5.0f,
     {2, 1}},
    {"a right bar taken by two lower bars names the later one",
     {{0, 0}, {0, 4}, {10, 0}, {10, 4}},
     {{1, 2, 1, 4, 0}, {1, 2, 1, 4, 0}, {3, 4, 1, 4, 0}},
     5.0f,
     {3, 3, 2}},
    {"the first matching bar wins; the second mirror candidate stays alone",
     {{0, 0}, {0, 4}, {10, 0}, {10, 4}},
     {{1, 2, 1, 4, 0}, {3, 4, 1, 4, 0}, {3, 4, 1, 4, 0}},
     5.0f,
     {2, 1, 0}},
    {"different property numbers do not pair",
     {{0, 0}, {0, 4}, {10, 0}, {10, 4}},
     {{1, 2, 1, 4, 0}, {3, 4, 2, 4, 0}},
     5.0f,
     {0, 0}},
    {"lengths 0.002 apart do not pair",
     {{0, 0}, {0, 4}, {10, 0}, {10, 4}},
     {{1, 2, 1, 4, 0}, {3, 4, 1, 4.002f, 0}},
     5.0f,
     {0, 0}},
    {"lengths 0.001 apart pair",
     {{0, 0}, {0, 4}, {10, 0}, {10, 4}},
     {{1, 2, 1, 4, 0}, {3, 4, 1, 4.001f, 0}},
     5.0f,
     {2, 1}},
    {"an extra node on one side moves the axis off the geometric one",
     {{0, 0}, {0, 4}, {10, 0}, {10, 4}, {12, 0}},
     {{1, 2, 1, 4, 0}, {3, 4, 1, 4, 0}},
     6.4f,
     {0, 0}},
    {"midpoints exactly on the band limits lie on the axis and pair there",
     {{-5, 0}, {-5, 4}, {5, 0}, {5, 4}, {DT, 0}, {-DT, 0}, {DT, 1}, {-DT, 1}},
     {{5, 7, 1, 1, 0}, {6, 8, 1, 1, 0}},
     0.0f,
     {2, 1}},
    {"a midpoint just past the band limit is off the axis and cannot pair with one on it",
     {{-5, 0},
      {-5, 4},
      {5, 0},
      {5, 4},
      {PAST_DT, 0},
      {-PAST_DT, 0},
      {PAST_DT, 1},
      {-PAST_DT, 1},
      {-DT, 0},
      {DT, 5},
      {-DT, 1},
      {DT, 6}},
     {{9, 11, 1, 1, 0}, {5, 7, 1, 1, 0}},
     0.0f,
     {0, 0}},
    {"the band limit XS + DT is formed in double precision and not rounded",
     {{-PAST_DT, 0}, {-PAST_DT, 1}, {PAST_DT, 0}, {PAST_DT, 1}, {5 * TINY, 0}},
     {{1, 2, 1, 1, 0}, {3, 4, 1, 1, 0}},
     TINY,
     {2, 1}},
    {"the differences are rounded to 32 bits before they are compared with DT",
     {{0, 0}, {4, 3}, {6, 3}, {10, 0}},
     {{1, 2, 1, 5, PAST_DT}, {3, 4, 1, 5, TINY}},
     5.0f,
     {2, 1}},
    {"partial sums of the axis are stored as 32 bits: 1 is lost beside 1e8",
     {{1e8f, 0}, {1, 0}, {-1e8f, 0}},
     {},
     0.0f,
     {}},
    {"a single bar has no partner", {{0, 0}, {0, 4}}, {{1, 2, 1, 4, 0}}, 0.0f, {0}},
};

TEST(Symmetry, AxisAndMirrorBars) {
  for (const Pairing& p : PAIRINGS) {
    SCOPED_TRACE(p.what);
    auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
    set_nodes(*s, p.nodes);
    set_bars(*s, p.bars);
    s->BL6.BAR_SIM(static_cast<long>(p.bars.size()) + 1) = 99;  // beyond NBAR: not the step's
    for (std::size_t k = 1; k <= p.bars.size(); ++k) s->BL6.BAR_SIM(static_cast<long>(k)) = 77;
    auto NNOS = static_cast<Whole>(p.nodes.size());
    auto NBAR = static_cast<Whole>(p.bars.size());
    Real XS = -1.0f;
    ASSERT_EQ(run_symmetry(*s, NNOS, NBAR, XS).error, "");
    EXPECT_EQ(XS, p.XS);
    for (std::size_t k = 1; k <= p.BAR_SIM.size(); ++k) {
      EXPECT_EQ(s->BL6.BAR_SIM(static_cast<long>(k)), p.BAR_SIM[k - 1]) << "bar " << k;
    }
    EXPECT_EQ(s->BL6.BAR_SIM(static_cast<long>(p.bars.size()) + 1), 99);
  }
}

TEST(Symmetry, ShowsTheAxisOnTheConsole) {
  struct Shown {
    std::vector<NodeEntry> nodes;
    const char* console;
  };
  const Shown cases[] = {
      {{{0, 0}, {10, 0}}, "\n\nEIXO DE SIMETRIA       :   5.0000\n\n"},
      {{{-0.25f, 0}, {0, 0}}, "\n\nEIXO DE SIMETRIA       :   -.1250\n\n"},
      {{{1000, 0}, {1000, 0}}, "\n\nEIXO DE SIMETRIA       : ********\n\n"},
  };
  for (const Shown& c : cases) {
    auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
    set_nodes(*s, c.nodes);
    Whole NNOS = static_cast<Whole>(c.nodes.size()), NBAR = 0;
    Real XS = 0.0f;
    EXPECT_EQ(run_symmetry(*s, NNOS, NBAR, XS).shown, c.console);
  }
}

TEST(Symmetry, ArithmeticFaultsEndTheRun) {
  struct Fault {
    const char* what;
    std::vector<NodeEntry> nodes;
    std::vector<BarEntry> bars;
    const char* kind;
  };
  const Fault faults[] = {
      {"no nodes: the axis is 0/0", {}, {}, "floating-point error: invalid\n"},
      {"a partial sum of the axis beyond 32 bits",
       {{3e38f, 0}, {3e38f, 0}},
       {},
       "floating-point error: overflow\n"},
      {"a midpoint distance from the axis beyond 32 bits",
       {{-3e38f, 0}, {3e38f, 0}, {3e38f, 1}},
       {{1, 1, 1, 1, 0}, {2, 3, 1, 1, 0}},
       "floating-point error: overflow\n"},
      {"a length difference beyond 32 bits, for a pair that could never be a candidate",
       {{0, 0}, {0, 1}},
       {{1, 2, 1, 3e38f, 0}, {1, 2, 2, -3e38f, 0}},
       "floating-point error: overflow\n"},
  };
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.what);
    auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
    set_nodes(*s, f.nodes);
    set_bars(*s, f.bars);
    Whole NNOS = static_cast<Whole>(f.nodes.size()), NBAR = static_cast<Whole>(f.bars.size());
    Real XS = 0.0f;
    const Outcome o = run_symmetry(*s, NNOS, NBAR, XS);
    EXPECT_NE(o.error.find(f.kind), std::string::npos) << o.error;
    EXPECT_EQ(o.shown, "");  // the axis is not shown
  }
}

}  // namespace
}  // namespace toval::testing

namespace toval::testing {
namespace {

// The pairing alone works on the node and bar tables it is given, into a
// table of its own: a wider tolerance pairs columns that DT keeps apart,
// while the store keeps the pairing SIMETRIA made.
TEST(Symmetry, PairingOnTablesLeavesTheStoreAsTheStepLeftIt) {
  auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
  set_nodes(*s, {{0, 0}, {0, 4}, {10, 4}, {10, 0.02f}});
  set_bars(*s, {{1, 2, 1, 4, 0}, {2, 3, 2, 10, 1}, {4, 3, 1, 3.98f, 0}});
  Whole NNOS = 4, NBAR = 3;
  Real XS = 0.0f;
  ASSERT_EQ(run_symmetry(*s, NNOS, NBAR, XS).error, "");
  EXPECT_EQ(s->BL6.BAR_SIM(1), 0);  // the columns differ in length by 0.02

  Table<Whole> wide(s->BL6.BAR_SIM.capacity());
  Real wide_axis = 0.0f;
  pair_mirror_bars(s->BL2, s->BL3, wide, NNOS, NBAR, wide_axis, 0.05f);
  EXPECT_EQ(wide(1), 3);
  EXPECT_EQ(wide(3), 1);
  EXPECT_EQ(wide_axis, XS);
  for (Whole K = 1; K <= NBAR; ++K) EXPECT_EQ(s->BL6.BAR_SIM(K), 0) << "bar " << K;
}

}  // namespace
}  // namespace toval::testing
