// The page's style sheet: screen (a laptop or a phone) and A4 print.
#pragma once

#include <string_view>

namespace toval::tools::report {

std::string_view page_style();

}  // namespace toval::tools::report
