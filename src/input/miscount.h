// What stands in a case block's counted record that could not be read: a
// heading, a title or a record of another layout tells that the block holds
// a record too few or too many above it; a mistyped number does not.
#pragma once

#include <string_view>

#include "records/run_error.h"

namespace toval {

Miscount::Holds holds_instead(std::string_view record, const ErrorFields& fault);

}  // namespace toval
