// The case blocks of the forces file as the check of inputs sees them: every
// case heading with its line, and the numbered records of the blocks the run
// read (those of the first block of each name it asked for).
#pragma once

#include <string>
#include <vector>

#include "store/types.h"

namespace toval {
class Listing;
}

namespace toval::tools::check {

struct ListedHeading {
  Name<4> name;
  long line = 0;
};

// A record of a block's list, by its position in the list (from 1), with the
// node or bar number it carries.
struct NumberedRecord {
  long position = 0;
  long number = 0;
  long line = 0;
};

struct ReadBlock {
  Name<4> name;
  long heading_line = 0;
  std::vector<NumberedRecord> displacements;  // node numbers
  std::vector<NumberedRecord> end_forces;     // bar numbers, both records of every group read
  std::vector<NumberedRecord> resultants;     // node numbers, in record order
};

struct ListedBlocks {
  std::vector<ListedHeading> headings;  // in file order
  std::vector<ReadBlock> read;
};

// From the listing after the run: it reads on to the file's end for the
// headings it has not seen, and reads the resultant records that the run
// passed in the blocks whose resultants it read.
ListedBlocks listed_blocks(Listing& listing, Whole NNOS);

}  // namespace toval::tools::check
