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
const Command COMMANDS[] = {
    export_command(),       draw_command(),   check_command(),
    combinations_command(), report_command(), diff_command(),
};

}  // namespace

std::span<const Command> commands() {
  return COMMANDS;
}

Services services() {
  Services offers;
  offers.picture = [](const LoadedRun& run) {
    return frame_drawing(run.store(), run.counts(), {run.combination_file(), run.forces_file()}, 0);
  };
  offers.page_picture = frame_picture;
  offers.input_warnings = [](const std::string& combination_file, const std::string& forces_file) {
    return check_inputs(combination_file, forces_file).warnings;
  };
  offers.results_json = write_results_json;
  return offers;
}

}  // namespace toval::tools
