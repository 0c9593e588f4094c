#include "tools/export_command.h"

#include <array>

#include "tools/loaded_run.h"
#include "tools/options.h"
#include "tools/output_file.h"
#include "tools/results_json.h"
#include "tools/usage_error.h"

namespace toval::tools {

namespace {

constexpr std::string_view USAGE =
    "toval-tools export [--format json|csv] [--table NAME] [-o FILE] COMBINATION_FILE FORCES_FILE";

constexpr std::string_view HELP =
    "usage: toval-tools export [--format json|csv] [--table NAME] [-o FILE] COMBINATION_FILE FORCES_FILE\n"
    "\n"
    "Runs the steps of toval over the combination file and the forces file and writes every\n"
    "result: the titles, nodes and bars, the cases and combinations, the displacements and\n"
    "reactions of every case and of every combination, the combined bar forces, the envelope\n"
    "of normal force, shear and moment with the combination that governs each extreme, and\n"
    "the envelope of every mirror pair. No report file is written and nothing is asked.\n"
    "\n"
    "options:\n"
    "  --format json|csv  json (the default): one document; csv: one table\n"
    "  --table NAME       with csv, the table to write: nodes, bars, displacements,\n"
    "                     combined_displacements, reactions, combined_reactions,\n"
    "                     bar_forces, envelope, pairs\n"
    "  -o FILE            write to FILE instead of standard output (- is standard output);\n"
    "                     FILE is replaced only when complete, and may not be an input;\n"
    "                     with csv and no --table, -o DIR/ writes every table into DIR\n"
    "  --help             show this text\n"
    "\n"
    "exit status:\n"
    "  0  the export was written\n"
    "  1  an input cannot be read (the message is the one toval gives) or the output\n"
    "     cannot be written\n"
    "  2  the command line is wrong\n";

constexpr OptionSpec OPTIONS[] = {
    {"format", '\0', true, "json|csv"},
    {"table", '\0', true, "NAME"},
    {"output", 'o', true, "FILE"},
};

constexpr std::string_view POSITIONALS[] = {"COMBINATION_FILE", "FORCES_FILE"};

int run_export(std::span<const std::string> args) {
  Options options(OPTIONS, args);
  options.expect_positionals(POSITIONALS);
  const std::string format = options.value("format").value_or("json");
  if (format != "json" && format != "csv")
    throw UsageError("bad value '" + format + "' for --format (json or csv)");
  const std::string target = options.value("output").value_or("");
  if (format == "json" && options.has("table")) throw UsageError("option --table needs --format csv");
  if (format == "csv") throw UsageError("--format csv is not available yet");

  const std::array<std::string, 2> inputs{options.positionals()[0], options.positionals()[1]};
  refuse_input_as_output(target, inputs);
  const LoadedRun run(inputs[0], inputs[1]);
  write_output(target, results_document(run).dump(2) + "\n");
  return 0;
}

}  // namespace

Command export_command() {
  return {"export", "every result of a run as JSON or CSV", USAGE, HELP, run_export};
}

}  // namespace toval::tools
