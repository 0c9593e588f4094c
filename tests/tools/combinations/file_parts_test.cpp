// Cutting the combinations into files that toval takes, and naming them.
#include "tools/combinations/file_parts.h"

#include <gtest/gtest.h>

#include "records/run_error.h"

namespace toval::testing {
namespace {

using tools::combinations::Combination;

Combination over(std::initializer_list<std::size_t> actions) {
  Combination c;
  c.number = 1;
  for (std::size_t k : actions) c.terms.push_back({k, "1.0"});
  return c;
}

std::vector<std::vector<std::size_t>> combinations_per_file(
    const std::vector<tools::combinations::FileContent>& files) {
  std::vector<std::vector<std::size_t>> out;
  for (const auto& f : files) out.push_back(f.combinations);
  return out;
}

TEST(FileParts, AFileEndsAtNCombinationsOrBeforeItsCasesPassTen) {
  const std::vector<Combination> all = {over({0, 1, 2}),   over({3, 4, 5}), over({6, 7, 8}),
                                        over({9, 10, 11}), over({0, 11}),   over({4})};
  const auto files = tools::combinations::split_files(all, 10, "R.toml");
  // The fourth would bring 12 cases; the fifth and sixth fit with it.
  EXPECT_EQ(combinations_per_file(files), (std::vector<std::vector<std::size_t>>{{0, 1, 2}, {3, 4, 5}}));
  EXPECT_EQ(files[1].cases, (std::vector<std::size_t>{0, 4, 9, 10, 11}));  // action order
  EXPECT_EQ(combinations_per_file(tools::combinations::split_files(all, 4, "R.toml")),
            (std::vector<std::vector<std::size_t>>{{0, 1, 2}, {3, 4, 5}}));
  EXPECT_EQ(combinations_per_file(tools::combinations::split_files(all, 2, "R.toml")),
            (std::vector<std::vector<std::size_t>>{{0, 1}, {2, 3}, {4, 5}}));
}

TEST(FileParts, ACombinationOfMoreThanTenTermsCannotBeSplit) {
  const std::vector<Combination> all = {over({0}), over({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})};
  EXPECT_THROW(tools::combinations::split_files(all, 10, "R.toml"), RunError);
  EXPECT_NO_THROW(tools::combinations::split_files({over({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})}, 10, "R.toml"));
}

TEST(FileParts, CapacityWarningsForEachTableBeyondToval) {
  std::vector<Combination> all(11, over({0}));
  all[3] = over({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  tools::combinations::FileContent content;
  for (std::size_t i = 0; i < all.size(); ++i) content.combinations.push_back(i);
  for (std::size_t k = 0; k < 11; ++k) content.cases.push_back(k);
  const auto warnings = tools::combinations::capacity_warnings(content, all, "R.toml");
  ASSERT_EQ(warnings.size(), 3u);
  EXPECT_EQ(warnings[0].rfind("R.toml: warning: 11 cases, more than toval takes", 0), 0u) << warnings[0];
  EXPECT_EQ(warnings[1].rfind("R.toml: warning: 11 combinations", 0), 0u) << warnings[1];
  EXPECT_EQ(warnings[2].rfind("R.toml: warning: a combination of 11 terms", 0), 0u) << warnings[2];
  content.combinations.resize(10);
  content.cases.resize(10);
  all[3] = over({0});
  EXPECT_TRUE(tools::combinations::capacity_warnings(content, all, "R.toml").empty());
}

TEST(FileParts, TheNumberGoesBeforeTheNamesFirstPoint) {
  EXPECT_EQ(tools::combinations::part_name("P2.CMB", 1), "P2-1.CMB");
  EXPECT_EQ(tools::combinations::part_name("P2.CMB", 12), "P2-12.CMB");
  EXPECT_EQ(tools::combinations::part_name("a.b.CMB", 2),
            "a-2.b.CMB");  // toval's reports a-2.TOV, not a.TOV for all
  EXPECT_EQ(tools::combinations::part_name("P", 3), "P-3");
  EXPECT_EQ(tools::combinations::part_name("x.d/P.CMB", 1), "x.d/P-1.CMB");
}

}  // namespace
}  // namespace toval::testing
