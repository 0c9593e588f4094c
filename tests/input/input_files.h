// Hand-written forces and combination files, read by LTRCG from memory.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "driver/toval_capacities.h"
#include "records/run_files.h"
#include "store/store.h"

namespace toval::testing {

// The lines joined, each ended by a line feed.
std::string lines(const std::vector<std::string>& records);

// Node record I8,F15.0,F15.0,I13,I13,I13 and bar record
// I10,I9,I7,I9,I7,I8,F16.3,F14.4 in fixed columns.
std::string node_record(int n, double x, double y, int r1 = 0, int r2 = 0, int r3 = 0);
std::string bar_record(int b, int ni, int nf, int prop = 1, double l = 1.0, double cd = 1.0);

// A forces file with the given node and bar records, each list followed by a
// blank end record, with column titles and text around the sections.
std::string forces_file(const std::vector<std::string>& node_records,
                        const std::vector<std::string>& bar_records);
// n nodes on a line and n - 1 bars joining them (at least one bar).
std::string chain_forces_file(int nodes, int bars);

// A combination file: header, three titles, "FIMG", cases, "FIME", then the
// given records (the combination section, "FIME" alone for none).
std::string combination_file(const std::vector<std::string>& cases, const std::vector<std::string>& tail);

struct Loaded {
  explicit Loaded(const Capacities& c = TOVAL_CAPACITIES) : s(std::make_unique<Store>(c)) {}
  std::string forces, combination;  // the units read these
  std::unique_ptr<Store> s;
  std::unique_ptr<RunFiles> files = std::make_unique<RunFiles>();
  Whole NNOS = -1, NBAR = -1, NCCAR = -1;
};

// Runs LTRCG over the two files; throws what LTRCG throws.
void load(Loaded& into, std::string forces, std::string combination);
// The message of the error that LTRCG ends with; a failure when it ends normally.
std::string error_of(std::string forces, std::string combination, const Capacities& c = TOVAL_CAPACITIES);

inline const std::string ONE_NODE_FORCES = forces_file({node_record(1, 0, 0)}, {});
inline const std::string ONE_CASE_COMBINATION = combination_file({"G1"}, {"FIME"});

}  // namespace toval::testing
