// What differs between two revisions of a frame: the structural changes,
// and the results that changed beyond the tolerance, in the order of their
// tables and keys.
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tools/diff/combination_match.h"
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

enum class ResultTable {
  envelope,
  reaction_envelope,
  displacement_envelope,
  node_displacement_envelope,
  combined_reactions,
  combined_displacements,
  bending
};

// One result beyond the tolerance. Which fields mean something depends on
// the table:
//   envelope                set, bar, quantity (0..4: N V1 V2 M1 M2), bound (0 max, 1 min),
//                           values, governing combinations (old and new numbers)
//   reaction_envelope       set, node, quantity (component 1..3), bound, values, governing
//                           combinations
//   displacement_envelope   set, place (0 left, 1 axis, 2 right), quantity (1..3), bound,
//                           values, governing combinations
//   node_displacement_envelope  set, node, quantity (1..3: dx dy rz), bound, values,
//                           governing combinations
//   combined_reactions      combination (new number), old_combination (its old number),
//                           node, quantity (component 1..3), values
//   combined_displacements  combination, old_combination, place (0 left, 1 axis, 2 right),
//                           quantity (1..3), values
//   bending                 combination, old_combination, bar, flags
// `set` is the set of the envelope or of the combination, empty for none;
// `scale` the largest magnitude of the quantity at its member over both
// revisions, which orders the listing.
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
  std::string set;
  double scale = 0;
  // In an envelope: whether the governing combination changed (another
  // number alone is no change when the combinations were renumbered).
  bool governing_changed = false;
};

struct Changes {
  std::vector<StructureChange> structure;
  std::vector<ResultChange> results;
  // What the listing names: the combinations of each revision by number,
  // and the mirror pairs that both revisions have.
  std::map<long long, std::string> old_names, new_names;
  std::vector<std::array<long long, 2>> pairs;
  bool empty() const { return structure.empty() && results.empty(); }
};

// Whether |new - old| > rel * max(|old|, |new|) and |new - old| > rel *
// scale, the scale being the largest magnitude of the same quantity at the
// same member over both revisions: a change of the value itself that is
// not noise beside what that member carries.
bool beyond_tolerance(double old_value, double new_value, double rel, double scale);

// Whether set a comes before set b in every listing: ultimate, then
// characteristic, frequent and quasi-permanent, then any other by its
// key, then the combinations in no set.
bool set_before(const std::string& a, const std::string& b);

std::vector<StructureChange> structure_changes(const ExportedRun& old_run, const ExportedRun& new_run,
                                               const CombinationMatch& match);

// Only what both revisions have is compared; what one side alone has is a
// structural change. Combined values are compared between matched
// combinations, envelopes set by set.
std::vector<ResultChange> result_changes(const ExportedRun& old_run, const ExportedRun& new_run,
                                         const CombinationMatch& match, double rel);

// The same, the combinations matched by match_combinations.
std::vector<ResultChange> result_changes(const ExportedRun& old_run, const ExportedRun& new_run, double rel);

}  // namespace toval::tools::diff
