// Each hazard planted alone in a sound pair of files gives exactly its
// warning, at its place.
#include <gtest/gtest.h>

#include "tools/check/checked_files.h"
#include "tools/check/input_check.h"
#include "tools/frame_files.h"

namespace toval::testing {
namespace {

// Lines of the combination file that combination_lines() writes for the
// cases G and Q.
constexpr long Q_ENTRY = 10, FIRST_TERM = 15, SECOND_TERM = 16;

long line_of(const std::vector<std::string>& lines, const std::string& prefix) {
  return static_cast<long>(line_index(lines, prefix)) + 1;
}

// Resultant record of node 1 in the first case block, as a line number.
long first_resultant(const std::vector<std::string>& forces) {
  return line_of(forces, "     RESULTANTES NODAIS") + 5;
}

const std::string SHIFT_ADVICE =
    "; a value shifted by a column, probably: write each value within its own columns";

TEST(PlantedShift, BlanksBetweenTheDigitsOfAResultant) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  const long line = first_resultant(forces);
  // 85.71 written one column to the right: its last digit joins the next field.
  //                                   9-30                       31-55                    56-80
  forces[static_cast<std::size_t>(line - 1)] =
      "       1                  85.7"
      "1                    3.00"
      "                     1.00";
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(c.listing,
            c.forces_at(line, 32,
                        "warning: blanks inside the number \"1                    3.00\" (columns 31-55): "
                        "blanks are ignored, so it reads as 13" +
                            SHIFT_ADVICE) +
                "1 warning\n");
  EXPECT_EQ(c.status, 1);
}

TEST(PlantedShift, AValueRunningIntoABlankField) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  const long line = first_resultant(forces);
  forces[static_cast<std::size_t>(line - 1)] =
      "       1                  85.7"
      "1                        "
      "                     1.00";
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(
      c.listing,
      c.forces_at(line, 31,
                  "warning: the number \"85.7\" (columns 9-30) runs into the next field, whose text \"1\" "
                  "starts in column 31: they read as 85.7 and 1, each from its own columns; a value shifted "
                  "by a column, probably: leave a blank between values") +
          "1 warning\n");
}

TEST(PlantedShift, ACoordinateShiftedInTheNodeSection) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  const long line = line_of(forces, "       2");  // node 2: (0, 4)
  forces[static_cast<std::size_t>(line - 1)].insert(8, " ");
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(c.listing,
            c.forces_at(line, 25,
                        "warning: blanks inside the number \"0          4.00\" (columns 24-38): blanks "
                        "are ignored, so it reads as 4" +
                            SHIFT_ADVICE) +
                "1 warning\n");
}

TEST(PlantedCombinationMistake, TermNamingACaseOutsideTheList) {
  Frame listed = portal();
  Frame blocks = portal();
  blocks.cases = {"G", "Q", "X"};
  auto combination = combination_lines(listed);
  combination[SECOND_TERM - 1] = "    1.4       X";
  CheckedFiles c(combination, forces_lines(blocks));
  EXPECT_EQ(c.listing,
            c.combination_at(SECOND_TERM, 15,
                             "warning: term 2 of combination 1 names case \"X\", which is not in the "
                             "case list: it is combined, but its displacements and reactions are not "
                             "reported; add the case to the list, or correct the name") +
                "1 warning\n");
  EXPECT_EQ(c.status, 1);
}

TEST(PlantedCombinationMistake, ListedCaseThatNoCombinationUses) {
  Frame f = portal();
  f.cases = {"G", "Q", "W"};
  auto combination = combination_lines(f);
  // Drop W from both combinations.
  combination.erase(combination.begin() + static_cast<long>(line_index(combination, "    1.0,W")));
  combination.erase(combination.begin() + static_cast<long>(line_index(combination, "    1.4       W")));
  CheckedFiles c(combination, forces_lines(f));
  EXPECT_EQ(c.listing,
            c.combination_at(13, 1,
                             "warning: case \"W\" is in no combination: its displacements and reactions "
                             "are reported, but no combined force includes it; add it to the "
                             "combinations that need it, or remove it from the list") +
                "1 warning\n");
}

