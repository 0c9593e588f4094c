#include "tools/program.h"

#include "tools/check/check_command.h"
#include "tools/combinations/combinations_command.h"
#include "tools/draw/draw_command.h"
#include "tools/export/export_command.h"

namespace toval::tools {

namespace {

// One line per subcommand.
const Command COMMANDS[] = {
    export_command(),
    draw_command(),
    check_command(),
    combinations_command(),
};

}  // namespace

std::span<const Command> commands() { return COMMANDS; }

Services services() { return Services{}; }

}  // namespace toval::tools
