// The report file's name follows from the combination file's name.
#include "driver/report_name.h"

#include <gtest/gtest.h>

namespace toval {
namespace {

TEST(ReportName, UpToTheFirstPointThenTov) {
  const std::pair<const char*, const char*> cases[] = {
      {"COMB.DAT", "COMB.TOV            "},
      {"A.B.C", "A.TOV               "},
      {"COMB", "TOV                 "},
      {"", "TOV                 "},
      {"../x/COMB.DAT", ".TOV                "},
      {"  COMB.DAT", "  COMB.TOV          "},
      {"ABCDEFGHIJKLMNOPQ.DA", "ABCDEFGHIJKLMNOPQ.TO"},  // point in position 18
      {"ABCDEFGHIJKLMNOPQRS.", "ABCDEFGHIJKLMNOPQRS."},  // point in position 20
      {"COMB.TOV", "COMB.TOV            "},
  };
  for (const auto& [typed, report] : cases)
    EXPECT_EQ(report_name(Name<20>::of(typed)).view(), report) << typed;
}

}  // namespace
}  // namespace toval
