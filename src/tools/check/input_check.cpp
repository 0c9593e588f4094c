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
#include "tools/check/listing_text.h"
#include "tools/check/near_symmetry.h"
#include "tools/check/record_shifts.h"
#include "tools/check/rules_cases.h"
#include "tools/check/run_error_place.h"
#include "tools/check/run_watch.h"
#include "tools/check/section_numbering.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/services.h"

namespace toval::tools::check {

namespace {

// Runs the opened run under the watch and lists in `hazards` what the watch,
// the store and the forces file's lines show; the fault that ended the run,
// if one did.
std::optional<RunError> run_watched(cli::LoadedRun& run, HazardList& hazards) {
  std::optional<RunError> fault;
  const Store& s = run.store();
  RunWatch watch(run.combination_unit(), run.forces_unit(), hazards);
  try {
    run.run();
  } catch (const RunError& e) {
    fault = e;  // the hazards below look at what the steps stored before it
  }
  watch.finish();
  const ListedBlocks blocks = listed_blocks(run.listing(), run.counts().NNOS);
  // Through the unit the run read, so that the file is opened once.
  const ListingText text = ListingText::read(run.forces_unit());
  find_combination_hazards(s, watch, hazards);
  find_case_entry_hazards(s, watch, blocks, hazards);
  const ShiftsTold shifts = find_record_shifts(text, s, run.counts(), blocks, hazards);
  find_listing_hazards(blocks, shifts, hazards);
  if (cli::is_rules_file(run.combination_file()) && !fault)
    find_cases_no_action_names(s, run.counts().NCCAR, blocks, hazards);
  find_section_numbering(watch, shifts, hazards);
  // A node or bar list read with a record too many or too few gives a
  // frame whose geometry says nothing more.
  if (!shifts.nodes && !shifts.bars) {
    const CheckedFrame frame = frame_view(s, run.counts());
    NamedGeometry named = find_bar_length_hazards(frame, watch, hazards);
    find_near_symmetry(s, run.counts(), frame, watch, named, hazards);
    if (unmatched_nodes(frame, double{run.counts().XS}, 1).empty())
      find_near_mirror_bars(s, run.counts(), watch, named.bars, hazards);
    find_support_nodes(s, run.counts(), watch, hazards);
  }
  return fault;
}

}  // namespace

CheckOutcome check_inputs(const std::string& combination_file, const std::string& forces_file,
                          const cli::Services& services) {
  HazardList hazards(combination_file, forces_file);
  std::optional<RunError> fault;
  std::unique_ptr<cli::LoadedRun> run;
  try {
    run = std::make_unique<cli::LoadedRun>(cli::combination_input(combination_file, services), forces_file,
                                           cli::LoadedRun::Deferred::run_later);
  } catch (const RunError& e) {
    fault = e;  // a file that cannot be opened
  }
  if (run) fault = run_watched(*run, hazards);
  if (fault) {
    const ErrorPlace place = error_place(*fault, combination_file);
    hazards.fail(place.source, place.line, place.column, place.text);
  }
  const int status = hazards.failed() || hazards.warnings() > 0 ? 1 : 0;
  return {std::move(hazards), status};
}

cli::WatchedRun watched_run(cli::LoadedRun& run, cli::Language language) {
  HazardList hazards(run.combination_file(), run.forces_file());
  std::optional<RunError> fault = run_watched(run, hazards);
  return {hazards.warning_records(language), std::move(fault)};
}

}  // namespace toval::tools::check
