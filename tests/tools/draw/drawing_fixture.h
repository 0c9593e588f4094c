// Small frames written straight into the store, with the results of the
// steps set by hand, so that what the picture shows can be checked against
// numbers worked out on paper; and a real XML parser to read the picture.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "driver/analysis.h"
#include "store/store.h"
#include "tools/cli/tools_capacities.h"

namespace toval::testing {

struct DrawnNode {
  Real x, y;
  Whole r1 = 0, r2 = 0, r3 = 0;
};
struct DrawnBar {
  Whole ni, nf;
  Real l = 1.0f;
  Whole mirror = 0;  // BAR_SIM
  Real n_max = 0.0f, n_min = 0.0f;
  Whole c_max = 1, c_min = 1;
};

struct DrawnFrame {
  std::unique_ptr<Store> s = std::make_unique<Store>(tools::cli::TOOLS_CAPACITIES);
  RunCounts counts;

  // Fills the node and bar tables, BAR_SIM and the envelope; one
  // combination unless NCOB is set afterwards; XS the mean abscissa.
  DrawnFrame(const std::vector<DrawnNode>& nodes, const std::vector<DrawnBar>& bars);
};

// True when xmllint parses the file as well-formed XML; the parser's
// complaint goes to the test log otherwise.
bool parses_as_xml(const std::string& path);

// The string value of an XPath expression over the file, by xmllint.
std::string xpath(const std::string& path, const std::string& expression);

}  // namespace toval::testing
