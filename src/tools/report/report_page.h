// The report page: one self-contained HTML5 document of a run's results,
// in the order a reviewer reads them, that prints on A4.
#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tools/cli/input_warning.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/node_displacements.h"
#include "tools/cli/units.h"
#include "tools/report/input_file_facts.h"
#include "tools/report/page_text.h"

namespace toval::tools::report {

struct PageRequest {
  Language language = Language::pt;
  std::string office;                              // the office line; none when empty
  std::string issued;                              // the date as shown
  std::string version;                             // the program's
  std::array<InputFileFacts, 2> files;             // combination file, forces file
  std::vector<cli::InputWarning> warnings;         // the check's, in its order
  std::string picture;                             // the <svg> element as draw makes it for a page
  std::optional<cli::Units> units;                 // named in the tables' headings
  const cli::NodeDisplacements* nodes = nullptr;   // every node's, when read
  std::optional<cli::CombinationSet> picture_set;  // the set whose envelope it draws; none: every combination
};

// Writes the page into `out` as it is formed, section by section.
void write_report_page(std::ostream& out, const cli::LoadedRun& run, const PageRequest& request);

}  // namespace toval::tools::report
