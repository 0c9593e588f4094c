// What the check of inputs finds: findings with their kind, the place they
// stand and the phrases that say them, listed the way compilers list their
// diagnostics (so that editors can jump to them) or as a JSON document.
#pragma once

#include <string>
#include <vector>

#include "tools/check/finding_texts.h"
#include "tools/cli/input_warning.h"
#include "tools/cli/language.h"

namespace toval::tools::check {

// Which of the two input files a hazard stands in.
enum class Source { combination_file, forces_file };

enum class Severity { warning, error };

struct Hazard {
  Source source = Source::combination_file;
  long line = 1;    // from 1
  long column = 1;  // from 1
  Severity severity = Severity::warning;
  Kind kind = Kind::run_error;
  std::vector<Phrase> text;
};

class HazardList {
 public:
  HazardList(std::string combination_file, std::string forces_file)
      : combination_file_(std::move(combination_file)), forces_file_(std::move(forces_file)) {}

  // A hazard met again (a record read in several passes) is kept once.
  void warn(Source source, long line, long column, Kind kind, std::vector<Phrase> text);
  // A text formed by the family itself (the same in both languages).
  void warn(Source source, long line, long column, Kind kind, std::string text) {
    warn(source, line, column, kind, std::vector<Phrase>{{Text::as_written, {std::move(text)}}});
  }
  // The run-ending fault; at most one, listed after every warning.
  void fail(Source source, long line, long column, std::vector<Phrase> text);

  std::size_t warnings() const { return warnings_.size(); }
  bool failed() const { return !error_.empty(); }
  // Whether a warning of this kind stands at this line.
  bool has(Kind kind, Source source, long line) const;

  // "FILE:LINE:COLUMN: warning: TEXT" lines, the combination file's first
  // and each file's in line order, then the error, then the count.
  std::string listing(cli::Language language) const;
  // {"format": "toval-check", "version": 1, "findings": [...]}, in the
  // listing's order.
  std::string json(cli::Language language) const;
  // The warnings of the listing, in its order, as plain records.
  std::vector<cli::InputWarning> warning_records(cli::Language language) const;

 private:
  std::string place_of(const Hazard& h) const;
  const std::string& file_of(const Hazard& h) const;
  std::vector<const Hazard*> ordered() const;  // the warnings in order, then the error

  std::string combination_file_, forces_file_;
  std::vector<Hazard> warnings_;
  std::vector<Hazard> error_;  // empty, or the one error
};

// "0 warnings", "1 warning", "3 warnings, 1 error".
std::string hazard_count(std::size_t warnings, bool failed, cli::Language language);

}  // namespace toval::tools::check
