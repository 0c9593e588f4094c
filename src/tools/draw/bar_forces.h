// The normal force drawn on each bar: the governing extreme of its envelope
// (the one of larger magnitude) or, for one chosen combination, that
// combination's force; and whether the bar is in bending there.
#pragma once

#include <string_view>
#include <vector>

#include "store/store.h"
#include "tools/cli/run_envelopes.h"

namespace toval::tools::draw {

struct BarForce {
  Real shown = 0.0f;      // the normal force the picture draws
  Whole combination = 0;  // the combination that gives it
  Real max = 0.0f, min = 0.0f;
  Whole max_combination = 0, min_combination = 0;
  bool bending = false;  // in the chosen combination, or in any of them
};

// Bars 1..NBAR after the analysis; `combination` 0 draws the envelope, any
// other value 1..NCOB that combination.
std::vector<BarForce> bar_forces(const Store& s, Whole NBAR, Whole combination);

// The same over one set's envelope: its extremes, the governing one shown,
// and a bar in bending when it bends in some combination of the set.
std::vector<BarForce> set_bar_forces(const Store& s, Whole NBAR, const cli::SetEnvelope& set);

// The largest magnitude of a shown force (0 for no bars).
double largest_magnitude(const std::vector<BarForce>& forces);

// Page stroke width of a bar: thin for no force, growing linearly with the
// magnitude up to `widest` for the largest one.
double force_width(Real force, double largest, double thinnest, double widest);

// Colour by sign: tension positive in the forces file's convention.
std::string_view force_colour(Real force);
constexpr std::string_view TENSION_COLOUR = "#1f5fbf";
constexpr std::string_view COMPRESSION_COLOUR = "#c62828";
constexpr std::string_view NO_FORCE_COLOUR = "#777777";

}  // namespace toval::tools::draw
