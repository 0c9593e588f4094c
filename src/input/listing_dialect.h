// The forces file's dialect: its headings, its record layouts and the record
// counts between them. Only the listing reads this.
#pragma once

#include <string_view>

#include "records/layout.h"

namespace toval::dialect {

// Structure sections.
constexpr std::string_view NODE_HEADING = "     COORDENADAS";
constexpr std::string_view BAR_HEADING = "     CARACTERISTICAS DAS BARRAS";
constexpr int NODE_TITLE_RECORDS = 4;  // column titles after the node heading
constexpr int BAR_TITLE_RECORDS = 5;   // and after the bar heading
// Node number, X, Y, three restraint codes.
constexpr Item NODE_RECORD[] = {I(8), F(15, 0), F(15, 0), I(13), I(13), I(13)};
// Bar number, initial node, extra code, final node, extra code, property,
// length, direction cosine.
constexpr Item BAR_RECORD[] = {I(10), I(9), I(7), I(9), I(7), I(8), F(16, 3), F(14, 4)};
constexpr std::size_t BAR_INITIAL_NODE = 1;  // value positions in BAR_RECORD
constexpr std::size_t BAR_FINAL_NODE = 3;
constexpr std::size_t BAR_LENGTH = 6;

// Case blocks: the heading holds the case name in columns 20-23.
constexpr std::string_view CASE_HEADING = "     CARREGAMENTO: ";
constexpr std::size_t CASE_NAME_COLUMN = CASE_HEADING.size();  // from 0
// The heading without its last blank: a record that ends right after the
// colon still reads as the heading of a blank name.
constexpr std::string_view CASE_HEADING_START = CASE_HEADING.substr(0, CASE_HEADING.size() - 1);
constexpr std::string_view RESULTANTS_HEADING = "     RESULTANTES NODAIS";

// Records counted from a case heading: ten not examined, the displacement
// records (one per node), nine not examined, then a group of three records
// per bar; after the resultants heading, four not examined, then one
// resultant record per node.
constexpr long RECORDS_BEFORE_DISPLACEMENTS = 10;
constexpr long RECORDS_BEFORE_BAR_GROUPS = 9;
constexpr long RECORDS_PER_BAR_GROUP = 3;
constexpr long RECORDS_BEFORE_RESULTANTS = 4;

// Displacement and nodal resultant record; its node number alone.
constexpr Item NODE_VALUES_RECORD[] = {I(8), F(22, 0), F(25, 0), F(25, 0)};
constexpr Item NODE_NUMBER[] = {I(8)};
// End-force record of a bar group.
constexpr Item END_FORCE_RECORD[] = {I(9), I(13), F(18, 0), F(21, 0), F(19, 0)};

}  // namespace toval::dialect
