// `toval-tools export`: every result of a run as JSON, CSV or a workbook.
#pragma once

#include "tools/cli/command.h"

namespace toval::tools::export_ {

cli::Command export_command();

}  // namespace toval::tools::export_
