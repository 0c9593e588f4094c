// The generated combination file, written record by record in the grammar
// and columns that toval reads.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/combinations/combination_words.h"
#include "tools/combinations/enumeration.h"
#include "tools/combinations/rules.h"

namespace toval::tools::combinations {

// What one file holds: some of the combinations, in order, and the cases
// its case list names (positions in the action list, in action order).
struct FileContent {
  std::vector<std::size_t> combinations;
  std::vector<std::size_t> cases;
};

// The whole file: record 1, the titles, the case list, the combination
// blocks, each ended as the grammar ends it; records end in CR LF.
std::string combination_file_text(const Rules& rules, const std::vector<Combination>& all,
                                  const FileContent& content, const std::string& rules_file,
                                  Language language);

}  // namespace toval::tools::combinations
