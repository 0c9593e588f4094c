// A table read through const (as the report and toval-tools read the store)
// never grows and never allocates, and an entry never written reads as zero.
// Every allocation of this test program is counted, so that a read that
// reserved or widened a table would show here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "store/store.h"

namespace {
long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace toval::testing {
namespace {

// Allocations made while `read` runs.
template <class Read>
long allocations_during(Read read) {
  const long before = allocations;
  read();
  return allocations - before;
}

TEST(ConstReads, ATableReadAcrossItsCapacityNeitherGrowsNorAllocates) {
  Table<Real> t(5000);
  t(10) = 1.5f;
  const Table<Real>& view = t;
  double sum = 0;
  EXPECT_EQ(allocations_during([&] {
              for (long i = 1; i <= 5000; ++i) sum += view(i);
            }),
            0);
  EXPECT_EQ(sum, 1.5);
  EXPECT_EQ(view.held(), 10u);
  EXPECT_EQ(view(11), 0.0f);
  EXPECT_EQ(view(5000), 0.0f);
  // The same read through the table itself grows it: the count sees that.
  EXPECT_GT(allocations_during([&] { sum += t(4000); }), 0);
  EXPECT_EQ(view.held(), 4000u);
}

TEST(ConstReads, ATwoIndexTableReadPastItsWidthNeitherWidensNorAllocates) {
  Table2<Real> t(40, 300);
  t(3, 2) = -4.0f;  // rows four entries wide so far
  const Table2<Real>& view = t;
  double sum = 0;
  EXPECT_EQ(allocations_during([&] {
              for (long i = 1; i <= 40; ++i)
                for (long j = 1; j <= 300; ++j) sum += view(i, j);
            }),
            0);
  EXPECT_EQ(sum, -4.0);
  EXPECT_EQ(view(3, 2), -4.0f);
  EXPECT_EQ(view(3, 5), 0.0f);  // beyond the width written
  EXPECT_EQ(view(4, 2), 0.0f);  // beyond the rows written
  // Writing after the reads still widens as before and keeps what was there.
  t(3, 300) = 2.0f;
  EXPECT_EQ(view(3, 2), -4.0f);
  EXPECT_EQ(view(3, 300), 2.0f);
  EXPECT_EQ(view(40, 300), 0.0f);
}

TEST(ConstReads, AStoreReadAtTheLastEntryOfEveryTableStaysAsItWas) {
  const Capacities c{.nodes = 3000,
                     .bars = 5000,
                     .cases = 40,
                     .combinations = 200,
                     .terms = 20,
                     .slots = 1000000,
                     .supports = 300};
  Store s(c);
  s.BL9.R_NORMAL(1) = 7.0f;  // one slot written, as after a first term
  s.BL9.R_FLETOR(1, 2) = 3.0f;
  const Store& view = s;
  double sum = 0;
  Name<4> names{};
  const long made = allocations_during([&] {
    sum += view.BL2.X(c.nodes) + view.BL2.Y(c.nodes) + view.BL2.R3(c.nodes);
    sum += view.BL3.NI(c.bars) + view.BL3.L(c.bars) + view.BL3.CD(c.bars) + view.BL6.BAR_SIM(c.bars);
    names = view.BL4.CCAR(c.cases);
    sum += view.BL5.NCASO(c.combinations) + view.BL5.MULT(c.combinations, c.terms);
    if (!(view.BL5.CASO(c.combinations, c.terms) == names)) sum += 1;
    sum += view.BL8.DX_E(c.cases) + view.BL8.DZ_D(c.cases);
    sum += view.BL9.R_NORMAL(c.slots) + view.BL9.R_CORTTE(c.slots, 2) + view.BL9.R_FLETOR(c.slots, 1);
    sum += view.BL9.BESF_VM(c.slots);
    sum += view.BL10.R_NORMAL_MAX(c.bars, 2) + view.BL10.NCOBMAX(c.bars, 1);
    sum += view.BL11.NO_RES(c.supports) + view.BL11.RES2(c.cases, c.supports);
  });
  EXPECT_EQ(made, 0);
  EXPECT_EQ(sum, 0.0);
  EXPECT_EQ(names, Name<4>{});
  EXPECT_EQ(view.BL9.R_NORMAL.held(), 1u);
  EXPECT_EQ(view.BL9.R_NORMAL(1), 7.0f);
  EXPECT_EQ(view.BL9.R_FLETOR(1, 2), 3.0f);
  EXPECT_EQ(view.BL9.R_CORTTE.held(), 0u);
  EXPECT_EQ(view.BL3.L.held(), 0u);
}

}  // namespace
}  // namespace toval::testing
