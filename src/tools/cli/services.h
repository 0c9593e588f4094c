// What a subcommand may use of another subcommand's room. Rooms never
// include each other: the program (src/tools/commands.cpp) fills this with
// the rooms' functions and passes it to every subcommand it runs.
#pragma once

namespace toval::tools {

struct Services {
  // Each room that offers something to another adds one member here: a
  // std::function over types that cli declares, set in commands.cpp.
};

}  // namespace toval::tools
