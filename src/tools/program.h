// The whole of toval-tools over its arguments: the program's own options,
// the choice of subcommand, and how each kind of failure ends the run.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tools/cli/command.h"
#include "tools/cli/version.h"

namespace toval::tools {

constexpr std::string_view PROGRAM_USAGE =
    "toval-tools [--help | --version | help SUBCOMMAND | SUBCOMMAND ARGUMENTS...]";

// Every subcommand, in the order --help lists them.
std::span<const cli::Command> commands();

// The rooms' offers to each other, filled with the rooms' functions.
cli::Services services();

// `args` are the arguments after the program name; returns the exit status.
// Help, the version and a subcommand's result go to standard output,
// messages to standard error.
int run_tools(std::span<const std::string> args);

}  // namespace toval::tools
