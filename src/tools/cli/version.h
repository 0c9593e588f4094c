// The version of toval-tools, shown by --version and on what it writes.
#pragma once

#include <string_view>

namespace toval::tools::cli {

constexpr std::string_view VERSION = "1.0.0";

}  // namespace toval::tools::cli
