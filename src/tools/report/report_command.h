// `toval-tools report`: the results of a run as one web page that prints.
#pragma once

#include <string>

#include "tools/cli/command.h"

namespace toval::tools::report {

cli::Command report_command();

// The date shown on the page: from SOURCE_DATE_EPOCH (seconds since
// 1970, for pages made again byte for byte) when it holds a number, else
// now; "YYYY-MM-DD HH:MM UTC".
std::string issue_date(const char* source_date_epoch);

}  // namespace toval::tools::report
