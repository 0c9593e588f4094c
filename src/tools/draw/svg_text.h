// Numbers as they go into an SVG document (its text goes through
// cli::markup_text).
#pragma once

#include <string>

namespace toval::tools::draw {

// A number with at most `decimals` decimals, trailing zeros dropped and no
// "-0": the same bytes on every system, whatever the locale.
std::string svg_number(double value, int decimals = 2);

// A number with exactly `decimals` decimals, for values shown to the reader.
std::string fixed_number(double value, int decimals);

}  // namespace toval::tools::draw
