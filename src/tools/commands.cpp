#include "tools/command.h"

#include "tools/check_command.h"
#include "tools/draw_command.h"
#include "tools/export_command.h"

namespace toval::tools {

namespace {

// One line per subcommand.
const Command COMMANDS[] = {
    export_command(),
    draw_command(),
    check_command(),
};

}  // namespace

std::span<const Command> commands() { return COMMANDS; }

}  // namespace toval::tools
