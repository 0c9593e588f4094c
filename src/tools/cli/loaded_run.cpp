#include "tools/cli/loaded_run.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "records/run_error.h"
#include "tools/cli/services.h"

namespace toval::tools::cli {

namespace {

void open_input(InputUnit& unit, const std::string& path, const char* role) {
  if (!unit.open(path))
    throw file_error(ReadFault::open, path, std::string("the ") + role + " cannot be opened for reading");
}

}  // namespace

bool is_rules_file(const std::string& file) {
  constexpr std::string_view SUFFIX = ".toml";
  if (file.size() <= SUFFIX.size()) return false;
  return std::equal(SUFFIX.begin(), SUFFIX.end(), file.end() - static_cast<std::ptrdiff_t>(SUFFIX.size()),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

CombinationInput combination_input(const std::string& file, const Services& services) {
  if (!is_rules_file(file) || !services.rules_combinations) return CombinationInput(file);
  return services.rules_combinations(file);
}

std::optional<Units> units_of(const std::optional<Units>& given, const LoadedRun& run) {
  return given ? given : run.stated_units();
}

LoadedRun::LoadedRun(const CombinationInput& combination, const std::string& forces_file)
    : LoadedRun(combination, forces_file, Deferred::run_later) {
  run();
}

LoadedRun::LoadedRun(const CombinationInput& combination, const std::string& forces_file, Deferred)
    : combination_file_(combination.file),
      forces_file_(forces_file),
      combination_text_(combination.text ? std::make_unique<const std::string>(*combination.text) : nullptr),
      store_(std::make_unique<Store>(TOOLS_CAPACITIES)),
      files_(std::make_unique<RunFiles>()),
      stated_units_(combination.units) {
  if (combination_text_)
    files_->unit3.open_memory(combination_file_, *combination_text_);
  else
    open_input(files_->unit3, combination_file_, "combination file");
  open_input(files_->unit4, forces_file, "forces file");
  // The axis line that the symmetry step shows is no part of any output here.
  files_->console.attach(stdin, nullptr);
  // Frames far beyond toval's keep what fits in a bounded part of memory
  // and read the rest of their blocks again.
  listing_ = std::make_unique<Listing>(files_->unit4, std::size_t{64} << 20);
}

void LoadedRun::run() {
  analyse(*store_, *files_, *listing_, counts_);
  // The run's own unit read again from the top, unwatched: nothing watching
  // the run sees this, and the file is not opened a second time.
  const InputUnit::Watching unwatched(files_->unit3, nullptr);
  labels_ = read_run_labels(files_->unit3, *store_, counts_.NCCAR);
  envelopes_ = run_envelopes(*store_, counts_, labels_);
}

}  // namespace toval::tools::cli
