#include "tools/check/check_command.h"
#include "tools/check/input_check.h"
#include "tools/combinations/combinations_command.h"
#include "tools/diff/diff_command.h"
#include "tools/draw/draw_command.h"
#include "tools/draw/picture.h"
#include "tools/export/export_command.h"
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
  offers.page_picture = draw::frame_picture;
  offers.watched_run = check::watched_run;
  offers.rules_combinations = combinations::rules_combinations;
  return offers;
}

}  // namespace toval::tools
