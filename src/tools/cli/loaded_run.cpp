#include "tools/cli/loaded_run.h"

#include <cstdio>

#include "records/run_error.h"

namespace toval::tools::cli {

namespace {

void open_input(InputUnit& unit, const std::string& path, const char* role) {
  if (!unit.open(path))
    throw file_error(ReadFault::open, path, std::string("the ") + role + " cannot be opened for reading");
}

}  // namespace

LoadedRun::LoadedRun(const std::string& combination_file, const std::string& forces_file)
    : LoadedRun(combination_file, forces_file, Deferred::run_later) {
  run();
}

LoadedRun::LoadedRun(const std::string& combination_file, const std::string& forces_file, Deferred)
    : combination_file_(combination_file),
      forces_file_(forces_file),
      store_(std::make_unique<Store>(TOOLS_CAPACITIES)),
      files_(std::make_unique<RunFiles>()) {
  open_input(files_->unit3, combination_file, "combination file");
  open_input(files_->unit4, forces_file, "forces file");
  // The axis line that the symmetry step shows is no part of any output here.
  files_->console.attach(stdin, nullptr);
  // Frames far beyond toval's keep what fits in a bounded part of memory
  // and read the rest of their blocks again.
  listing_ = std::make_unique<Listing>(files_->unit4, std::size_t{64} << 20);
}

void LoadedRun::run() {
  analyse(*store_, *files_, *listing_, counts_);
}

}  // namespace toval::tools::cli