TEST(PlantedCombinationMistake, RepeatedCaseName) {
  Frame f = portal();
  auto combination = combination_lines(f);
  combination.insert(combination.begin() + 12, {"G    de novo", "FIMC"});  // a third entry before "FIME"
  CheckedFiles c(combination, forces_lines(f));
  EXPECT_EQ(c.listing,
            c.combination_at(13, 1,
                             "warning: case 3 repeats the name \"G\" of case 1 (line 7): both read the "
                             "first case block of that name, so its displacements and reactions are "
                             "reported twice; give each case its own name") +
                "1 warning\n");
}

TEST(PlantedCombinationMistake, BlankLineInATermListAndADecimalComma) {
  Frame f = portal();
  auto combination = combination_lines(f);
  combination[FIRST_TERM - 1] = "    1,4       G";
  combination.insert(combination.begin() + SECOND_TERM - 1, "");
  CheckedFiles c(combination, forces_lines(f));
  // Both warnings, then the error of the run, which looks for case "4".
  const std::string warnings =
      c.combination_at(FIRST_TERM, 6,
                       "warning: a comma ends the multiplier of term 1 of combination 1: \"1,4\" reads as "
                       "multiplier 1 and case \"4\"; write the multiplier with a decimal point") +
      c.combination_at(
          SECOND_TERM, 15,
          "warning: term 2 of combination 1 has no case name (a blank line in the term list?): the "
          "run looks for a case block with a blank name and adds it into the combination; remove "
          "the line or write the case name");
  EXPECT_EQ(c.listing.substr(0, warnings.size()), warnings);
  EXPECT_NE(c.listing.find(": error: "), std::string::npos);
  EXPECT_EQ(c.listing.substr(c.listing.size() - 20), "2 warnings, 1 error\n");
  EXPECT_EQ(c.status, 1);
}

TEST(PlantedCaseEntryMistake, MissingFimcPassesOverTheNextCase) {
  const Frame f = portal();
  auto combination = combination_lines(f);
  combination.erase(combination.begin() + 8);  // the "FIMC" after case G
  CheckedFiles c(combination, forces_lines(f));
  const std::string not_listed =
      "names case \"Q\", which is not in the case list: it is combined, but its displacements and reactions "
      "are "
      "not reported; add the case to the list, or correct the name";
  EXPECT_EQ(
      c.listing,
      c.combination_at(Q_ENTRY - 1, 1,
                       "warning: the entry of case \"G\" (line 7) passes over this line, whose columns 1-4 "
                       "name the case block \"Q\" of the forces file: case \"Q\" is not in the case list, so "
                       "its displacements and reactions are not reported; a \"FIMC\" is probably missing "
                       "before this line") +
          c.combination_at(SECOND_TERM - 1, 15, "warning: term 2 of combination 1 " + not_listed) +
          c.combination_at(19, 9, "warning: term 2 of combination 2 " + not_listed) + "3 warnings\n");
}

TEST(PlantedCaseEntryMistake, MissingFimcOfTheLastCaseRunsIntoTheCombinations) {
  const Frame f = portal();
  auto combination = combination_lines(f);
  combination.erase(combination.begin() + 11);  // the "FIMC" after case Q
  CheckedFiles c(combination, forces_lines(f));
  const std::string warning = c.combination_at(
      12, 1,
      "warning: the entry of case \"Q\" (line 10) passes over this \"FIME\", which would end the "
      "case list: the case list runs on into the combinations, whose lines are read as cases; a "
      "\"FIMC\" is probably missing before this line");
  EXPECT_EQ(c.listing.substr(0, warning.size()), warning);
  // "COMBINACAO 2" is then a case, and the file ends where the combinations should begin.
  EXPECT_EQ(
      c.listing.substr(warning.size()),
      c.combination_at(21, 1,
                       "error: end of file after line 21: a record after the \"FIME\" ending the case list "
                       "(the marker \"FIME\" when the file gives no combinations, else the header of "
                       "combination 1) was expected (toval stops here with run-time error F6501)") +
          "1 warning, 1 error\n");
}

