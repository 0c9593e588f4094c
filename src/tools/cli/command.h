// The subcommands of toval-tools: each is a name, its texts for the user and
// the function that runs it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tools/cli/services.h"

namespace toval::tools::cli {

struct Command {
  std::string_view name;     // "export"
  std::string_view summary;  // one line for the list in --help
  std::string_view usage;    // the usage line, from "toval-tools NAME" on
  std::string_view help;     // the whole text of `toval-tools help NAME`
  // The arguments after the name and what other rooms offer; returns the
  // exit status. A usage error leaves as a UsageError, a run-ending input
  // fault as a RunError.
  int (*run)(std::span<const std::string> args, const Services& services);
  // The exit status after a run-ending fault. A subcommand whose status 1
  // means something else (diff: "changed") ends such a run with another.
  int fault_status = 1;
};

}  // namespace toval::tools::cli
