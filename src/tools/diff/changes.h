// What differs between two revisions of a frame: the structural changes,
// and the results that changed beyond the tolerance, in the order of their
// tables and keys.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tools/diff/exported_run.h"

namespace toval::tools::diff {

// One structural change. `what` is "node", "bar", "case", "combination",
// "axis", "pairs" or "characteristic_nodes"; `key` the number or name
// (null for the last three); `old_value` or `new_value` null when the
// thing was added or removed.
struct StructureChange {
  std::string what;
  nlohmann::ordered_json key, old_value, new_value;
};

enum class ResultTable { envelope, combined_reactions, combined_displacements, bending };

// One result beyond the tolerance. Which fields mean something depends on
// the table:
//   envelope                bar, quantity (0..4: N V1 V2 M1 M2), bound (0 max, 1 min),
//                           values, combinations
//   combined_reactions      combination, node, quantity (component 1..3), values
//   combined_displacements  combination, place (0 left, 1 axis, 2 right), quantity (1..3), values
//   bending                 combination, bar, flags
// The envelope's quantities by their index in a change, as the export names them.
inline constexpr const char* ENVELOPE_QUANTITIES[] = {"N", "V1", "V2", "M1", "M2"};

struct ResultChange {
  ResultTable table = ResultTable::envelope;
  long long combination = 0;
  long long bar = 0, node = 0;
  int place = 0, quantity = 0, bound = 0;
  double old_value = 0, new_value = 0;
  long long old_combination = 0, new_combination = 0;
  bool old_flag = false, new_flag = false;
};

struct Changes {
  std::vector<StructureChange> structure;
  std::vector<ResultChange> results;
  bool empty() const { return structure.empty() && results.empty(); }
};

// Whether |new - old| > rel * max(|old|, |new|) and |new - old| > rel *
// largest_old, largest_old being the largest magnitude of that quantity in
// the old revision: a relative change that is not noise near zero.
bool beyond_tolerance(double old_value, double new_value, double rel, double largest_old);

std::vector<StructureChange> structure_changes(const ExportedRun& old_run, const ExportedRun& new_run);

// Only what both revisions have is compared; what one side alone has is a
// structural change.
std::vector<ResultChange> result_changes(const ExportedRun& old_run, const ExportedRun& new_run, double rel);

}  // namespace toval::tools::diff
