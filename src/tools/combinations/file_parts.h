// Which combinations and cases go into which file, and what toval's
// capacities say about them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/combinations/combination_records.h"
#include "tools/combinations/enumeration.h"
#include "tools/combinations/rules.h"

namespace toval::tools::combinations {

// toval's tables: cases in the case list, combinations, terms in one.
constexpr std::size_t TOVAL_CASES = 10, TOVAL_COMBINATIONS = 10, TOVAL_TERMS = 10;

// One file with every combination and every action as a case.
FileContent whole_file(const Rules& rules, const std::vector<Combination>& all);

// What a file beyond toval's capacities is told on the error stream, one
// line each (none when it fits); `file` names the rules file.
std::vector<std::string> capacity_warnings(const FileContent& content, const std::vector<Combination>& all,
                                           const std::string& file);

// The combinations in order, cut into files of at most `per_file` of them
// and at most 10 cases, each file naming only the cases its combinations
// use. A combination of more than 10 terms ends the run, naming `file`.
std::vector<FileContent> split_files(const std::vector<Combination>& all, std::size_t per_file,
                                     const std::string& file);

// "P2.CMB" and 3 give "P2-3.CMB": the number before the name's first point,
// so that toval names each file's report apart (it cuts at the first point).
std::string part_name(const std::string& target, std::size_t number);

}  // namespace toval::tools::combinations
