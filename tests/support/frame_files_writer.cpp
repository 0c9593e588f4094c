// Writes a generated frame's two input files for the tests that run
// toval-tools from a script: `frame_files_writer DIR BAYS STOREYS
// COMBINATIONS` writes DIR/FRAME.CMB and DIR/FRAME.ESF, a multi-storey
// frame whose every bar is in bending, with the given number of
// combinations (at least 2).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tools/frame_files.h"

namespace {

// The two combinations of combination_lines, then more with other
// multipliers, so that each combination's values differ.
std::vector<std::string> combinations(const toval::testing::Frame& f, int count) {
  std::vector<std::string> lines = toval::testing::combination_lines(f);
  lines.pop_back();  // the closing FIME
  for (int I = 3; I <= count; ++I) {
    lines.push_back("COMBINACAO " + std::to_string(I));
    for (std::size_t c = 0; c < f.cases.size(); ++c) {
      char term[64];
      std::snprintf(term, sizeof term, "%7.2f       %s", 0.35 * I + 0.5 * static_cast<double>(c),
                    f.cases[c].c_str());
      lines.push_back(term);
    }
    lines.push_back("FIMC");
  }
  lines.push_back("FIME");
  return lines;
}

bool write(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary);
  out << toval::testing::joined(lines);
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s DIR BAYS STOREYS COMBINATIONS\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  const toval::testing::Frame f = toval::testing::multi_storey(std::atoi(argv[2]), std::atoi(argv[3]));
  const bool ok = write(dir + "/FRAME.ESF", toval::testing::forces_lines(f)) &&
                  write(dir + "/FRAME.CMB", combinations(f, std::max(2, std::atoi(argv[4]))));
  if (!ok) std::fprintf(stderr, "cannot write into %s\n", dir.c_str());
  return ok ? 0 : 1;
}
