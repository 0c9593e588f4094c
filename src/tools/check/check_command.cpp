#include "tools/check/check_command.h"

#include <array>

#include "tools/check/input_check.h"
#include "tools/cli/catalogue.h"
#include "tools/cli/options.h"
#include "tools/cli/output_file.h"
#include "tools/cli/usage_error.h"

namespace toval::tools::check {

namespace {

constexpr std::string_view USAGE =
    "toval-tools check [--lang pt|en] [--format text|json] [-o FILE] COMBINATION_FILE FORCES_FILE";

constexpr std::string_view HELP =
    "usage: toval-tools check [--lang pt|en] [--format text|json] [-o FILE] COMBINATION_FILE FORCES_FILE\n"
    "\n"
    "Reads both files as toval reads them, without writing a report, and lists the mistakes\n"
    "that change the report's numbers without any message, one line each, as compilers do:\n"
    "\n"
    "  FILE:LINE:COLUMN: warning: TEXT\n"
    "\n"
    "followed by an error line when toval would stop on the files, and a count. Each text\n"
    "says what the mistake does to the numbers and what to do. It looks for:\n"
    "  - numbers with blanks between their digits, or running into the next field (a value\n"
    "    shifted by a column);\n"
    "  - displacement or resultant records, or bar groups, numbered otherwise than in order;\n"
    "  - a case entry that passes over the name of a case block (a missing FIMC);\n"
    "  - a decimal comma in a multiplier, blank or repeated case names, a term without a case\n"
    "    name or with a case the list does not hold, a listed case no combination uses;\n"
    "  - a second case block with a name already seen;\n"
    "  - a line too many or too few in a case block, or between the node or bar heading and\n"
    "    its first record (every record after it read in the wrong place); a blank line that\n"
    "    ends the node or bar list early; a blank end-force record;\n"
    "  - a bar without a mirror bar that would have one under a ten times wider tolerance;\n"
    "  - a characteristic node that is a support;\n"
    "  - a number going on beyond the last column of its record;\n"
    "  - a case entry without its FIMC before the FIME; a marker in lower case;\n"
    "  - a last line without a line end that stops inside a number.\n"
    "\n"
    "options:\n"
    "  --lang pt|en        the language of the texts (pt, the default, or en)\n"
    "  --format text|json  text (the default): the lines above; json: one document\n"
    "                      {\"format\": \"toval-check\", \"version\": 1, \"findings\": [...]}, each\n"
    "                      finding with file, line, column, severity, kind and message\n"
    "  -o FILE             write the list to FILE instead of standard output (- is standard output)\n"
    "  --help              show this text\n"
    "\n"
    "exit status:\n"
    "  0  nothing found\n"
    "  1  a warning or an error was listed (or the list cannot be written)\n"
    "  2  the command line is wrong\n";

constexpr cli::OptionDefinition OPTIONS[] = {
    cli::output_option(),
    cli::LANGUAGE_OPTION,
    {"format", '\0', true, "text|json"},
};

constexpr std::string_view POSITIONALS[] = {"COMBINATION_FILE", "FORCES_FILE"};

int run_check(std::span<const std::string> args, const cli::Services& services) {
  cli::Options options(OPTIONS, args);
  options.expect_positionals(POSITIONALS);
  const std::array<std::string, 2> inputs{options.positionals()[0], options.positionals()[1]};
  const std::string target = cli::output_target(options);
  const cli::Language language = cli::language_option(options);
  const std::string format = options.value("format").value_or("text");
  if (format != "text" && format != "json")
    throw cli::UsageError("bad value '" + format + "' for --format (text or json)");
  cli::refuse_input_as_output(target, inputs);
  const CheckOutcome outcome = check_inputs(inputs[0], inputs[1], services);
  cli::write_output(target,
                    format == "json" ? outcome.findings.json(language) : outcome.findings.listing(language));
  return outcome.status;
}

}  // namespace

cli::Command check_command() {
  return {"check", "the mistakes in the input files that change numbers silently", USAGE, HELP, run_check};
}

}  // namespace toval::tools::check
