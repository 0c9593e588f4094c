// Combined bar end forces, summed term by term from the case blocks.
#include "combine/ltrer.h"

#include <gtest/gtest.h>

#include "frame_fixture.h"

namespace toval::testing {
namespace {

const Real TWO_TO_MINUS_24 = 0x1p-24f;  // half the spacing of 32-bit values just above 1

// Displacement records of two nodes that LTRER passes over unexamined.
const std::vector<NodeLine> UNREAD = {unreadable_node_line(1), unreadable_node_line(2)};

// Case blocks of a frame of two nodes and three bars: {end 1, end 2}, each
// {normal, shear, moment}.
std::string three_bar_listing() {
  return forces_listing({
      {"G1",
       UNREAD,
       {{{-5, 1, 2}, {5, -1, -3}}, {{3, 0.5f, 0.25f}, {-4, 0.75f, -0.5f}}, {{0, 0, 0}, {9, 1, 1}}}},
      {"Q1", UNREAD, {{{1, 0, 0}, {-1, 0, 0}}, {{6, 1, 1}, {1, 1, 1}}, {{0, 0, 0}, {0, 0, 0}}}},
      {"W1", UNREAD, {{{1, 0, 0}, {0, 0, 0}}, {{0, 0, 0}, {0, 0, 0}}, {{0, 0, 0}, {0, 0, 0}}}},
      {"S1", UNREAD, {{{TWO_TO_MINUS_24, 0, 0}, {0, 0, 0}}, {{0, 0, 0}, {0, 0, 0}}, {{0, 0, 0}, {0, 0, 0}}}},
      {"T1", UNREAD, {{{9, 0, 0}, {0, 0, 0}}, {{0, 0, 0}, {0, 0, 0}}, {{0, 0, 0}, {0, 0, 0}}}},
  });
}

struct Term {
  const char* name;
  Real mult;
};

// Fills the combinations and calls LTRER for every term, as the run does.
void combine(Store& s, Listing& listing, const std::vector<std::vector<Term>>& combinations, Whole NNOS,
             Whole NBAR) {
  s.BL5.NCOB = static_cast<Whole>(combinations.size());
  for (std::size_t i = 0; i < combinations.size(); ++i) {
    const long I = static_cast<long>(i) + 1;
    s.BL5.NCASO(I) = static_cast<Whole>(combinations[i].size());
    for (std::size_t j = 0; j < combinations[i].size(); ++j) {
      s.BL5.CASO(I, static_cast<long>(j) + 1) = Name<4>::of(combinations[i][j].name);
      s.BL5.MULT(I, static_cast<long>(j) + 1) = combinations[i][j].mult;
    }
  }
  for (Whole I = 1; I <= s.BL5.NCOB; ++I)
    for (Whole J = 1; J <= s.BL5.NCASO(I); ++J) LTRER(s, listing, NNOS, NBAR, I, J);
}

TEST(BarEndForces, CombinationsOfAThreeBarFrame) {
  struct Combination {
    const char* what;
    std::vector<Term> terms;
    Real normal[3];  // bars 1 to 3
  };
  const Combination combinations[] = {
      {"one case: the end of larger magnitude counts, end 1 on equal magnitudes", {{"G1", 1}}, {-5, -4, 9}},
      {"a case repeated with 1.0 and 0.5", {{"G1", 1}, {"G1", 0.5f}}, {-7.5f, -6, 13.5f}},
      {"the end is chosen in each case before the sum", {{"G1", 1}, {"Q1", 1}}, {-4, 2, 9}},
      {"a zero multiplier adds nothing", {{"Q1", 0}}, {0, 0, 0}},
      {"every sum is rounded to 32 bits as it is stored", {{"W1", 1}, {"S1", 1}, {"S1", 1}}, {1, 0, 0}},
      {"products are not rounded before the sum: 1 + 0.1 x 9 is 1.9",
       {{"W1", 1}, {"T1", 0.1f}},
       {1.9f, 0, 0}},
  };
  Frame f;
  f.open_forces(three_bar_listing());
  std::vector<std::vector<Term>> terms;
  for (const Combination& c : combinations) terms.push_back(c.terms);
  combine(*f.s, *f.forces, terms, 2, 3);

  const BarForces& r = f.s->BL9;
  for (std::size_t i = 0; i < std::size(combinations); ++i) {
    SCOPED_TRACE(combinations[i].what);
    for (long K = 1; K <= 3; ++K)
      EXPECT_EQ(r.R_NORMAL(static_cast<long>(i) * 3 + K), combinations[i].normal[K - 1]);
  }
  EXPECT_EQ(r.R_NORMAL(19), 0.0f);  // past the last slot in use

  // Shear forces and moments of combination 2 (slots 4 to 6) at both ends.
  const Real shear[3][2] = {{1.5f, -1.5f}, {0.75f, 1.125f}, {0, 1.5f}};
  const Real moment[3][2] = {{3, -4.5f}, {0.375f, -0.75f}, {0, 1.5f}};
  for (long K = 1; K <= 3; ++K) {
    SCOPED_TRACE("bar " + std::to_string(K) + " of combination 2");
    EXPECT_EQ(r.R_CORTTE(3 + K, 1), shear[K - 1][0]);
    EXPECT_EQ(r.R_CORTTE(3 + K, 2), shear[K - 1][1]);
    EXPECT_EQ(r.R_FLETOR(3 + K, 1), moment[K - 1][0]);
    EXPECT_EQ(r.R_FLETOR(3 + K, 2), moment[K - 1][1]);
  }
}

TEST(BarEndForces, FaultsEndTheRun) {
  const std::string listing = three_bar_listing();
  // Cut inside the bar groups of G1, after the first record of bar 2.
  std::size_t cut = listing.find("CARREGAMENTO: G1");
  for (int k = 0; k < 1 + 10 + 2 + 9 + 3 + 1; ++k) cut = listing.find('\n', cut) + 1;
  std::string unreadable =
      forces_listing({{"G1", UNREAD, {{{1, 1, 1}, {1, 1, 1}}, {{12345, 1, 1}, {1, 1, 1}}}}});
  unreadable.replace(unreadable.find("12345"), 5, "1x345");

  struct Fault {
    const char* what;
    std::string listing;
    std::vector<Term> terms;
    Whole NBAR;
    const char* names;
  };
  const Fault faults[] = {
      {"a term with multiplier 0 still needs its case block",
       listing,
       {{"G1", 1}, {"X9", 0}},
       3,
       "CARREGAMENTO: X9"},
      {"the file ends inside a bar group",
       listing.substr(0, cut),
       {{"G1", 1}},
       3,
       "a force record of end 2 of bar 2 in case G1 was expected"},
      {"a normal force that cannot be read",
       unreadable,
       {{"G1", 1}},
       2,
       "columns 23-40 (F18.0) of a force record of end 1 of bar 2 in case G1: found"},
      {"a product beyond 32 bits", listing, {{"G1", 1e38f}}, 3, "floating-point error: overflow"},
      {"a sum beyond 32 bits",
       listing,
       {{"G1", 3e38f / 9}, {"G1", 3e38f / 9}},
       3,
       "floating-point error: overflow"},
  };
  for (const Fault& c : faults) {
    SCOPED_TRACE(c.what);
    Frame f;
    f.open_forces(c.listing);
    const std::string message = error_of([&] { combine(*f.s, *f.forces, {c.terms}, 2, c.NBAR); });
    EXPECT_NE(message.find(c.names), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace toval::testing
