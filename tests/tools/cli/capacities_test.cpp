// toval-tools takes frames far beyond toval's capacities, up to its own,
// and an input one beyond those ends with the same capacity message.
#include <gtest/gtest.h>

#include "tools/frame_files.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

Frame beam_of(int nodes) {
  Frame f;
  for (int k = 0; k < nodes; ++k) f.nodes.push_back({1.0 * k, 0.0, k == 0 ? 1 : 0, 1, 0});
  f.bars.push_back({1, 2, 1});
  f.cases = {"G"};
  return f;
}

TEST(ToolsCapacities, OneBeyondTheCapacityEndsWithTheCapacityMessage) {
  TempDir dir;
  // 32 767 nodes: the last one does not fit; only the node section is read.
  std::vector<std::string> forces = forces_lines(beam_of(32767));
  dir.write("BEAM.LIS", joined(forces));
  dir.write("BEAM.CMB", joined(combination_lines(beam_of(2))));
  RunResult r = run_tools(dir.path(), {"export", "BEAM.CMB", "BEAM.LIS"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  const std::size_t last = line_index(forces, "   32767") + 1;
  EXPECT_NE(
      r.err.find("run-time error F6510: READ(BEAM.LIS)\n- capacity exceeded at line " + std::to_string(last) +
                 ": more than 32766 node records in the node section (the program holds at most 32766)"),
      std::string::npos)
      << r.err;

  // 32 767 case entries of two lines each after the six of the head; the
  // node and bar sections are read first, so they must fit.
  dir.write("SMALL.LIS", joined(forces_lines(beam_of(2))));
  std::vector<std::string> cases = {"C", "P", "C", "F", "ULS", "FIMG"};
  for (int k = 1; k <= 32767; ++k) cases.insert(cases.end(), {"G", "FIMC"});
  cases.push_back("FIME");
  dir.write("MANY.CMB", joined(cases));
  r = run_tools(dir.path(), {"export", "MANY.CMB", "SMALL.LIS"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("READ(MANY.CMB)\n- capacity exceeded at line " + std::to_string(6 + 2 * 32767 - 1) +
                       ": more than 32766 load cases in the case list"),
            std::string::npos)
      << r.err;
}

}  // namespace
}  // namespace toval::testing
