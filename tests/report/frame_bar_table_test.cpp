// Section 5: the bars in bending per combination, mirror bars beneath.
#include <gtest/gtest.h>

#include "report/report_text.h"

namespace toval::testing {
namespace {

// Expected rows keep the values of one record together, as laid out by hand.
// clang-format off

const std::string FRAME_BARS_OPENING = records({
    EMPTY,
    LONG_EQUALS,
    " ESFORCOS NORMAL CORTANTE FLETOR: ELEMENTOS BARRA-CHAPA",
    EMPTY,
    " C  BAR          Ni        Vi        Mi          Nf        Vf        Mf      L ",
    " C  SMT          Ni        Vi        Mi          Nf        Vf        Mf      P ",
    LONG_EQUALS,
});

void set_ends(Store& s, long slot, Real N, Real V1, Real M1, Real V2, Real M2) {
  s.BL9.R_NORMAL(slot) = N;
  s.BL9.R_CORTTE(slot, 1) = V1, s.BL9.R_FLETOR(slot, 1) = M1;
  s.BL9.R_CORTTE(slot, 2) = V2, s.BL9.R_FLETOR(slot, 2) = M2;
}

// Bars 1 and 2 a pair, bar 3 alone; three combinations, slot = (I - 1) * 3 + K.
std::unique_ptr<Store> frame_of_three_bars() {
  auto s = plain_store();
  s->BL5.NCOB = 3;
  s->BL6.BAR_SIM(1) = 2, s->BL6.BAR_SIM(2) = 1;
  s->BL3.L(1) = 6.0f, s->BL3.L(2) = 6.0f, s->BL3.L(3) = 123.456f;
  s->BL3.PROP(1) = 7, s->BL3.PROP(2) = 99, s->BL3.PROP(3) = 3;
  s->BL9.ESF_VM = 1;
  // Combination 1: bar 1 and bar 3 flagged, bar 2 not (its row follows bar 1's anyway).
  s->BL9.BESF_VM(1) = 1, s->BL9.BESF_VM(3) = 1;
  set_ends(*s, 1, -12.5f, 3.25f, -40.0f, -3.25f, 0.0004f);
  set_ends(*s, 2, -12.5f, -3.25f, 40.0f, 3.25f, 1234567.0f);
  set_ends(*s, 3, 100.0f, 0.0f, 25.5f, 0.0f, -25.5f);
  // Combination 2: nothing flagged. Combination 3: only the higher bar of the pair.
  s->BL9.BESF_VM(8) = 1;
  set_ends(*s, 8, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f);
  return s;
}

TEST(FrameBarTable, ListsFlaggedLowerBarsWithTheirMirrorRow) {
  auto s = frame_of_three_bars();
  const std::string body = records({
      EMPTY,
      row({{2, "1"}, {7, "1"}, {19, "-12.500"}, {29, "3.250"}, {39, "-40.000"},  //
           {51, "-12.500"}, {61, "-3.250"}, {71, ".000"}, {78, "6.000"}}),
      // the mirror row ends with the property number of bar 1, not bar 2's
      row({{2, "1"}, {7, "2"}, {19, "-12.500"}, {29, "-3.250"}, {39, "40.000"},  //
           {51, "-12.500"}, {61, "3.250"}, {71, "**********"}, {78, "7"}}),
      EMPTY,
      row({{2, "1"}, {7, "3"}, {19, "100.000"}, {29, ".000"}, {39, "25.500"},  //
           {51, "100.000"}, {61, ".000"}, {71, "-25.500"}, {78, "123.456"}}),
      EMPTY,  // end of combination 1
      EMPTY,  // combination 2: nothing flagged
      EMPTY,  // combination 3: a flagged higher bar alone lists nothing
  });

  const auto pages = pages_of(report_of(*s, 3, 0, 0));
  ASSERT_EQ(pages.size(), 5u);  // sections 2 to 5 each end with a page break
  EXPECT_EQ(pages[3], FRAME_BARS_OPENING + body);
}

// clang-format on

}  // namespace
}  // namespace toval::testing
