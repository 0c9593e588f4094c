// Text and numbers as they go into an SVG document. Titles and file names
// can hold any byte, so text is made into valid, escaped XML character data.
#pragma once

#include <string>
#include <string_view>

namespace toval::tools::draw {

// The bytes as XML text: valid UTF-8 kept, any other byte taken as Latin-1,
// control characters dropped (line ends kept when asked: hover texts have
// lines), & < > " ' escaped (fit for attributes too).
std::string xml_text(std::string_view bytes, bool keep_line_ends = false);

// A number with at most `decimals` decimals, trailing zeros dropped and no
// "-0": the same bytes on every system, whatever the locale.
std::string svg_number(double value, int decimals = 2);

// A number with exactly `decimals` decimals, for values shown to the reader.
std::string fixed_number(double value, int decimals);

}  // namespace toval::tools::draw
