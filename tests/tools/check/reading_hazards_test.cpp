// Mistakes in how records are written that the reading rules take without
// a message: a number running past the record's last column, a case entry
// without its "FIMC" before the "FIME", a marker in lower case. Each planted
// alone in a sound pair of files gives exactly its warning at its record.
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "tools/check/checked_files.h"
#include "tools/check/input_check.h"
#include "tools/frame_files.h"

namespace toval::testing {
namespace {

long line_of(const std::vector<std::string>& lines, const std::string& prefix) {
  return static_cast<long>(line_index(lines, prefix)) + 1;
}

std::string& at(std::vector<std::string>& lines, long line) {
  return lines[static_cast<std::size_t>(line - 1)];
}

const std::string BEYOND_ADVICE =
    "; a value shifted to the right, probably: write each value within its own columns";

TEST(PlantedBeyondLastColumn, ADigitOfAnEndMomentPushedPastColumn80) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  // First end-force record of bar 1 in case G: heading, 10 records, 4 nodes, 9 records.
  const long line = line_of(forces, "     CARREGAMENTO: G") + 24;
  ASSERT_EQ(at(forces, line).size(), 80u);
  at(forces, line) = at(forces, line).substr(0, 61) + "              -19.1" + "8";
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(c.listing,
            c.forces_at(line, 81,
                        "warning: the number \"-19.1\" (columns 62-80) goes on beyond column 80 as \"8\": "
                        "the run reads columns 1-80 only, so it reads \"-19.1\" for \"-19.18\"" +
                            BEYOND_ADVICE) +
                "1 warning\n");
  EXPECT_EQ(c.status, 1);
}

TEST(PlantedBeyondLastColumn, AnExponentOfAResultantAndANodeRecordsLastCode) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  const long resultant = line_of(forces, "     RESULTANTES NODAIS") + 5;  // node 1, a support
  at(forces, resultant) = at(forces, resultant).substr(0, 55) + "               -0.2820632" + "E-02";
  const long node = line_of(forces, "       4         10.000");  // the last node: codes 1 1 1
  at(forces, node) += "0";  // the code 1 in columns 65-77 written as 10, one column too far
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(
      c.listing,
      c.forces_at(
          node, 78,
          "warning: the number \"1\" (columns 65-77) goes on beyond column 77 as \"0\": the run reads "
          "columns 1-77 only, so it reads \"1\" for \"10\"" +
              BEYOND_ADVICE) +
          c.forces_at(
              resultant, 81,
              "warning: the number \"-0.2820632\" (columns 56-80) goes on beyond column 80 as \"E-02\": "
              "the run reads columns 1-80 only, so it reads \"-0.2820632\" for \"-0.2820632E-02\"" +
                  BEYOND_ADVICE) +
          "2 warnings\n");
}

// Text after the last column that is not the end of a number is the
// listing's own (a unit, a remark): nothing to say.
TEST(PlantedBeyondLastColumn, OtherTextAfterTheLastColumnIsSound) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  const long line = line_of(forces, "     CARREGAMENTO: G") + 24;
  at(forces, line) += " KN.M";
  const long node = line_of(forces, "       2");
  at(forces, node) += "   (livre)";
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(c.listing, "0 warnings\n");
}

// The listing cut inside the last number of the last record the run reads
// (the third resultant of node 4, a support, in case Q), without a line end.
TEST(PlantedCutShort, TheLastRecordEndsInsideANumber) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  forces.resize(forces.size() - 4);  // up to the last resultant record
  const long line = static_cast<long>(forces.size());
  ASSERT_EQ(forces.back().substr(55), "                     4.80");
  TempDir dir;
  dir.write("F.CMB", joined(combination_lines(f)));
  for (const std::size_t keep : {std::size_t{78}, std::size_t{80}}) {
    std::string text = joined(forces);
    text.resize(text.size() - 1 - (80 - keep));  // no line end, and the columns after `keep` gone
    dir.write("F.ESF", text);
    const tools::check::CheckOutcome outcome =
        tools::check::check_inputs(dir.file("F.CMB"), dir.file("F.ESF"));
    if (keep == 80) {
      EXPECT_EQ(outcome.findings.listing(tools::cli::Language::en),
                "0 warnings\n");  // complete without its line end
      continue;
    }
    EXPECT_EQ(outcome.findings.listing(tools::cli::Language::en),
              dir.file("F.ESF") + ":" + std::to_string(line) +
                  ":79: warning: the file ends in the middle of the number \"4.\" (columns 56-80): "
                  "its last line stops at column 78 without a line end, and the missing columns "
                  "read as blanks; the file was cut short, probably: write the rest of the record\n"
                  "1 warning\n");
  }
}

