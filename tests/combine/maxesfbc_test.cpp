// Normal-force envelope and bending flags.
#include "combine/maxesfbc.h"

#include <gtest/gtest.h>

#include "driver/toval_capacities.h"
#include "frame_fixture.h"

namespace toval::testing {
namespace {

TEST(Envelope, ExtremesAndTheirCombinations) {
  struct Row {
    const char* what;
    std::vector<Real> normals;  // of bar 2 in combinations 1, 2, ...
    Real largest;
    Whole at_largest;
    Real smallest;
    Whole at_smallest;
  };
  const Row rows[] = {
      {"one combination", {4.5f}, 4.5f, 1, 4.5f, 1},
      {"a tie keeps the lower combination", {5, 8, 8, -2}, 8, 2, -2, 4},
      {"equal in every combination", {3, 3, 3}, 3, 1, 3, 1},
      {"negative values", {-1, -7, 2, -7, 2}, 2, 3, -7, 2},
      {"both extremes in one later combination only when strictly beyond",
       {0, -0.0f, 1e-30f},
       1e-30f,
       3,
       0,
       1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
    const auto NCOB = static_cast<Whole>(r.normals.size());
    s->BL5.NCOB = NCOB;
    // Bars 1 and 3 lie beside bar 2 in every combination and must not leak into it.
    for (long I = 1; I <= NCOB; ++I) {
      s->BL9.R_NORMAL((I - 1) * 3 + 1) = 1000;
      s->BL9.R_NORMAL((I - 1) * 3 + 2) = r.normals[static_cast<std::size_t>(I - 1)];
      s->BL9.R_NORMAL((I - 1) * 3 + 3) = -1000;
    }
    Whole NBAR = 3;
    MAXESFBC(*s, NBAR);
    const Envelope& e = s->BL10;
    EXPECT_EQ(e.R_NORMAL_MAX(2, 1), r.largest);
    EXPECT_EQ(e.NCOBMAX(2, 1), r.at_largest);
    EXPECT_EQ(e.R_NORMAL_MAX(2, 2), r.smallest);
    EXPECT_EQ(e.NCOBMAX(2, 2), r.at_smallest);
    EXPECT_EQ(e.R_NORMAL_MAX(1, 2), 1000.0f);
    EXPECT_EQ(e.R_NORMAL_MAX(3, 1), -1000.0f);
    EXPECT_EQ(e.NCOBMAX(4, 1), 0);  // beyond NBAR
  }
}

TEST(Envelope, NoCombinationsStillSeedsFromTheFirstSlots) {
  auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
  s->BL9.R_NORMAL(1) = 6;
  s->BL9.R_FLETOR(1, 1) = 100;
  Whole NBAR = 1;
  MAXESFBC(*s, NBAR);
  EXPECT_EQ(s->BL10.R_NORMAL_MAX(1, 1), 6.0f);
  EXPECT_EQ(s->BL10.R_NORMAL_MAX(1, 2), 6.0f);
  EXPECT_EQ(s->BL10.NCOBMAX(1, 1), 1);
  EXPECT_EQ(s->BL10.NCOBMAX(1, 2), 1);
  EXPECT_EQ(s->BL9.BESF_VM(1), 0);  // no combination, no bending pass
  EXPECT_EQ(s->BL9.ESF_VM, 0);
}

TEST(BendingFlags, MomentAgainstOneTenthOfTheNormalForce) {
  struct Row {
    const char* what;
    Real normal, moment1, moment2;
    bool flagged;
  };
  const Row rows[] = {
      {"moments of exactly a tenth", 10, 1, -1, false},
      {"1.01 at end 1", 10, 1.01f, 0, true},
      {"-1.01 at end 2", 10, 0, -1.01f, true},
      {"no normal force, a small moment", 0, 0, 1e-30f, true},
      {"no normal force, no moment", 0, 0, 0, false},
      {"a negative normal force counts by magnitude", -50, -5.5f, 0, true},
      {"at the 32-bit tenth of 1", 1, 0.1f, 0, false},
      {"just past the 32-bit tenth of 1", 1, next_up(0.1f), 0, true},
      {"the threshold is not rounded to 32 bits: 0.3 exceeds 0.1 x 3", 3, 0.3f, 0, true},
      {"the tenth is the 32-bit one: 3.7 does not exceed 0.1 x 37", 37, 3.7f, 0, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
    s->BL5.NCOB = 1;
    s->BL9.R_NORMAL(1) = r.normal;
    s->BL9.R_FLETOR(1, 1) = r.moment1;
    s->BL9.R_FLETOR(1, 2) = r.moment2;
    Whole NBAR = 1;
    MAXESFBC(*s, NBAR);
    EXPECT_EQ(s->BL9.BESF_VM(1), r.flagged ? 1 : 0);
    EXPECT_EQ(s->BL9.ESF_VM, r.flagged ? 1 : 0);
  }
}

TEST(BendingFlags, FlagsTheirOwnSlotsAndNeverClearOne) {
  auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
  s->BL5.NCOB = 2;
  // Two bars, two combinations: slots 1, 2 (combination 1) and 3, 4.
  for (long slot = 1; slot <= 4; ++slot) s->BL9.R_NORMAL(slot) = 100;
  s->BL9.R_FLETOR(3, 2) = 11;  // bar 1 of combination 2
  s->BL9.BESF_VM(2) = 1;       // set before: stays
  Whole NBAR = 2;
  MAXESFBC(*s, NBAR);
  EXPECT_EQ(s->BL9.BESF_VM(1), 0);
  EXPECT_EQ(s->BL9.BESF_VM(2), 1);
  EXPECT_EQ(s->BL9.BESF_VM(3), 1);
  EXPECT_EQ(s->BL9.BESF_VM(4), 0);
  EXPECT_EQ(s->BL9.ESF_VM, 1);
}

}  // namespace
}  // namespace toval::testing
