// What a subcommand may use of another subcommand's room. Rooms never
// include each other: the program (src/tools/commands.cpp) fills this with
// the rooms' functions and passes it to every subcommand it runs.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "store/store.h"
#include "tools/cli/combination_sets.h"
#include "tools/cli/input_warning.h"
#include "tools/cli/language.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/units.h"

namespace toval::tools::cli {

// How a page that shows the frame's picture wants it drawn.
struct PictureRequest {
  Whole combination = 0;  // 0: the envelope; 1..NCOB: that combination
  // With `combination` 0, the set whose envelope is drawn; none, or a set
  // the run does not have: the envelope over every combination.
  std::optional<CombinationSet> set;
  // When not empty, the page lists the mirror pairs itself: the legend gives
  // this line (in the page's language) in place of the list.
  std::string pairs_elsewhere;
  // Put before every id of the picture, so that they cannot clash with the
  // ids of the page around it.
  std::string id_prefix;
  // The picture's words: the page's language.
  Language language = Language::en;
  // Not zero: the page prints the picture this wide and wants it at most
  // this high, in millimetres. The picture is then laid out for that box:
  // no text of it prints smaller than PRINTED_TEXT_MM and all of it,
  // legend included, fits the box when it can.
  double print_width_mm = 0.0, print_height_mm = 0.0;
  // The units the legend names the forces in; none without them.
  std::optional<Units> units;
};

// The smallest text a printed picture holds, in millimetres.
inline constexpr double PRINTED_TEXT_MM = 2.0;

struct Services {
  // Each room that offers something to another adds one member here: a
  // std::function over types that cli declares, set in commands.cpp.

  // draw: the picture as one <svg> element, without an XML declaration,
  // ready to stand inline in a page, drawn as the request asks.
  std::function<std::string(const LoadedRun& run, const PictureRequest& request)> page_picture;

  // check: runs a run opened with LoadedRun::Deferred under the check's
  // watch, so that the one run gives both its results and the warnings that
  // the check lists for it, in its order and in the page's language. A
  // fault that ends the run comes back in the result, with the store as the
  // steps left it.
  std::function<WatchedRun(LoadedRun& run, Language language)> watched_run;

  // combinations: the combination file that a rules file gives, whole, as
  // `combinations RULES_FILE` writes it, with the units the rules state;
  // subcommands take it in place of a combination file (see
  // combination_input in loaded_run.h).
  std::function<CombinationInput(const std::string& rules_file)> rules_combinations;
};

}  // namespace toval::tools::cli
