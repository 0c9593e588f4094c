// The console dialogue of a complete run: asking again for a file that cannot
// be opened, and names taken from the command line for blank answers.
#include "e2e/e2e_support.h"

namespace {

using toval::e2e::runs_as_expected;

// A missing combination file, a blank answer whose command-line argument
// names a missing file, a blank answer that takes the next argument; then a
// missing forces file (only that question again) and blank answers with no
// argument left ("UNIT 4? " until a name is typed). The combination file came
// from the command line, so the typed name is blank and the report is "TOV".
TEST(DialogueRuns, RetriesAndBlankNamesFromTheCommandLine) {
  EXPECT_TRUE(runs_as_expected("dialogue_retry_and_fallback"));
}

// A typed name longer than 20 characters is cut to 20; the report name keeps
// the first 18 characters (up to the point) and as much of TOV as fits. Blanks
// around a typed name are not part of it.
TEST(DialogueRuns, LongNamesAreCutToTwentyCharacters) {
  EXPECT_TRUE(runs_as_expected("long_names"));
}

// Standard input that ends while a name is asked for ends the run instead of
// asking forever.
TEST(DialogueRuns, InputEndingWhileAskingStopsTheRun) {
  EXPECT_TRUE(runs_as_expected("input_ends_while_asking"));
}

// A combination file named like its own report: the run stops before the
// report file is opened and leaves every file as it was.
TEST(DialogueRuns, ReportNameThatIsTheCombinationFileStopsTheRun) {
  EXPECT_TRUE(runs_as_expected("report_name_clash"));
}

// The same for a forces file that has the report's name: it is not destroyed.
TEST(DialogueRuns, ReportNameThatIsTheForcesFileStopsTheRun) {
  EXPECT_TRUE(runs_as_expected("report_name_is_forces_file"));
}

}  // namespace
