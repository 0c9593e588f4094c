// Frames written straight into the store and hand-written case blocks of a
// forces file, read from memory by the steps of the combination engine.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "driver/toval_capacities.h"
#include "input/listing.h"
#include "records/run_files.h"
#include "store/store.h"

namespace toval::testing {

// The 32-bit tolerance and its neighbours, for tests at the tolerance's edge.
Real next_up(Real v);
Real next_down(Real v);

struct NodeEntry {
  Real x, y;
  Whole r1 = 0, r2 = 0, r3 = 0;
};
struct BarEntry {
  Whole ni, nf, prop;
  Real l, cd;
};

// Fills nodes 1.. and bars 1.. of the store in order.
void set_nodes(Store& s, const std::vector<NodeEntry>& nodes);
void set_bars(Store& s, const std::vector<BarEntry>& bars);

// A displacement or nodal resultant record: node number in I8, then three
// fields of 22, 25 and 25 columns holding the given text.
struct NodeLine {
  int number;
  std::string c1, c2, c3;
};
NodeLine node_line(int number, Real c1, Real c2, Real c3);
// A record whose three value fields cannot be read as numbers.
NodeLine unreadable_node_line(int number);

struct EndForces {
  Real normal, shear, moment;
};
struct BarGroup {
  EndForces end1, end2;
};

// One case block. Every record that no step examines holds text that cannot
// be read as a number, so a step that reads one fails.
struct CaseBlock {
  std::string name;  // written in columns 20 on of the heading
  std::vector<NodeLine> displacements{};
  std::vector<BarGroup> bars{};
  bool resultants_heading = true;
  std::vector<NodeLine> resultants{};
};

// A forces listing: some structure text, then the case blocks in order.
std::string forces_listing(const std::vector<CaseBlock>& blocks);

// A store with its forces file read from `listing` (kept alive here).
struct Frame {
  std::unique_ptr<Store> s = std::make_unique<Store>(TOVAL_CAPACITIES);
  std::unique_ptr<RunFiles> files = std::make_unique<RunFiles>();
  std::string listing;
  std::unique_ptr<Listing> forces;  // the listing model over unit 4, made by open_forces
  void open_forces(std::string text);
};

// The message of the error that `step` ends the run with; "" when it ends normally.
std::string error_of(const std::function<void()>& step);

}  // namespace toval::testing
