// Numbers written for people in the same bytes on every system, whatever
// the locale.
#pragma once

#include <string>

namespace toval::tools::cli {

// The value rounded to at most `decimals` decimals, trailing zeros (and a
// trailing point) dropped and no "-0": "530", "4.25", "-12.35". Infinities
// and NaN as the C library writes them ("inf", "-nan").
std::string trimmed_decimal(double value, int decimals);

}  // namespace toval::tools::cli
