// Text as it goes into the markup that toval-tools writes: the report's
// HTML page and draw's SVG picture (also inside the page). Titles, names
// and file names can hold any byte, so text is made into valid, escaped
// character data that both HTML and XML read as the same characters.
#pragma once

#include <string>
#include <string_view>

namespace toval::tools::cli {

// The bytes as markup text: valid UTF-8 kept, any other byte taken as
// Latin-1, control characters and the two code points XML forbids dropped
// (line ends kept when asked: hover texts have lines), & < > " escaped. Fit
// for element text and for attribute values, which are always written in
// double quotes.
std::string markup_text(std::string_view bytes, bool keep_line_ends = false);

}  // namespace toval::tools::cli
