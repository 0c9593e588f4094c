// An export document read back for comparison: every part that diff
// compares, checked as it is read, keyed by the identity that matches it
// with the other revision (nodes, bars and combinations by number, cases by
// name, supports by node).
#pragma once

#include <array>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/cli/loaded_run.h"

namespace toval::tools::diff {

using ValueTriple = std::array<double, 3>;

struct ExportedNode {
  double x = 0, y = 0;
  std::array<long long, 3> restraints{};
  nlohmann::ordered_json entry;  // as the export wrote it
};

struct ExportedBar {
  long long start = 0, end = 0, property = 0;
  double length = 0;
  nlohmann::ordered_json entry;
};

struct ExportedTerm {
  double multiplier = 0;
  std::string case_name;
  bool operator==(const ExportedTerm&) const = default;
};

struct ExportedCombination {
  std::vector<ExportedTerm> terms;
  nlohmann::ordered_json entry;
  // The limit state's key ("uls", ...), empty for a combination in no set
  // (every combination of a version-1 export), and the combination's name
  // (empty in a version-1 export).
  std::string set, name;
};

struct Extreme {
  double max = 0, min = 0;
  long long max_combination = 0, min_combination = 0;
};

// N, V at start and end, M at start and end: the envelope quantities in
// the order diff names them (N, V1, V2, M1, M2).
using BarEnvelope = std::array<Extreme, 5>;

// A support's three combined reactions, or a node's three displacements,
// largest and smallest; a component absent when no combination gives it
// (each lacks a case: null in the export).
using SupportEnvelope = std::array<std::optional<Extreme>, 3>;
using NodeEnvelope = SupportEnvelope;

// Per combination, a value triple by node; none when the combination has
// missing cases.
using CombinedByNode = std::map<long long, std::optional<std::map<long long, ValueTriple>>>;

// Every node's values in one combination, in the order of the node numbers,
// each number once: flat, for a frame of thousands of nodes holds them for
// every combination.
using NodeValues = std::vector<std::pair<long long, ValueTriple>>;
using CombinedNodeValues = std::map<long long, std::optional<NodeValues>>;

// Node `node`'s values in `values`, null when it has none.
const ValueTriple* find_node(const NodeValues& values, long long node);

// The envelopes of one set of combinations.
struct SetEnvelopes {
  std::string set;  // empty: every combination, when the export has no sets
  std::map<long long, BarEnvelope> envelope;
  std::map<long long, SupportEnvelope> reaction_envelope;  // by support node
  // The characteristic nodes' displacements: left, axis, right; absent
  // where the export has none.
  std::array<NodeEnvelope, 3> displacement_envelope{};
  std::map<long long, NodeEnvelope> node_displacement_envelope;  // every node's
};

struct ExportedRun {
  double axis = 0;
  std::map<long long, ExportedNode> nodes;
  std::map<long long, ExportedBar> bars;
  std::vector<std::string> cases;  // in the order of the case list, each name once
  std::map<long long, ExportedCombination> combinations;
  nlohmann::ordered_json characteristic_nodes;
  std::vector<std::array<long long, 2>> pairs;  // [lower, higher]
  // Per combination: the reactions by support node, none when the
  // combination has missing cases.
  CombinedByNode combined_reactions;
  // Per combination: left, axis, right, each none when cases are missing.
  std::map<long long, std::array<std::optional<ValueTriple>, 3>> combined_displacements;
  std::map<std::pair<long long, long long>, bool> bending;  // (combination, bar)
  std::map<long long, BarEnvelope> envelope;
  // Each combination's N, V1, V2, M1, M2 of each bar (combination, bar).
  std::map<std::pair<long long, long long>, std::array<double, 5>> bar_values;
  // The reactions' envelope over every combination, by support node; empty
  // when the export has none (version 1).
  std::map<long long, SupportEnvelope> reaction_envelope;
  // Every node's displacements per combination and their envelope over
  // every combination; empty when the export has none (before they were
  // exported).
  CombinedNodeValues combined_node_displacements;
  std::map<long long, NodeEnvelope> node_displacement_envelope;
  // One entry per set as the export lists them; empty when it has none.
  std::vector<SetEnvelopes> set_envelopes;
};

// The export document (version 1, or 2 with sets and names), or a RunError
// naming `source` (a file name) and what is wrong: not JSON, another format
// or version, a part missing or of the wrong kind, a number given twice.
ExportedRun read_exported_run(std::string_view text, const std::string& source);

// The same parts of a run, read from the run itself: what reading back the
// run's export gives, value for value (run_results.cpp).
// The listing is read for every node's displacements.
ExportedRun run_results(cli::LoadedRun& run);

}  // namespace toval::tools::diff
