#include "tools/draw/bar_forces.h"

#include <algorithm>
#include <cmath>

namespace toval::tools::draw {

namespace {

// A tie in magnitude shows the largest (tension) value.
void show_governing(BarForce& f) {
  const bool max_governs = std::fabs(f.max) >= std::fabs(f.min);
  f.shown = max_governs ? f.max : f.min;
  f.combination = max_governs ? f.max_combination : f.min_combination;
}

}  // namespace

std::vector<BarForce> bar_forces(const Store& s, Whole NBAR, Whole combination) {
  const Whole NCOB = s.BL5.NCOB;
  std::vector<BarForce> forces(static_cast<std::size_t>(std::max<Whole>(NBAR, 0)));
  for (Whole K = 1; K <= NBAR; ++K) {
    BarForce& f = forces[static_cast<std::size_t>(K - 1)];
    f.max = s.BL10.R_NORMAL_MAX(K, 1);
    f.min = s.BL10.R_NORMAL_MAX(K, 2);
    f.max_combination = s.BL10.NCOBMAX(K, 1);
    f.min_combination = s.BL10.NCOBMAX(K, 2);
    if (combination == 0) {
      show_governing(f);
      for (Whole I = 1; I <= NCOB; ++I) f.bending = f.bending || s.BL9.BESF_VM(slot(I, NBAR, K)) == 1;
    } else {
      const long at = slot(combination, NBAR, K);
      f.shown = s.BL9.R_NORMAL(at);
      f.combination = combination;
      f.bending = s.BL9.BESF_VM(at) == 1;
    }
  }
  return forces;
}

std::vector<BarForce> set_bar_forces(const Store& s, Whole NBAR, const cli::SetEnvelope& set) {
  std::vector<BarForce> forces(static_cast<std::size_t>(std::max<Whole>(NBAR, 0)));
  for (Whole K = 1; K <= NBAR && static_cast<std::size_t>(K) <= set.bars.size(); ++K) {
    BarForce& f = forces[static_cast<std::size_t>(K - 1)];
    const Extremes& N = set.bars[static_cast<std::size_t>(K - 1)].N;
    f.max = N.max;
    f.min = N.min;
    f.max_combination = N.max_combination;
    f.min_combination = N.min_combination;
    show_governing(f);
    for (Whole I : set.combinations) f.bending = f.bending || s.BL9.BESF_VM(slot(I, NBAR, K)) == 1;
  }
  return forces;
}

double largest_magnitude(const std::vector<BarForce>& forces) {
  double largest = 0.0;
  for (const BarForce& f : forces) largest = std::max(largest, std::fabs(double{f.shown}));
  return largest;
}

double force_width(Real force, double largest, double thinnest, double widest) {
  if (!(largest > 0.0)) return thinnest;
  return thinnest + (widest - thinnest) * std::fabs(double{force}) / largest;
}

std::string_view force_colour(Real force) {
  return force > 0.0f ? TENSION_COLOUR : force < 0.0f ? COMPRESSION_COLOUR : NO_FORCE_COLOUR;
}

}  // namespace toval::tools::draw
