// Complete runs whose reports are compared whole against reports derived by
// hand from the rules of each section.
#include "e2e/e2e_support.h"

namespace {

using toval::e2e::runs_as_expected;

// Portal whose end moments never exceed a tenth of the normal force (one slot
// exactly at a tenth in each combination): no frame-bar table, the reactions'
// page break is followed by the truss-bar table. The columns pair as (1,3) with
// the beam alone; three combinations (comma-written term, a labelled term,
// multipliers .90 and -1.50), the mirror bar carries both extremes, no node on
// the axis (centre values are means of the flanking nodes), a displacement
// with more than seven significant digits, a title longer than 40 columns.
TEST(ReportRuns, PortalWithoutBendingHasNoFrameBarTable) {
  EXPECT_TRUE(runs_as_expected("portal_truss"));
}

// Fixed portal, columns numbered first: pair (1,2) with the beam 3 alone.
// The case list ends in "FIME" "FIME": one default combination per case.
// Frame-bar table with a pair and a lone bar; in the second combination the
// higher bar of the pair is in bending but the lower is not, so the pair is
// not listed. CR LF input files, headings continued past their columns, and
// look-alike case headings (four blanks, lower case) before the real blocks.
TEST(ReportRuns, DefaultCombinationsAndPairWithLoneBar) {
  EXPECT_TRUE(runs_as_expected("portal_bending"));
}

// Gable frame with columns (1,2) and rafters (3,4) paired by the rise sense:
// a ruler between the two pairs; a single combination, so every block has the
// extra minimum row; equal maxima keep the lower bar; a length and a direction
// cosine written without a point (implied decimals); a blank client title.
TEST(ReportRuns, GableWithTwoConsecutivePairsAndOneCombination) {
  EXPECT_TRUE(runs_as_expected("gable_single"));
}

// Gable frame numbered column, rafter, column, rafter: pairs (1,3) and (2,4),
// no ruler at all. A combination of two terms on the same case, one with no
// terms (its slots stay zero and still count in the envelope, and it adds a
// single empty record to the frame-bar table), a blank multiplier, a case name
// written after a comma. Case blocks out of order and a second block with the
// same name that must never be read.
TEST(ReportRuns, GableWithInterleavedPairsAndAnEmptyCombination) {
  EXPECT_TRUE(runs_as_expected("gable_cross"));
}

// Values too wide for their fields are written as asterisks: a multiplier of
// 12345678, the forces it gives, a length of 4000 in F7.3 (but not in F8.3),
// a displacement of 1E13 and a reaction of 1E18; the symmetry axis at 2000 on
// the console. Also: rounding that carries (9.9996 gives 10.000), small
// negatives that round to an unsigned zero, and centre values of zero when no
// node pair lies wholly on either side of the axis.
TEST(ReportRuns, ValuesTooWideForTheirFieldsAreAsterisks) {
  EXPECT_TRUE(runs_as_expected("overflow"));
}

// Values whose first dropped digit is a 5 round away from zero, also when the
// cut is at the seventh significant digit and when it carries through 9s
// (1234.5625 in F20.7 is 1234.5630000, 12.999999046 is 13.0000000,
// 12345.6875 in F20.3 is 12345.690, a multiplier of 0.125 is .13); small
// values that round to zero lose their sign.
TEST(ReportRuns, RoundingAtTheCutAwayFromZero) {
  EXPECT_TRUE(runs_as_expected("rounding_at_the_cut"));
}

// Three bays whose inner left line is listed before the outer one: the
// flanking line of the axis is the one of the last pair of consecutive nodes
// wholly on each side (here the outer left line and the inner right line),
// not the nearest line. Pairs (1,3), (2,4), (5,7) with beam 6 alone on the
// axis: a ruler only before the pair (5,7), after bar 4. Supports at
// nodes 1, 3, 6 and 8.
TEST(ReportRuns, ThreeBaysFlankingLinesAndRulers) {
  EXPECT_TRUE(runs_as_expected("three_bays_flanking_lines"));
}

// The bending threshold is the 32-bit tenth times the normal force, kept
// unrounded: a moment of 0.2 with a normal force of -2 equals it and does not
// count (the pair of bar 1 is not listed), a moment of -0.3 with a normal
// force of 3 exceeds it by less than the threshold's own rounding and counts.
TEST(ReportRuns, BendingThresholdIsTheUnroundedTenth) {
  EXPECT_TRUE(runs_as_expected("bending_threshold"));
}

// The first case block lacks its resultants heading: its reactions are those
// of the next block's resultants, found by reading on past its own records.
TEST(ReportRuns, ResultantsSearchRunsIntoTheNextBlock) {
  EXPECT_TRUE(runs_as_expected("resultants_of_the_next_block"));
}

// One node and no bars: the node is the left, centre and right node at once,
// there are no supports (one empty record per case in the reactions) and the
// truss-bar table is its headings only. A case heading line that ends right
// after a two-character name; a four-character case name.
TEST(ReportRuns, SingleNodeWithoutBarsOrSupports) {
  EXPECT_TRUE(runs_as_expected("single_node"));
}

// A doubled left column: both copies pair with the one right column, which
// then shows in the SMT columns of two row blocks and is never listed alone;
// crossing diagonals on the axis pair with each other. Displacement records
// numbered 1, 7, 3, 9 in the second case: the left node is not found (zeros)
// and the right flanking node keeps the first case's values, while the
// reactions are still taken by position. A lower-case "fimc" that is not a
// marker, a tab in a coordinate field, text past column 80, a forces file
// whose last line has no line end, and typed names ended by CR LF.
TEST(ReportRuns, SharedMirrorBarAndRecordsFoundByNumberOrPosition) {
  EXPECT_TRUE(runs_as_expected("shared_mirror_and_odd_records"));
}

}  // namespace
