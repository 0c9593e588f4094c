// What the check of inputs finds: hazards with the place they stand, listed
// the way compilers list their diagnostics, so that editors can jump to them.
#pragma once

#include <string>
#include <vector>

#include "tools/cli/input_warning.h"

namespace toval::tools::check {

// Which of the two input files a hazard stands in.
enum class Source { combination_file, forces_file };

enum class Severity { warning, error };

struct Hazard {
  Source source = Source::combination_file;
  long line = 1;    // from 1
  long column = 1;  // from 1
  Severity severity = Severity::warning;
  std::string text;
};

class HazardList {
 public:
  HazardList(std::string combination_file, std::string forces_file)
      : combination_file_(std::move(combination_file)), forces_file_(std::move(forces_file)) {}

  // A hazard met again (a record read in several passes) is kept once.
  void warn(Source source, long line, long column, std::string text);
  // The run-ending fault; at most one, listed after every warning.
  void fail(Source source, long line, long column, std::string text);

  std::size_t warnings() const { return warnings_.size(); }
  bool failed() const { return !error_.empty(); }

  // "FILE:LINE:COLUMN: warning: TEXT" lines, the combination file's first
  // and each file's in line order, then the error, then the count.
  std::string listing() const;
  // The warnings of the listing, in its order, as plain records.
  std::vector<cli::InputWarning> warning_records() const;

 private:
  std::string line_of(const Hazard& h) const;
  const std::string& file_of(const Hazard& h) const;
  std::vector<const Hazard*> ordered_warnings() const;

  std::string combination_file_, forces_file_;
  std::vector<Hazard> warnings_;
  std::vector<Hazard> error_;  // empty, or the one error
};

// "0 warnings", "1 warning", "3 warnings, 1 error".
std::string hazard_count(std::size_t warnings, bool failed);

}  // namespace toval::tools::check
