// The text of an export document. The library lays out the document and
// writes its strings and whole numbers; reals are written here, since a
// general-purpose writer does not always find the shortest digits of a
// 32-bit value.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "store/types.h"

namespace toval::tools {

// The document indented by two blanks per level, ended by a line end; every
// real (a 32-bit value held as the double nearest its shortest text) in its
// shortest digits, with ".0" after a whole number.
std::string json_text(const nlohmann::ordered_json& document);

// A real as the document writes it: its shortest digits, with ".0" after a
// whole number ("6.0", "-2.5e-05").
std::string real_json_text(Real value);

}  // namespace toval::tools
