// toval-tools: subcommands over the steps of a toval run.
#include <string>
#include <vector>

#include "tools/program.h"

int main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return toval::tools::run_tools(args);
}
