#include <ostream>

#include "tools/check/check_command.h"
#include "tools/check/input_check.h"
#include "tools/combinations/combinations_command.h"
#include "tools/diff/diff_command.h"
#include "tools/draw/draw_command.h"
#include "tools/draw/frame_drawing.h"
#include "tools/draw/picture.h"
#include "tools/export/export_command.h"
#include "tools/export/results_json.h"
#include "tools/program.h"
#include "tools/report/report_command.h"

namespace toval::tools {

namespace {

// One line per subcommand.
const cli::Command COMMANDS[] = {
    export_::export_command(), draw::draw_command(),
    check::check_command(),    combinations::combinations_command(),
    report::report_command(),  diff::diff_command(),
};

}  // namespace

std::span<const cli::Command> commands() {
  return COMMANDS;
}

cli::Services services() {
  cli::Services offers;
  offers.picture = [](const cli::LoadedRun& run) {
    return draw::frame_drawing(run.store(), run.counts(), {run.combination_file(), run.forces_file()}, 0);
  };
  offers.page_picture = draw::frame_picture;
  offers.input_warnings = [](const std::string& combination_file, const std::string& forces_file,
                             cli::Language language) {
    return check::check_inputs(combination_file, forces_file, services()).findings.warning_records(language);
  };
  offers.results_json = [](cli::LoadedRun& run, std::ostream& out) { export_::write_results_json(run, out); };
  offers.rules_combinations = combinations::rules_combination_text;
  return offers;
}

}  // namespace toval::tools
