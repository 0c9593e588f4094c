#include "tools/check/input_check.h"

#include <memory>
#include <optional>

#include "records/run_error.h"
#include "tools/check/bar_lengths.h"
#include "tools/check/case_entry_hazards.h"
#include "tools/check/combination_hazards.h"
#include "tools/check/frame_view.h"
#include "tools/check/geometry_hazards.h"
#include "tools/check/hazard_list.h"
#include "tools/check/listing_hazards.h"
#include "tools/check/near_symmetry.h"
#include "tools/check/run_error_place.h"
#include "tools/check/run_watch.h"
#include "tools/check/section_numbering.h"
#include "tools/cli/loaded_run.h"

namespace toval::tools::check {

namespace {

// Runs the opened run under the watch and lists in `hazards` what the watch
// and the store show; the fault that ended the run, if one did.
std::optional<RunError> run_watched(cli::LoadedRun& run, HazardList& hazards) {
  std::optional<RunError> fault;
  Store& s = run.store();
  RunWatch watch(run.combination_unit(), run.forces_unit(), hazards);
  try {
    run.run();
  } catch (const RunError& e) {
    fault = e;  // the hazards below look at what the steps stored before it
  }
  watch.finish();
  const ListedBlocks blocks = listed_blocks(run.listing(), run.counts().NNOS);
  find_combination_hazards(s, watch, hazards);
  find_case_entry_hazards(s, watch, blocks, hazards);
  find_listing_hazards(blocks, hazards);
  find_section_numbering(watch, hazards);
  const CheckedFrame frame = frame_view(s, run.counts());
  NamedGeometry named = find_bar_length_hazards(frame, watch, hazards);
  find_near_symmetry(s, run.counts(), frame, watch, named, hazards);
  if (unmatched_nodes(frame, double{run.counts().XS}, 1).empty())
    find_near_mirror_bars(s, run.counts(), watch, named.bars, hazards);
  find_support_nodes(s, run.counts(), watch, hazards);
  return fault;
}

}  // namespace

CheckOutcome check_inputs(const std::string& combination_file, const std::string& forces_file) {
  HazardList hazards(combination_file, forces_file);
  std::optional<RunError> fault;
  std::unique_ptr<cli::LoadedRun> run;
  try {
    run =
        std::make_unique<cli::LoadedRun>(combination_file, forces_file, cli::LoadedRun::Deferred::run_later);
  } catch (const RunError& e) {
    fault = e;  // a file that cannot be opened
  }
  if (run) fault = run_watched(*run, hazards);
  if (fault) {
    const ErrorPlace place = error_place(*fault, combination_file);
    hazards.fail(place.source, place.line, place.column, place.text);
  }
  return {hazards.listing(), hazards.failed() || hazards.warnings() > 0 ? 1 : 0, hazards.warning_records()};
}

cli::WatchedRun watched_run(cli::LoadedRun& run) {
  HazardList hazards(run.combination_file(), run.forces_file());
  std::optional<RunError> fault = run_watched(run, hazards);
  return {hazards.warning_records(), std::move(fault)};
}

}  // namespace toval::tools::check
