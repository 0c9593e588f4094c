// The lines of the listing for people: which changes share a line (a
// mirror pair whose two bars change alike), in which order (the largest
// change beside what its member carries first), and values as the report
// page shows them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/diff/changes.h"

namespace toval::tools::diff {

struct ListedLine {
  ResultChange change;
  long long partner = 0;  // the mirror bar told on the same line, 0 for none
};

// |new - old| over the member's scale (0 when nothing moved).
double weight(const ResultChange& c);

// One table's changes of one set, a pair's alike changes as one line, the
// heaviest first (equal ones in the order of their keys); bending flags
// stay in the order of their keys.
std::vector<ListedLine> listed_lines(const std::vector<ResultChange>& changes,
                                     const std::vector<std::array<long long, 2>>& pairs);

// A value with the page's decimals (forces 3, displacements 7); a value
// that rounds to zero shows no sign. `sign` writes + before a positive one.
std::string fixed_text(double value, int decimals, bool sign = false);

// The decimals of a table's values.
int decimals_of(ResultTable table);

}  // namespace toval::tools::diff
