// Section 6: every bar's normal forces, mirror bars beside their partner, the
// rulers between blocks and the envelope of each pair.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "report/report_text.h"

namespace toval::testing {
namespace {

// Expected rows keep the values of one record together, as laid out by hand.
// clang-format off

const std::string TRUSS_BARS_OPENING = records({
    EMPTY,
    LONG_EQUALS,
    " ESFORCO NORMAL: ELEMENTOS BARRA-TRELICA ",
    EMPTY,
    " C    BAR           N     SMT           N      CC   BAR          NC       L  P",
    LONG_EQUALS,
});

// The truss-bar table of a store without bars in bending: the last page,
// right after the reactions.
std::string truss_table_of(Store& s, Whole NBAR) {
  const auto pages = pages_of(report_of(s, NBAR, 0, 0));
  EXPECT_EQ(pages.size(), 4u);
  return pages.back();
}

// Columns of a row: C 2, BAR 9, N 21, SMT 29, N 41, CC 49, BAR 55, NC 67, L 75, P 78.
struct RulerCase {
  const char* name;
  Whole NBAR;
  std::vector<Whole> mirrors;  // BAR_SIM(1), BAR_SIM(2), ...; may reach past NBAR
  std::string body;
};

// Two combinations; bar K carries 10K + 1 in combination 1 and 10K + 2 in
// combination 2, so its largest force is in 2 and its smallest in 1.
// L(K) = 1.5 K, PROP(K) = K.
std::unique_ptr<Store> two_combinations(const RulerCase& c) {
  auto s = plain_store();
  s->BL5.NCOB = 2;
  for (Whole K = 1; K <= c.NBAR; ++K) {
    set_normals(*s, c.NBAR, K, {10.0f * K + 1, 10.0f * K + 2});
    set_envelope(*s, K, 10.0f * K + 2, 2, 10.0f * K + 1, 1);
    s->BL3.L(K) = 1.5f * K;
    s->BL3.PROP(K) = K;
  }
  Whole K = 1;
  for (Whole J : c.mirrors) s->BL6.BAR_SIM(K++) = J;
  return s;
}

const std::string PAIR_1_2_FIRST = row({{2, "1"}, {9, "1"}, {21, "11.000"}, {29, "2"}, {41, "21.000"},  //
                                        {49, "2"}, {55, "2"}, {67, "22.000"}, {75, "1.500"}, {78, "1"}});
const std::string PAIR_1_2_SECOND = row({{2, "2"}, {9, "1"}, {21, "12.000"}, {29, "2"}, {41, "22.000"},  //
                                         {49, "1"}, {55, "1"}, {67, "11.000"}});

void PrintTo(const RulerCase& c, std::ostream* os) { *os << c.name; }

class TrussRulers : public ::testing::TestWithParam<RulerCase> {};

TEST_P(TrussRulers, FollowTheMirrorPattern) {
  const RulerCase& c = GetParam();
  auto s = two_combinations(c);
  EXPECT_EQ(truss_table_of(*s, c.NBAR), TRUSS_BARS_OPENING + c.body);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, TrussRulers,
    ::testing::Values(
        // Bar 2 is followed by a bar alone: no ruler from bar 2; bar 3 opens with its own.
        RulerCase{"Pair12ThenBar3Alone", 3, {2, 1, 0},
                  records({EMPTY, PAIR_1_2_FIRST, PAIR_1_2_SECOND,  //
                           EMPTY, LONG_DASHES, EMPTY,
                           row({{2, "1"}, {9, "3"}, {21, "31.000"},  //
                                {49, "2"}, {55, "3"}, {67, "32.000"}, {75, "4.500"}, {78, "3"}}),
                           row({{2, "2"}, {9, "3"}, {21, "32.000"}, {49, "1"}, {55, "3"}, {67, "31.000"}})})},
        // Bar 2 is followed by the lower bar of a pair: bar 2 writes the ruler.
        RulerCase{"Pairs12And34", 4, {2, 1, 4, 3},
                  records({EMPTY, PAIR_1_2_FIRST, PAIR_1_2_SECOND,  //
                           EMPTY, LONG_DASHES,                      //
                           EMPTY,
                           row({{2, "1"}, {9, "3"}, {21, "31.000"}, {29, "4"}, {41, "41.000"},  //
                                {49, "2"}, {55, "4"}, {67, "42.000"}, {75, "4.500"}, {78, "3"}}),
                           row({{2, "2"}, {9, "3"}, {21, "32.000"}, {29, "4"}, {41, "42.000"},  //
                                {49, "1"}, {55, "3"}, {67, "31.000"}})})},
        // Interleaved pairs: no ruler at all. The stale BAR_SIM(5) lies past the
        // last bar and must not count as a pair after bar 4.
        RulerCase{"Pairs13And24", 4, {3, 4, 1, 2, 9},
                  records({EMPTY,
                           row({{2, "1"}, {9, "1"}, {21, "11.000"}, {29, "3"}, {41, "31.000"},  //
                                {49, "2"}, {55, "3"}, {67, "32.000"}, {75, "1.500"}, {78, "1"}}),
                           row({{2, "2"}, {9, "1"}, {21, "12.000"}, {29, "3"}, {41, "32.000"},  //
                                {49, "1"}, {55, "1"}, {67, "11.000"}}),
                           EMPTY,
                           row({{2, "1"}, {9, "2"}, {21, "21.000"}, {29, "4"}, {41, "41.000"},  //
                                {49, "2"}, {55, "4"}, {67, "42.000"}, {75, "3.000"}, {78, "2"}}),
                           row({{2, "2"}, {9, "2"}, {21, "22.000"}, {29, "4"}, {41, "42.000"},  //
                                {49, "1"}, {55, "2"}, {67, "21.000"}})})},
        // Two lower bars name bar 3, which names bar 2: bar 3 is shown twice, never alone.
        RulerCase{"TwoBarsShareAMirror", 3, {3, 3, 2},
                  records({EMPTY,
                           row({{2, "1"}, {9, "1"}, {21, "11.000"}, {29, "3"}, {41, "31.000"},  //
                                {49, "2"}, {55, "3"}, {67, "32.000"}, {75, "1.500"}, {78, "1"}}),
                           row({{2, "2"}, {9, "1"}, {21, "12.000"}, {29, "3"}, {41, "32.000"},  //
                                {49, "1"}, {55, "1"}, {67, "11.000"}}),
                           EMPTY,
                           row({{2, "1"}, {9, "2"}, {21, "21.000"}, {29, "3"}, {41, "31.000"},  //
                                {49, "2"}, {55, "3"}, {67, "32.000"}, {75, "3.000"}, {78, "2"}}),
                           row({{2, "2"}, {9, "2"}, {21, "22.000"}, {29, "3"}, {41, "32.000"},  //
                                {49, "1"}, {55, "2"}, {67, "21.000"}})})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrussBlock, PairWithThreeCombinations) {
  auto s = plain_store();
  s->BL5.NCOB = 3;
  s->BL6.BAR_SIM(1) = 2, s->BL6.BAR_SIM(2) = 1;
  s->BL3.L(1) = 10.0f, s->BL3.PROP(1) = 4;
  set_normals(*s, 2, 1, {5.0f, 2.0f, -7.0f});
  set_normals(*s, 2, 2, {-7.0f, 9.0f, 1.0f});
  set_envelope(*s, 1, 5.0f, 1, -7.0f, 3);
  set_envelope(*s, 2, 9.0f, 2, -7.0f, 1);
  // The mirror bar has the larger maximum; the minima tie, which keeps bar 1.
  const std::string body = records({
      EMPTY,
      row({{2, "1"}, {9, "1"}, {21, "5.000"}, {29, "2"}, {41, "-7.000"},  //
           {49, "2"}, {55, "2"}, {67, "9.000"}, {75, "10.000"}, {78, "4"}}),
      row({{2, "2"}, {9, "1"}, {21, "2.000"}, {29, "2"}, {41, "9.000"},  //
           {49, "3"}, {55, "1"}, {67, "-7.000"}}),
      row({{2, "3"}, {9, "1"}, {21, "-7.000"}, {29, "2"}, {41, "1.000"}}),
  });
  EXPECT_EQ(truss_table_of(*s, 2), TRUSS_BARS_OPENING + body);
}

// The envelope of pair (1, 2) over two combinations: which bar gives each extreme.
struct EnvelopeCase {
  const char* name;
  Real bar1_c1, bar1_c2, bar2_c1, bar2_c2;
  std::string first_row_extreme;   // CC, BAR, NC of the largest force
  std::string second_row_extreme;  // CC, BAR, NC of the smallest force
};

void PrintTo(const EnvelopeCase& c, std::ostream* os) { *os << c.name; }

class PairEnvelope : public ::testing::TestWithParam<EnvelopeCase> {};

TEST_P(PairEnvelope, TakesTheMirrorBarOnlyWhenStrictlyBeyond) {
  const EnvelopeCase& c = GetParam();
  auto s = plain_store();
  s->BL5.NCOB = 2;
  s->BL6.BAR_SIM(1) = 2, s->BL6.BAR_SIM(2) = 1;
  s->BL3.L(1) = 2.0f, s->BL3.PROP(1) = 1;
  set_normals(*s, 2, 1, {c.bar1_c1, c.bar1_c2});
  set_normals(*s, 2, 2, {c.bar2_c1, c.bar2_c2});
  auto envelope = [&](Whole K, Real c1, Real c2) {
    set_envelope(*s, K, std::max(c1, c2), c2 > c1 ? 2 : 1, std::min(c1, c2), c2 < c1 ? 2 : 1);
  };
  envelope(1, c.bar1_c1, c.bar1_c2);
  envelope(2, c.bar2_c1, c.bar2_c2);
  const std::string text = truss_table_of(*s, 2);
  const std::string first = text.substr(TRUSS_BARS_OPENING.size() + 3, 80);
  const std::string second = text.substr(TRUSS_BARS_OPENING.size() + 3 + 80);
  EXPECT_EQ(first.substr(41, 26), c.first_row_extreme);
  EXPECT_EQ(second.substr(41, 26) + second.substr(67), c.second_row_extreme + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Extremes, PairEnvelope,
    ::testing::Values(
        // Equal maxima (8 in combination 1 of bar 1, 2 of bar 2) and equal minima: bar 1 both times.
        EnvelopeCase{"EqualExtremesKeepBarK", 8.0f, -3.0f, -3.0f, 8.0f,  //
                     row({{8, "1"}, {14, "1"}, {26, "8.000"}}), row({{8, "2"}, {14, "1"}, {26, "-3.000"}})},
        EnvelopeCase{"MirrorBeyondOnBothSides", 5.0f, 2.0f, 1.0f, 9.0f,  //
                     row({{8, "2"}, {14, "2"}, {26, "9.000"}}), row({{8, "1"}, {14, "2"}, {26, "1.000"}})},
        EnvelopeCase{"MirrorWithin", 10.0f, -10.0f, 4.0f, -4.0f,  //
                     row({{8, "1"}, {14, "1"}, {26, "10.000"}}), row({{8, "2"}, {14, "1"}, {26, "-10.000"}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrussBlock, SingleCombinationGivesTheSmallestARowOfItsOwn) {
  // Bar 1 alone, with values too wide for their fields; bars 2 and 3 a pair.
  auto s = plain_store();
  s->BL5.NCOB = 1;
  s->BL6.BAR_SIM(2) = 3, s->BL6.BAR_SIM(3) = 2;
  s->BL3.L(1) = 12345.0f, s->BL3.PROP(1) = 1000;
  s->BL3.L(2) = 0.25f, s->BL3.PROP(2) = 5;
  set_normals(*s, 3, 1, {-1.0e9f});
  set_normals(*s, 3, 2, {3.0f});
  set_normals(*s, 3, 3, {4.0f});
  set_envelope(*s, 1, -1.0e9f, 1, -1.0e9f, 1);
  set_envelope(*s, 2, 3.0f, 1, 3.0f, 1);
  set_envelope(*s, 3, 4.0f, 1, 4.0f, 1);
  const std::string body = records({
      EMPTY,
      LONG_DASHES,
      EMPTY,
      row({{2, "1"}, {9, "1"}, {21, "************"},  //
           {49, "1"}, {55, "1"}, {67, "************"}, {75, "********"}, {78, "***"}}),
      row({{49, "1"}, {55, "1"}, {67, "************"}}),
      EMPTY,
      row({{2, "1"}, {9, "2"}, {21, "3.000"}, {29, "3"}, {41, "4.000"},  //
           {49, "1"}, {55, "3"}, {67, "4.000"}, {75, ".250"}, {78, "5"}}),
      row({{49, "1"}, {55, "2"}, {67, "3.000"}}),
  });
  EXPECT_EQ(truss_table_of(*s, 3), TRUSS_BARS_OPENING + body);
}

// clang-format on

}  // namespace
}  // namespace toval::testing
