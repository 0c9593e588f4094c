// A command line that the program cannot take: reported with the usage line
// and exit status 2.
#pragma once

#include <stdexcept>
#include <string>

namespace toval::tools::cli {

class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

// `--help` given to a subcommand: its help text is shown instead of a run.
struct HelpRequested {};

}  // namespace toval::tools::cli
