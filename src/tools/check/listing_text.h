// The forces file's lines as they stand, for the families that look at
// records the run counts past without reading them: a line too many or too
// few shows in what stands at the counted places, read or not.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/input_unit.h"
#include "records/layout.h"

namespace toval::tools::check {

class ListingText {
 public:
  // The file's lines as the unit the run read it through gives them again
  // from the top (a line feed ends one, a carriage return ends its data, at
  // most Record::CAPTURE columns), unwatched: the file is not opened again.
  static ListingText read(InputUnit& unit);
  explicit ListingText(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  long size() const { return static_cast<long>(lines_.size()); }
  // Line `line` (from 1); empty beyond the file.
  std::string_view at(long line) const;
  // The first line from `from` on whose first columns are `prefix`; 0 for none.
  long find(std::string_view prefix, long from) const;

 private:
  std::vector<std::string> lines_;
};

bool blank_line(std::string_view line);

// The values of a line read with a numeric layout, as the field rules read
// them (blanks ignored, a comma ending a field); none when a field holds
// what no number can, or when the line is blank.
std::optional<std::vector<double>> numeric_record(std::string_view line, Layout layout);

}  // namespace toval::tools::check
