#include "input_files.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "input/listing.h"
#include "input/ltrcg.h"
#include "records/run_error.h"

namespace toval::testing {

std::string lines(const std::vector<std::string>& records) {
  std::string text;
  for (const auto& r : records) text += r + "\n";
  return text;
}

std::string node_record(int n, double x, double y, int r1, int r2, int r3) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "%8d%15.3f%15.3f%13d%13d%13d", n, x, y, r1, r2, r3);
  return buf;
}

std::string bar_record(int b, int ni, int nf, int prop, double l, double cd) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "%10d%9d%7d%9d%7d%8d%16.3f%14.4f", b, ni, 0, nf, 0, prop, l, cd);
  return buf;
}

std::string forces_file(const std::vector<std::string>& node_records,
                        const std::vector<std::string>& bar_records) {
  std::string text =
      lines({"  LISTING OF A PLANE FRAME", "", "     COORDENADAS DOS NOS", "", "  NO   X   Y", "  ---", ""});
  text += lines(node_records);
  text += lines({"", "  text between the sections", "     CARACTERISTICAS DAS BARRAS E NOS", "", "  BARRA",
                 "  ---", "", ""});
  text += lines(bar_records);
  text += lines({"", "     CARREGAMENTO: G1  "});
  return text;
}

std::string chain_forces_file(int nodes, int bars) {
  std::vector<std::string> n, b;
  for (int k = 1; k <= nodes; ++k) n.push_back(node_record(k, k, 0));
  for (int k = 1; k <= bars; ++k) b.push_back(bar_record(k, 1, 2));
  return forces_file(n, b);
}

std::string combination_file(const std::vector<std::string>& cases, const std::vector<std::string>& tail) {
  std::vector<std::string> r = {"COMBINACOES", "PROJECT", "CLIENT", "FRAME", "FIMG"};
  for (const auto& c : cases) {
    r.push_back(c);
    r.push_back("FIMC");
  }
  r.push_back("FIME");
  r.insert(r.end(), tail.begin(), tail.end());
  return lines(r);
}

void load(Loaded& into, std::string forces, std::string combination) {
  into.forces = std::move(forces);
  into.combination = std::move(combination);
  into.files->unit4.open_memory("FORCES.DAT", into.forces);
  into.files->unit3.open_memory("COMB.DAT", into.combination);
  Listing listing(into.files->unit4);
  LTRCG(*into.s, into.files->unit3, listing, into.NNOS, into.NBAR, into.NCCAR);
}

std::string error_of(std::string forces, std::string combination, const Capacities& c) {
  Loaded l(c);
  try {
    load(l, std::move(forces), std::move(combination));
  } catch (const RunError& e) {
    return e.what();
  }
  ADD_FAILURE() << "the files were read without an error";
  return {};
}

}  // namespace toval::testing
