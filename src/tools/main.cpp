// toval-tools: subcommands over the steps of a toval run.
#include <string>
#include <vector>

#include "records/platform.h"
#include "tools/program.h"

int main(int argc, char** argv) {
  toval::platform::binary_console();  // the output's bytes are the same on every system
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return toval::tools::run_tools(args);
}
