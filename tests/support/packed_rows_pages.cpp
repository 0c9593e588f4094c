// Writes pairs of pages, one with plain tables and one with the same tables
// packed, for the browser test that unfolds the packed ones and compares
// them cell by cell with the plain ones (tools/report/check_packed_rows.py):
//   edge[-packed].html     a table of reals chosen to try the script's texts:
//                          ties at the shown decimals, signed zeros, values
//                          that round to zero, the ends of the range, and
//                          random 32-bit patterns of every magnitude
//   example[-packed].html  the example frame's bars in bending
#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tools/cli/loaded_run.h"
#include "tools/report/html_table.h"
#include "tools/report/packed_rows.h"
#include "tools/report/page_sections.h"
#include "tools/report/page_text.h"

using namespace toval;
using namespace toval::tools::report;
namespace cli = toval::tools::cli;

namespace {

void write_page(const std::string& path, const std::string& body) {
  std::ofstream out(path, std::ios::binary);
  out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta "
         "charset=\"utf-8\">\n<title>rows</title>\n</head>\n"
         "<body>\n"
      << body << "</body>\n</html>\n";
}

std::vector<Real> edge_values() {
  std::vector<Real> v = {0.0f,           -0.0f,
                         1.0f,           -1.0f,
                         0.0625f,        -0.0625f,
                         0.1875f,        2.5625f,
                         -2.5625f,       1.0005f,
                         -0.0004f,       -0.0005f,
                         0.0005f,        0.00049999f,
                         1e-30f,         -1e-30f,
                         1e-7f,          123456789.0f,
                         16777215.0f,    16777217.0f,
                         2097152.25f,    1e15f,
                         1e16f,          3.4028235e38f,
                         -3.4028235e38f, std::numeric_limits<Real>::denorm_min(),
                         0.1f,           0.2f,
                         0.3f,           12.345f,
                         -19.18f,        5.0f};
  for (int e = -40; e <= 38; ++e) v.push_back(std::pow(10.0f, static_cast<Real>(e)));
  for (int e = -20; e <= 30; ++e) v.push_back(std::ldexp(1.0f, e));
  std::mt19937 random(20261209);
  while (v.size() < 6000) {
    const Real x = std::bit_cast<Real>(static_cast<std::uint32_t>(random()));
    if (std::isfinite(x)) v.push_back(x);
    // Forces of everyday size, where the shown decimals matter.
    v.push_back(static_cast<Real>(std::uniform_real_distribution<double>(-5000.0, 5000.0)(random)));
  }
  return v;
}

void write_edge(const std::string& dir) {
  const std::vector<Real> v = edge_values();
  HtmlTable table("edge", "edge values",
                  {{"row", "row"},
                   {"three", "three", Mark::magnitude},
                   {"none", "none"},
                   {"six", "six", Mark::largest},
                   {"again", "again"},
                   {"whole", "whole", Mark::smallest}});
  for (std::size_t r = 0; r < v.size(); ++r) {
    if (r % 7 == 0) table.start_group();
    const Real other = v[(r * 31 + 7) % v.size()];
    table.add_row({whole_cell(static_cast<long>(r) + 1), real_cell(v[r], 3), real_cell(other, 0),
                   real_cell(v[r], 6), r % 3 == 0 ? real_cell(v[r], 3) : real_cell(other, 3),
                   whole_cell(static_cast<long>(r % 5) * -123456789L)});
  }
  write_page(dir + "/edge.html", "<details open>\n" + table.html() + "</details>\n");
  write_page(dir + "/edge-packed.html", "<details open>\n" + table.packed_html().value() +
                                            "</details>\n<script>" + unfold_script() + "</script>\n");
}

void write_example(const std::string& dir, const std::string& examples) {
  const cli::LoadedRun run(examples + "/GALPAO.CMB", examples + "/GALPAO.ESF");
  const PageText t(Language::en);
  const auto section = [&](std::size_t packed_rows) {
    std::ostringstream out;
    bending_section(out, run.store(), run.counts(), t, packed_rows);
    return std::move(out).str();
  };
  write_page(dir + "/example.html", section(static_cast<std::size_t>(-1)));
  write_page(dir + "/example-packed.html", section(0));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: packed_rows_pages OUT_DIR EXAMPLES_DIR\n";
    return 2;
  }
  write_edge(argv[1]);
  write_example(argv[1], argv[2]);
  return 0;
}