TEST(PlantedBlockMistake, SecondBlockWithANameAlreadySeen) {
  Frame blocks = portal();
  blocks.cases = {"G", "Q", "G"};
  const auto forces = forces_lines(blocks);
  std::vector<long> headings;
  for (std::size_t k = 0; k < forces.size(); ++k)
    if (forces[k].rfind("     CARREGAMENTO: ", 0) == 0) headings.push_back(static_cast<long>(k) + 1);
  ASSERT_EQ(headings.size(), 3u);
  CheckedFiles c(combination_lines(portal()), forces);
  EXPECT_EQ(c.listing,
            c.forces_at(headings[2], 20,
                        "warning: a second case block named \"G\" (the first is at line " +
                            std::to_string(headings[0]) +
                            "): every step reads the first, so this one is never read; give it its own "
                            "name or remove it") +
                "1 warning\n");
}

TEST(PlantedBlockMistake, RecordsNumberedOtherwiseThanTheirPosition) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  const long heading = line_of(forces, "     CARREGAMENTO: G");
  const long displacement_2 = heading + 12;  // ten records, then nodes 1 and 2
  forces[static_cast<std::size_t>(displacement_2 - 1)].replace(7, 1, "5");
  const long group_2 = heading + 10 + 4 + 9 + 4;  // the first record of bar group 2
  for (long line : {group_2, group_2 + 1}) forces[static_cast<std::size_t>(line - 1)].replace(8, 1, "9");
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(
      c.listing,
      c.forces_at(displacement_2, 1,
                  "warning: displacement record 2 of case block \"G\" carries node number 5: the "
                  "characteristic nodes are found by the number written, so a chosen node whose number is "
                  "missing keeps zero or the previous case's values; number the records 1, 2, 3 ... in the "
                  "order of the node section") +
          c.forces_at(
              group_2, 1,
              "warning: bar group 2 of case block \"G\" carries bar number 9: end forces are taken by "
              "position, so bar 2 gets the forces written here; list the groups in the order of the "
              "bar section") +
          "2 warnings\n");
}

// The run passes the resultant records of nodes without supports; a list
// out of order is told where it starts, before the supports it misplaces.
TEST(PlantedBlockMistake, ResultantRecordsOutOfOrder) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  const long second = line_of(forces, "     CARREGAMENTO: Q") - 1 - 1 - 4 + 1;  // node 2 of case G
  ASSERT_EQ(forces[static_cast<std::size_t>(second - 1)].substr(0, 8), "       2");
  std::swap(forces[static_cast<std::size_t>(second - 1)], forces[static_cast<std::size_t>(second)]);
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(c.listing,
            c.forces_at(second, 1,
                        "warning: resultant record 2 of case block \"G\" carries node number 3: "
                        "resultants are taken by position, so the reactions of node 2 come from this "
                        "record; list the records in the order of the node section (and 1 more records "
                        "of this list)") +
                "1 warning\n");
}

// The analysis ran on the rounded coordinate: the bars' lengths agree with
// it, and the node that breaks the symmetry is told, not its bars.
TEST(PlantedGeometry, RoundedCoordinateToldAtItsNode) {
  Frame f = portal();
  f.nodes[2].y = 4.004;  // the top of the right column
  auto forces = forces_lines(f);
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(c.listing,
            c.forces_at(line_of(forces, "       3"), 24,
                        "warning: node 3 lies at y = 4.004, where no node mirrors it about the axis x = 5 "
                        "that every other node keeps: at y = 4 it would mirror node 2, and the run would "
                        "pair 2 of the 3 bars instead of 0 (its axis, the mean abscissa of the nodes, is "
                        "x = 5); a mistyped or rounded coordinate, probably: check this node's record") +
                "1 warning\n");
}

