// The language of what toval-tools writes for people: Portuguese, as the
// fixed report is, or English.
#pragma once

namespace toval::tools::cli {

enum class Language { pt, en };

}  // namespace toval::tools::cli
