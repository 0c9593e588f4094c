// Reading a rules file (TOML). Every fault names the file, line and column
// that the TOML library gives and leaves as a RunError; nothing is guessed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/combinations/rules.h"

namespace toval::tools::combinations {

// The rules from a file's text; `file` names it in messages. Warnings
// (a title cut to its 40 columns) are added to `warnings`, one line each.
Rules parse_rules(std::string_view text, const std::string& file, std::vector<std::string>& warnings);

// The same for a file by name; a file that cannot be read ends the run as
// an unopenable input does.
Rules read_rules_file(const std::string& file, std::vector<std::string>& warnings);

}  // namespace toval::tools::combinations
