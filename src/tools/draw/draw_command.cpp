#include "tools/draw/draw_command.h"

#include <array>

#include "tools/cli/catalogue.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/options.h"
#include "tools/cli/output_file.h"
#include "tools/cli/usage_error.h"
#include "tools/draw/picture.h"

namespace toval::tools::draw {

namespace {

constexpr std::string_view USAGE =
    "toval-tools draw [-o FILE.svg] [--combination I | --set KEY] [--lang pt|en] [--units FORCE,LENGTH] "
    "COMBINATION_FILE FORCES_FILE";

constexpr std::string_view HELP =
    "usage: toval-tools draw [-o FILE.svg] [--combination I | --set KEY] [--lang pt|en] "
    "[--units FORCE,LENGTH] COMBINATION_FILE FORCES_FILE\n"
    "\n"
    "Runs the steps of toval over the combination file and the forces file and draws the\n"
    "frame as one standalone SVG picture: the frame to scale with its node and bar numbers\n"
    "and its supports, the symmetry axis with its abscissa, the mirror pairs (a bar without\n"
    "a mirror bar is marked in orange), the characteristic nodes E, C and D, and the normal\n"
    "force of every bar: blue for tension, red for compression, wider for a larger force,\n"
    "outlined in black where the bar is in bending. Each bar's hover text gives its nodes,\n"
    "length and the extremes of its normal force with their combinations.\n"
    "Where the combinations have sets (their header records begin with a set's label, as\n"
    "`toval-tools combinations` writes them, or a rules file is given), the envelope drawn\n"
    "is that of the ultimate set, or of every combination when there is none; the title\n"
    "says which.\n"
    "No report file is written and nothing is asked.\n"
    "\n"
    "options:\n"
    "  -o FILE.svg        write to FILE.svg instead of standard output (- is standard\n"
    "                     output); the file is replaced only when complete, and may not\n"
    "                     be an input\n"
    "  --combination I    draw the normal force of combination I (1 to the number of\n"
    "                     combinations) instead of the envelope, and mark the bars in\n"
    "                     bending in that combination\n"
    "  --set KEY          draw the envelope of the set KEY: uls, sls_characteristic,\n"
    "                     sls_frequent or sls_quasi_permanent (one the combinations have)\n"
    "  --lang pt|en       the picture's words: en (the default) or pt\n"
    "  --units FORCE,LENGTH  the units of the forces file's values (for instance kN,m):\n"
    "                     the legend names the normal force's unit\n"
    "  --help             show this text\n"
    "\n"
    "exit status:\n"
    "  0  the picture was written\n"
    "  1  an input cannot be read (the message is the one toval gives) or the output\n"
    "     cannot be written\n"
    "  2  the command line is wrong, I is not one of the combinations, or KEY is not one\n"
    "     of their sets\n";

constexpr cli::OptionDefinition OPTIONS[] = {
    cli::output_option("FILE.svg"),
    {"combination", '\0', true, "I"},
    {"set", '\0', true, "KEY"},
    cli::LANGUAGE_OPTION,
    cli::UNITS_OPTION,
};

constexpr std::string_view POSITIONALS[] = {"COMBINATION_FILE", "FORCES_FILE"};

// The number given to --combination; its range is known only once the
// combination file has been read.
long combination_number(const std::string& text) {
  const bool digits =
      !text.empty() && text.size() <= 5 && text.find_first_not_of("0123456789") == std::string::npos;
  if (!digits) throw cli::UsageError("bad value '" + text + "' for --combination (a combination number)");
  return std::stol(text);
}

void check_combination(long I, Whole NCOB) {
  if (I >= 1 && I <= NCOB) return;
  throw cli::UsageError("bad value '" + std::to_string(I) + "' for --combination: " +
                        (NCOB < 1 ? std::string("the combination file has no combinations")
                                  : "the combinations are 1 to " + std::to_string(NCOB)));
}

// The set that --set names, among those the run has.
cli::CombinationSet chosen_set(const std::string& key, const cli::RunLabels& labels) {
  std::string keys;
  for (const cli::SetMembers& m : labels.sets) {
    if (cli::set_key(m.set) == key) return m.set;
    keys += (keys.empty() ? "" : ", ") + std::string(cli::set_key(m.set));
  }
  throw cli::UsageError(
      "bad value '" + key + "' for --set: " +
      (keys.empty() ? std::string("the combinations have no sets") : "the combinations' sets are " + keys));
}

int run_draw(std::span<const std::string> args, const cli::Services& services) {
  cli::Options options(OPTIONS, args);
  options.expect_positionals(POSITIONALS);
  const std::optional<std::string> given = options.value("combination");
  const std::optional<std::string> set = options.value("set");
  if (given && set) throw cli::UsageError("--set and --combination cannot be given together");
  const long I = given ? combination_number(*given) : 0;
  const cli::Language language = cli::language_option(options, cli::Language::en);
  const std::optional<cli::Units> units = cli::units_option(options);
  const std::string target = cli::output_target(options);

  const std::array<std::string, 2> inputs{options.positionals()[0], options.positionals()[1]};
  cli::refuse_input_as_output(target, inputs);
  const cli::LoadedRun run(cli::combination_input(inputs[0], services), inputs[1]);
  cli::PictureRequest request;
  if (given) check_combination(I, run.store().BL5.NCOB);
  request.combination = static_cast<Whole>(I);
  request.language = language;
  request.units = cli::units_of(units, run);
  if (!given) request.set = set ? chosen_set(*set, run.labels()) : cli::design_set(run.labels());
  cli::write_output(target, picture_document(run, request));
  return 0;
}

}  // namespace

cli::Command draw_command() {
  return {"draw", "an SVG picture of the frame, its symmetry and its normal forces", USAGE, HELP, run_draw};
}

}  // namespace toval::tools::draw