const std::string RUNS_ON_COMBINATIONS =
    "warning: the entry of case \"Q\" (line 10) passes over this \"FIME\", which would end the case list: "
    "the case "
    "list runs on into the combinations, whose lines are read as cases; a \"FIMC\" is probably missing "
    "before this "
    "line";

TEST(PlantedMissingFimc, BeforeTheFimeOfAFileWithCombinations) {
  const Frame f = portal();
  auto combination = combination_lines(f);
  combination.erase(combination.begin() + 11);  // the "FIMC" of case Q, line 12
  CheckedFiles c(combination, forces_lines(f));
  EXPECT_EQ(c.listing,
            c.combination_at(12, 1, RUNS_ON_COMBINATIONS) +
                c.combination_at(
                    21, 1,
                    "error: end of file after line 21: a record after the \"FIME\" ending the case list "
                    "(the marker \"FIME\" when the file gives no combinations, else the header of "
                    "combination 1) was expected (toval stops here with run-time error F6501)") +
                "1 warning, 1 error\n");
}

TEST(PlantedMissingFimc, BeforeTheFimeOfAFileWithoutCombinations) {
  const Frame f = portal();
  auto combination = combination_lines(f);
  combination.resize(13);  // titles, the two case entries, "FIME"
  combination.push_back("FIME");
  combination.erase(combination.begin() + 11);
  CheckedFiles c(combination, forces_lines(f));
  EXPECT_EQ(c.listing,
            c.combination_at(
                12, 1,
                "warning: the entry of case \"Q\" (line 10) passes over this \"FIME\", which would end "
                "the case list: the file gives no combinations, so the entry runs on to the end of the "
                "file and the run stops there; a \"FIMC\" is probably missing before this line") +
                c.combination_at(
                    13, 1,
                    "error: end of file after line 13: a record with the marker \"FIMC\" in columns 1-4 "
                    "(ending case 2 \"Q\") was expected (toval stops here with run-time error F6501)") +
                "1 warning, 1 error\n");
}

TEST(PlantedLowerCaseMarker, TheFimcClosingACombination) {
  const Frame f = portal();
  auto combination = combination_lines(f);
  at(combination, 17) = "fimc";
  CheckedFiles c(combination, forces_lines(f));
  EXPECT_EQ(
      c.listing,
      c.combination_at(17, 1,
                       "warning: columns 1-4 hold \"fimc\", which is not the marker \"FIMC\": markers are "
                       "written in capitals, so this line is read as a term record of combination 1; write "
                       "\"FIMC\"") +
          c.combination_at(
              18, 5,
              "error: line 18, columns 5-14 (F10.0) of a term record of combination 1 (columns "
              "1-4 not \"FIMC\", multiplier in columns 5-14, case name in 15-18): found \"INACAO "
              "2\", which is not a real number; line 17 holds \"fimc\" in columns 1-4, which is "
              "not the marker \"FIMC\": markers are written in capitals (toval stops here with "
              "run-time error F6504)") +
          "1 warning, 1 error\n");
}

TEST(PlantedLowerCaseMarker, TheLastFimeAndAFimcThatEndsACaseEntry) {
  const Frame f = portal();
  auto combination = combination_lines(f);
  at(combination, 22) = "Fime";
  CheckedFiles last(combination, forces_lines(f));
  EXPECT_EQ(
      last.listing,
      last.combination_at(22, 1,
                          "warning: columns 1-4 hold \"Fime\", which is not the marker \"FIME\": markers are "
                          "written in capitals, so this line is read as the header of a combination after "
                          "combination 2; write \"FIME\"") +
          last.combination_at(
              22, 1,
              "error: end of file after line 22: a term record of combination 3, or the record "
              "with the marker \"FIMC\" in columns 1-4 closing it, was expected; line 22 holds "
              "\"Fime\" in columns 1-4, which is not the marker \"FIME\": markers are written in "
              "capitals (toval stops here with run-time error F6501)") +
          "1 warning, 1 error\n");
  // In a case entry a "fimc" that the "FIMC" follows at once changes nothing;
  // one that the next case's name follows joins the two entries.
  combination = combination_lines(f);
  combination.insert(combination.begin() + 8, "fimc");
  CheckedFiles harmless(combination, forces_lines(f));
  EXPECT_EQ(harmless.listing, "0 warnings\n");
  combination = combination_lines(f);
  at(combination, 9) = "fimc";
  CheckedFiles joined_entries(combination, forces_lines(f));
  EXPECT_NE(
      joined_entries.listing.find(joined_entries.combination_at(
          9, 1,
          "warning: columns 1-4 hold \"fimc\", which is not the marker \"FIMC\": markers are written in "
          "capitals, so this line is read as a line of the entry of case 1; write \"FIMC\"")),
      std::string::npos)
      << joined_entries.listing;
}

}  // namespace
}  // namespace toval::testing
