// Runs the check of inputs in-process over two files written from lines.
#pragma once

#include <string>
#include <vector>

#include "support/test_support.h"

namespace toval::testing {

class CheckedFiles {
 public:
  CheckedFiles(const std::vector<std::string>& combination, const std::vector<std::string>& forces);

  // One line of the listing: "DIR/F.CMB:LINE:COLUMN: warning: TEXT".
  std::string combination_at(long line, long column, const std::string& what) const;
  std::string forces_at(long line, long column, const std::string& what) const;

  std::string listing;
  int status = -1;

 private:
  TempDir dir_;
};

}  // namespace toval::testing
