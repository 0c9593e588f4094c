// What the generated file says in words: its first record, each case's
// kind, and each combination's header record. Portuguese as the report is,
// or English.
#pragma once

#include <string>

#include "tools/cli/language.h"
#include "tools/combinations/enumeration.h"
#include "tools/combinations/rules.h"

namespace toval::tools::combinations {

using cli::Language;

// Record 1, which the reader passes over.
std::string first_record_text(const std::string& rules_file, Language language);

// The rest of a case's name record after its four columns: "PERMANENTE - ORIGEM peso".
std::string case_description(const Action& action, Language language);

// "ELU 3 - PRINCIPAL: Q - ACOMPANHANTES: W1 - DESFAVORAVEIS: G1 - FAVORAVEIS: G2".
// Its first four columns name the set, so it is never a marker.
std::string header_text(const Rules& rules, const Combination& c, Language language);

}  // namespace toval::tools::combinations
