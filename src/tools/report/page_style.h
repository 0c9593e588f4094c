// The page's style sheet: screen (a laptop or a phone) and A4 print.
#pragma once

#include <string_view>

namespace toval::tools::report {

std::string_view page_style();

// The box the page prints its picture in, in millimetres: the width of an
// A4 landscape page less the side margins of page_style(), and its height
// less the top and bottom margins, the picture's heading and its caption.
inline constexpr double PICTURE_PRINT_WIDTH_MM = 277.0, PICTURE_PRINT_HEIGHT_MM = 150.0;

}  // namespace toval::tools::report
