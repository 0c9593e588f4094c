#include "tools/program.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "records/console.h"
#include "records/run_error.h"
#include "tools/cli/command.h"
#include "tools/cli/output_file.h"
#include "tools/cli/usage_error.h"

namespace toval::tools {

namespace {

const cli::Command* find_command(std::string_view name) {
  for (const cli::Command& c : commands())
    if (c.name == name) return &c;
  return nullptr;
}

std::string program_help() {
  std::string text = "usage: ";
  text += PROGRAM_USAGE;
  text +=
      "\n\nTools over the results of a toval run: the same steps over the same combination and forces "
      "files,\nwithout the console dialogue.\n\nsubcommands:\n";
  for (const cli::Command& c : commands()) {
    std::string line = "  " + std::string(c.name);
    line.resize(std::max<std::size_t>(line.size() + 2, 12), ' ');
    text += line + std::string(c.summary) + "\n";
  }
  text +=
      "\noptions:\n  --help     show this list and exit\n  --version  show the version and exit\n"
      "\n`toval-tools help SUBCOMMAND` shows the help of a subcommand.\n";
  return text;
}

int usage_error(std::string_view message, std::string_view usage) {
  std::fflush(stdout);
  std::string text = "toval-tools: " + std::string(message) + "\nusage: " + std::string(usage) + "\n";
  write_console_text(stderr, text);
  return 2;
}

// The same message that toval prints for the same fault, and nothing on stdout.
int run_error(const RunError& error, int status) {
  std::fflush(stdout);
  write_console_text(stderr, error.what());
  return status;
}

int run_command(const cli::Command& c, std::span<const std::string> args) {
  try {
    return c.run(args, services());
  } catch (const cli::HelpRequested&) {
    cli::write_output("", c.help);
    return 0;
  } catch (const cli::UsageError& e) {
    return usage_error(e.what(), c.usage);
  } catch (const RunError& error) {
    return run_error(error, c.fault_status);
  }
}

int dispatch(std::span<const std::string> args) {
  if (args.empty()) return usage_error("a subcommand is needed", PROGRAM_USAGE);
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") {
    if (args.size() > 1)
      return usage_error("unexpected argument '" + args[1] + "' after " + first, PROGRAM_USAGE);
    cli::write_output("", program_help());
    return 0;
  }
  if (first == "--version") {
    if (args.size() > 1)
      return usage_error("unexpected argument '" + args[1] + "' after --version", PROGRAM_USAGE);
    cli::write_output("", "toval-tools " + std::string(cli::VERSION) + "\n");
    return 0;
  }
  if (first == "help") {
    if (args.size() == 1) {
      cli::write_output("", program_help());
      return 0;
    }
    if (args.size() > 2)
      return usage_error("unexpected argument '" + args[2] + "' after help " + args[1],
                         "toval-tools help SUBCOMMAND");
    const cli::Command* c = find_command(args[1]);
    if (c == nullptr)
      return usage_error("unknown subcommand '" + args[1] + "'", "toval-tools help SUBCOMMAND");
    cli::write_output("", c->help);
    return 0;
  }
  if (first.starts_with("-")) return usage_error("unknown option '" + first + "'", PROGRAM_USAGE);
  const cli::Command* c = find_command(first);
  if (c == nullptr) return usage_error("unknown subcommand '" + first + "'", PROGRAM_USAGE);
  return run_command(*c, args.subspan(1));
}

}  // namespace

int run_tools(std::span<const std::string> args) {
  try {
    return dispatch(args);
  } catch (const RunError& error) {
    return run_error(error, 1);
  }
}

}  // namespace toval::tools
