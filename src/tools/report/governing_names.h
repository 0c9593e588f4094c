// The governing combinations' numbers as the page shows them: each carries
// its name as a tooltip for the screen, and those shown are listed with
// their sets and names in a legend, for the printed page and for screens
// without a pointer.
#pragma once

#include <string>
#include <vector>

#include "tools/cli/run_labels.h"
#include "tools/report/html_table.h"
#include "tools/report/page_text.h"

namespace toval::tools::report {

class GoverningNames {
 public:
  GoverningNames(const cli::RunLabels& labels, const PageText& t) : labels_(labels), t_(t) {}

  // Combination I in a governing column: its name as the cell's title.
  Cell cell(Whole I);
  // The combinations shown so far through cell(), in increasing order, with
  // their sets and names; nothing when none of them has a name.
  std::string legend() const;

 private:
  bool named(Whole I) const;

  const cli::RunLabels& labels_;
  const PageText& t_;
  std::vector<bool> shown_;  // combination I at I - 1
};

}  // namespace toval::tools::report
