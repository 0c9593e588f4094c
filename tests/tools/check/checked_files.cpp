#include "tools/check/checked_files.h"

#include "tools/check/input_check.h"
#include "tools/frame_files.h"

namespace toval::testing {

CheckedFiles::CheckedFiles(const std::vector<std::string>& combination,
                           const std::vector<std::string>& forces) {
  dir_.write("F.CMB", joined(combination));
  dir_.write("F.ESF", joined(forces));
  const tools::check::CheckOutcome outcome =
      tools::check::check_inputs(dir_.file("F.CMB"), dir_.file("F.ESF"));
  listing = outcome.findings.listing(tools::cli::Language::en);
  status = outcome.status;
}

std::string CheckedFiles::combination_at(long line, long column, const std::string& what) const {
  return dir_.file("F.CMB") + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + what + "\n";
}

std::string CheckedFiles::forces_at(long line, long column, const std::string& what) const {
  return dir_.file("F.ESF") + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + what + "\n";
}

}  // namespace toval::testing
