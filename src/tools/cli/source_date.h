// The time that a made file states as its own (the report page's date, the
// workbook's creation time).
#pragma once

#include <cstdint>
#include <optional>

namespace toval::tools::cli {

// SOURCE_DATE_EPOCH's value (`value`, null when unset) when it is a number
// of seconds since 1970, so that a file can be made again byte for byte;
// none (the file states the time it was made) otherwise.
std::optional<std::int64_t> source_date_epoch(const char* value);

}  // namespace toval::tools::cli
