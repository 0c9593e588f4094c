// The names in the export document: its format, its lists (which are also
// the names of the CSV tables), and the members of their entries. The
// export writes them and diff reads them back; both spell them only here.
#pragma once

#include <array>

namespace toval::tools::cli::keys {

inline constexpr const char* EXPORT_FORMAT = "toval-results";
inline constexpr long long EXPORT_VERSION = 2;

// The document's members and lists, in its order.
inline constexpr const char* FORMAT = "format";
inline constexpr const char* VERSION = "version";
inline constexpr const char* TITLES = "titles";
inline constexpr const char* AXIS = "axis";
inline constexpr const char* NODES = "nodes";
inline constexpr const char* BARS = "bars";
inline constexpr const char* CASES = "cases";
inline constexpr const char* COMBINATIONS = "combinations";
inline constexpr const char* CHARACTERISTIC_NODES = "characteristic_nodes";
inline constexpr const char* DISPLACEMENTS = "displacements";
inline constexpr const char* COMBINED_DISPLACEMENTS = "combined_displacements";
inline constexpr const char* REACTIONS = "reactions";
inline constexpr const char* COMBINED_REACTIONS = "combined_reactions";
inline constexpr const char* BAR_FORCES = "bar_forces";
inline constexpr const char* ENVELOPE = "envelope";
inline constexpr const char* PAIRS = "pairs";
inline constexpr const char* CASE_DESCRIPTIONS = "case_descriptions";
inline constexpr const char* SETS = "sets";
inline constexpr const char* REACTION_ENVELOPE = "reaction_envelope";
inline constexpr const char* SET_ENVELOPES = "set_envelopes";
inline constexpr const char* DISPLACEMENT_ENVELOPE = "displacement_envelope";
inline constexpr const char* NODE_DISPLACEMENTS = "node_displacements";
inline constexpr const char* COMBINED_NODE_DISPLACEMENTS = "combined_node_displacements";
inline constexpr const char* NODE_DISPLACEMENT_ENVELOPE = "node_displacement_envelope";
inline constexpr const char* SET_NODE_ENVELOPES = "set_node_envelopes";
inline constexpr const char* CASE_BAR_FORCES = "case_bar_forces";
inline constexpr const char* UNITS = "units";

// The titles.
inline constexpr const char* PROJECT = "project";
inline constexpr const char* CLIENT = "client";
inline constexpr const char* FRAME = "frame";

// The characteristic nodes (and, the first three, the places of the
// displacements in the order of the document).
inline constexpr const char* LEFT = "left";
inline constexpr const char* AXIS_LEFT = "axis_left";
inline constexpr const char* AXIS_RIGHT = "axis_right";
inline constexpr const char* RIGHT = "right";
inline constexpr std::array<const char*, 3> PLACES = {LEFT, AXIS, RIGHT};

// Members of the entries.
inline constexpr const char* NODE = "node";
inline constexpr const char* X = "x";
inline constexpr const char* Y = "y";
inline constexpr const char* RESTRAINTS = "restraints";
inline constexpr const char* BAR = "bar";
inline constexpr const char* START = "start";
inline constexpr const char* END = "end";
inline constexpr const char* PROPERTY = "property";
inline constexpr const char* LENGTH = "length";
inline constexpr const char* COS = "cos";
inline constexpr const char* MIRROR = "mirror";
inline constexpr const char* COMBINATION = "combination";
inline constexpr const char* TERMS = "terms";
inline constexpr const char* MULTIPLIER = "multiplier";
inline constexpr const char* CASE = "case";
inline constexpr const char* MISSING_CASES = "missing_cases";
inline constexpr const char* SUPPORTS = "supports";
inline constexpr const char* NORMAL = "N";
inline constexpr const char* SHEAR = "V";
inline constexpr const char* MOMENT = "M";
inline constexpr const char* BENDING = "bending";
inline constexpr const char* MAX = "max";
inline constexpr const char* MAX_COMBINATION = "max_combination";
inline constexpr const char* MAX_BAR = "max_bar";
inline constexpr const char* MIN = "min";
inline constexpr const char* MIN_COMBINATION = "min_combination";
inline constexpr const char* MIN_BAR = "min_bar";
inline constexpr const char* NAME = "name";
inline constexpr const char* SET = "set";
inline constexpr const char* DESCRIPTION = "description";
inline constexpr const char* PLACE = "place";
inline constexpr const char* D = "d";  // a node's dx, dy, rz
inline constexpr std::array<const char*, 3> NODE_COMPONENTS = {"dx", "dy", "rz"};
inline constexpr const char* FORCE = "force";  // of the units, beside LENGTH

}  // namespace toval::tools::cli::keys
