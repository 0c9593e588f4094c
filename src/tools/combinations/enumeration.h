// The combinations that the rules give, set by set, in the one order that
// makes two runs write the same file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/combinations/rules.h"

namespace toval::tools::combinations {

struct Term {
  std::size_t action;      // position in the action list, from 0
  std::string multiplier;  // as written in the file: "1.35"
};

struct Combination {
  CombinationSet set = CombinationSet::uls;
  int number = 0;                         // within its set, from 1
  int leading = -1;                       // action position, or -1 for none
  std::vector<std::size_t> accompanying;  // action positions, in action order
  std::vector<std::size_t> favourable;    // permanent actions taking gamma_inf (uls)
  std::vector<Term> terms;                // in action order, none with multiplier 0
};

// More than this many before duplicates are dropped is refused: such rules
// are a mistake, not a design.
constexpr double MAX_ENUMERATED = 100000;

// Every combination of every set the rules want; a term whose multiplier is
// 0 is left out, a combination with no term is not given, and one whose terms
// equal an earlier one's of the same set is dropped. Rules that would give
// more than MAX_ENUMERATED end the run, naming `file`.
std::vector<Combination> enumerate_combinations(const Rules& rules, const std::string& file);

}  // namespace toval::tools::combinations
