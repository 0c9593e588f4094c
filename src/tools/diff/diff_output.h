// The two forms of a diff: a document for scripts, a listing for people.
#pragma once

#include <string>

#include "tools/cli/language.h"
#include "tools/diff/changes.h"

namespace toval::tools::diff {

using cli::Language;

// The tolerance as given, in the shortest text that reads back as it.
std::string tolerance_text(double rel);

// {"format": "toval-diff", "version": 1, "tolerance", "structure", "changes"},
// the values written as the export writes them.
std::string diff_json(const Changes& changes, double rel);

// The structural changes, then each table's changes largest relative change
// first, then a count by table.
std::string diff_text(const Changes& changes, double rel, Language language);

}  // namespace toval::tools::diff