// Every node has its mirror node: a pair missed by a hair comes from a
// bar's own length, and both bars are told.
TEST(PlantedGeometry, BarKeptFromItsMirrorByARoundedLength) {
  Frame f = portal();
  auto forces = forces_lines(f);
  const long bar_3 = line_of(forces, "         3        4");
  forces[static_cast<std::size_t>(bar_3 - 1)].replace(50, 16, "           4.003");
  CheckedFiles c(combination_lines(f), forces);
  const std::string advice =
      " would mirror it if the tolerance 0.0015 were 0.015: the report lists the two bars apart instead of "
      "as a "
      "pair; a rounded coordinate, length or cosine, probably: check those of both bars and of their nodes";
  EXPECT_EQ(c.listing, c.forces_at(line_of(forces, "         1        1"), 1,
                                   "warning: bar 1 has no mirror bar, but bar 3" + advice) +
                           c.forces_at(bar_3, 1, "warning: bar 3 has no mirror bar, but bar 1" + advice) +
                           "2 warnings\n");
}

TEST(PlantedGeometry, EaveNodeGivenRestraints) {
  Frame f = portal();
  f.nodes[1].r1 = f.nodes[1].r2 = f.nodes[1].r3 = 1;
  auto forces = forces_lines(f);
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(c.listing,
            c.forces_at(line_of(forces, "       2"), 1,
                        "warning: node 2, the left node of the displacement table (the highest node on "
                        "the leftmost line), is a support: the report gives it a support's "
                        "displacements, zero where restrained; check the restraint codes of the nodes "
                        "on that line") +
                "1 warning\n");
}

TEST(PlantedGeometry, RidgeNodeGivenRestraints) {
  Frame f = gable();
  f.nodes[2].r2 = 1;
  auto forces = forces_lines(f);
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(c.listing,
            c.forces_at(line_of(forces, "       3"), 1,
                        "warning: node 3, the centre node of the displacement table (the lowest node on "
                        "the symmetry axis), is a support: the report gives it a support's "
                        "displacements, zero where restrained; check the restraint codes of the nodes "
                        "on that line") +
                "1 warning\n");
}

TEST(RunEndingFault, ComesAfterTheWarningsAsOneErrorLine) {
  Frame f = portal();
  auto forces = forces_lines(f);
  const long bad = line_of(forces, "       3");
  forces[static_cast<std::size_t>(bad - 1)].replace(20, 1, "x");  // inside X of node 3
  auto combination = combination_lines(f);
  combination[FIRST_TERM - 1] = "    1.4       X";
  CheckedFiles c(combination, forces);
  // The node section is read before the combination file: nothing of the
  // combination file is looked at.
  EXPECT_EQ(c.listing,
            c.forces_at(bad, 9,
                        "error: line " + std::to_string(bad) +
                            ", columns 9-23 (F15.0) of a node record (or the end record, blank or with "
                            "node number 0) of the node section: found \"         10.x00\", which is not a "
                            "real number (toval stops here with run-time error F6504)") +
                "0 warnings, 1 error\n");
  EXPECT_EQ(c.status, 1);
}

TEST(RunEndingFault, AFileThatCannotBeOpened) {
  TempDir dir;
  const tools::check::CheckOutcome outcome =
      tools::check::check_inputs(dir.file("NONE.CMB"), dir.file("NONE.ESF"));
  EXPECT_EQ(outcome.findings.listing(tools::cli::Language::en),
            dir.file("NONE.CMB") +
                ":1:1: error: the combination file cannot be opened for reading (toval stops here "
                "with run-time error F6520)\n0 warnings, 1 error\n");
  EXPECT_EQ(outcome.status, 1);
}

}  // namespace
}  // namespace toval::testing
