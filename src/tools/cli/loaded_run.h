// A run's results in memory: the combination and forces files opened by
// name, every computing step run over them, no dialogue and no report.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "driver/analysis.h"
#include "input/listing.h"
#include "records/run_files.h"
#include "store/store.h"
#include "tools/cli/run_envelopes.h"
#include "tools/cli/run_labels.h"
#include "tools/cli/tools_capacities.h"
#include "tools/cli/units.h"

namespace toval::tools::cli {

struct Services;

// The combination file of a run: a file read by name, or the combinations
// that a rules file gives, held in memory under the rules file's name.
struct CombinationInput {
  CombinationInput(const std::string& name) : file(name) {}  // NOLINT: a file by name
  CombinationInput(const char* name) : file(name) {}         // NOLINT: a file by name
  CombinationInput(std::string rules_file, std::string text, std::optional<Units> units = std::nullopt)
      : file(std::move(rules_file)), text(std::move(text)), units(std::move(units)) {}
  std::string file;
  std::optional<std::string> text;
  std::optional<Units> units;  // the units a rules file states
};

// A rules file is told from a combination file by its name: it ends in
// ".toml" (in any letter case).
bool is_rules_file(const std::string& file);

// The file as a subcommand was given it: a rules file is turned into the
// combinations that `combinations` writes from it (through `services`).
CombinationInput combination_input(const std::string& file, const Services& services);

class LoadedRun {
 public:
  // Opens both files and runs the steps; a file that cannot be opened, or a
  // run-ending input fault, leaves as a RunError.
  LoadedRun(const CombinationInput& combination, const std::string& forces_file);
  // Opens both files only; run() runs the steps. Meanwhile a watch can be
  // set on the units, and after a RunError from run() the store still holds
  // what the steps had stored (the check of inputs looks at both).
  enum class Deferred { run_later };
  LoadedRun(const CombinationInput& combination, const std::string& forces_file, Deferred);
  void run();

  // The store as the steps left it, for reading only: a read through it
  // neither grows a table nor allocates.
  const Store& store() const { return *store_; }
  // The forces file as the run read it; it stays open for further questions.
  Listing& listing() { return *listing_; }
  // The two input units, open for as long as the run lives.
  InputUnit& combination_unit() { return files_->unit3; }
  InputUnit& forces_unit() { return files_->unit4; }
  const RunCounts& counts() const { return counts_; }
  const std::string& combination_file() const { return combination_file_; }
  const std::string& forces_file() const { return forces_file_; }
  // After run(): the sets and names of the combinations and the cases'
  // descriptions, and the envelopes beside toval's.
  const RunLabels& labels() const { return labels_; }
  const RunEnvelopes& envelopes() const { return envelopes_; }
  // The units the rules file states; none for a combination file.
  const std::optional<Units>& stated_units() const { return stated_units_; }

 private:
  std::string combination_file_, forces_file_;
  std::unique_ptr<const std::string> combination_text_;  // from a rules file; the units read it in place
  std::unique_ptr<Store> store_;
  std::unique_ptr<RunFiles> files_;
  std::unique_ptr<Listing> listing_;
  RunCounts counts_;
  RunLabels labels_;
  RunEnvelopes envelopes_;
  std::optional<Units> stated_units_;
};

// The units a run's outputs name: those given on the command line, else
// those its rules file states, else none.
std::optional<Units> units_of(const std::optional<Units>& given, const LoadedRun& run);

}  // namespace toval::tools::cli
