// Case blocks numbered otherwise than by position, and names given twice.
#include "tools/check/listing_hazards.h"

#include <gtest/gtest.h>

namespace toval::tools::check {
namespace {

ReadBlock block_g() {
  ReadBlock b;
  b.name = Name<4>::of("G");
  b.heading_line = 40;
  for (long k = 1; k <= 3; ++k) {
    b.displacements.push_back({k, k, 50 + k});
    b.end_forces.push_back({k, k, 60 + 3 * k});
    b.end_forces.push_back({k, k, 61 + 3 * k});
    b.resultants.push_back({k, k, 80 + k});
  }
  return b;
}

TEST(ListingHazards, NumberedByPositionGivesNothing) {
  ListedBlocks blocks;
  blocks.read.push_back(block_g());
  blocks.headings = {{Name<4>::of("G"), 40}, {Name<4>::of("Q"), 90}};
  HazardList list("A.CMB", "A.ESF");
  find_listing_hazards(blocks, {}, list);
  EXPECT_EQ(list.listing(tools::cli::Language::en), "0 warnings\n");
}

TEST(ListingHazards, FirstRecordOutOfPlaceInEachList) {
  ListedBlocks blocks;
  ReadBlock b = block_g();
  b.displacements[1].number = 3;  // nodes 1, 3, 2
  b.displacements[2].number = 2;
  b.end_forces[4].number = 7;  // both records of group 3
  b.end_forces[5].number = 7;
  b.resultants[0].number = 5;
  blocks.read.push_back(b);
  HazardList list("A.CMB", "A.ESF");
  find_listing_hazards(blocks, {}, list);
  EXPECT_EQ(
      list.listing(tools::cli::Language::en),
      "A.ESF:52:1: warning: displacement record 2 of case block \"G\" carries node number 3: the "
      "characteristic nodes are found by the number written, so a chosen node whose number is missing keeps "
      "zero or the previous case's values; number the records 1, 2, 3 ... in the order of the node section "
      "(and 1 more records of this list)\n"
      "A.ESF:69:1: warning: bar group 3 of case block \"G\" carries bar number 7: end forces are taken by "
      "position, so bar 3 gets the forces written here; list the groups in the order of the bar section\n"
      "A.ESF:81:1: warning: resultant record 1 of case block \"G\" carries node number 5: resultants are "
      "taken by position, so the reactions of node 1 come from this record; list the records in the order of "
      "the node section\n"
      "3 warnings\n");
}

TEST(ListingHazards, SecondBlockOfANameIsNeverRead) {
  ListedBlocks blocks;
  blocks.headings = {
      {Name<4>::of("G"), 40}, {Name<4>::of("Q"), 90}, {Name<4>::of("G"), 140}, {Name<4>::of("G"), 190}};
  HazardList list("A.CMB", "A.ESF");
  find_listing_hazards(blocks, {}, list);
  EXPECT_EQ(
      list.listing(tools::cli::Language::en),
      "A.ESF:140:20: warning: a second case block named \"G\" (the first is at line 40): every step reads "
      "the first, so this one is never read; give it its own name or remove it\n"
      "A.ESF:190:20: warning: a second case block named \"G\" (the first is at line 40): every step reads "
      "the first, so this one is never read; give it its own name or remove it\n"
      "2 warnings\n");
}

}  // namespace
}  // namespace toval::tools::check
