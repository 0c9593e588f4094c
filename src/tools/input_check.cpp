#include "tools/input_check.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "driver/analysis.h"
#include "store/run_error.h"
#include "tools/case_entry_hazards.h"
#include "tools/combination_hazards.h"
#include "tools/geometry_hazards.h"
#include "tools/hazard_list.h"
#include "tools/listing_hazards.h"
#include "tools/run_error_place.h"
#include "tools/run_watch.h"

namespace toval::tools {

namespace {

void open_input(InputUnit& unit, const std::string& path, const char* role) {
  if (!unit.open(path))
    throw file_error(ReadFault::open, "OPEN", path, std::string("the ") + role + " cannot be opened for reading");
}

}  // namespace

CheckOutcome check_inputs(const std::string& combination_file, const std::string& forces_file) {
  HazardList hazards(combination_file, forces_file);
  auto store = std::make_unique<Store>();
  Store& s = *store;
  RunCounts counts;
  std::optional<std::string> fault;
  try {
    open_input(s.unit3, combination_file, "combination file");
    open_input(s.unit4, forces_file, "forces file");
  } catch (const RunError& e) {
    fault = e.what();
  }
  if (!fault) {
    RunWatch watch(s, hazards);
    s.console.attach(stdin, nullptr);
    try {
      analyse(s, counts);
    } catch (const RunError& e) {
      fault = e.what();
    }
    const ListedBlocks blocks;
    find_combination_hazards(s, watch, hazards);
    find_case_entry_hazards(s, watch, blocks, hazards);
    find_listing_hazards(blocks, hazards);
    find_near_mirror_bars(s, counts, watch, hazards);
    find_support_nodes(s, counts, watch, hazards);
  }
  if (fault) {
    const ErrorPlace place = error_place(*fault, combination_file, forces_file);
    hazards.fail(place.source, place.line, place.column, place.text);
  }
  return {hazards.listing(), hazards.failed() || hazards.warnings() > 0 ? 1 : 0};
}

}  // namespace toval::tools
