// Writes onto standard output the forces file of the test portal with the
// cases that examples/portal-rules.toml names, for the browser test of a
// report page with sets (tools/report/check_report_page.py).
#include <iostream>

#include "tools/frame_files.h"

int main() {
  toval::testing::Frame f = toval::testing::portal();
  f.cases = {"G1", "G2", "Q", "W1", "W2"};
  std::cout << toval::testing::joined(toval::testing::forces_lines(f));
  return std::cout ? 0 : 1;
}
