#include "tools/export/export_command.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <vector>

#include "records/platform.h"
#include "records/run_error.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/options.h"
#include "tools/cli/output_file.h"
#include "tools/cli/source_date.h"
#include "tools/cli/units.h"
#include "tools/cli/usage_error.h"
#include "tools/export/csv_tables.h"
#include "tools/export/results_json.h"
#include "tools/export/workbook.h"

namespace toval::tools::export_ {

namespace {

constexpr std::string_view USAGE =
    "toval-tools export [--format json|csv|xlsx] [--table NAME] [--units FORCE,LENGTH] [-o FILE] "
    "COMBINATION_FILE FORCES_FILE";

constexpr std::string_view HELP =
    "usage: toval-tools export [--format json|csv|xlsx] [--table NAME] [--units FORCE,LENGTH] [-o FILE] "
    "COMBINATION_FILE FORCES_FILE\n"
    "\n"
    "Runs the steps of toval over the combination file and the forces file and writes every\n"
    "result: the titles, nodes and bars, the cases and combinations, the displacements and\n"
    "reactions of every case and of every combination, the combined bar forces, the envelope\n"
    "of normal force, shear and moment with the combination that governs each extreme, and\n"
    "the envelope of every mirror pair; then every node's displacements per case and per\n"
    "combination with their envelope, and each case's bar end forces, as the case blocks\n"
    "list them. No report file is written and nothing is asked.\n"
    "\n"
    "options:\n"
    "  --format json|csv|xlsx\n"
    "                     json (the default): one document; csv: one table; xlsx: a\n"
    "                     workbook of every table, a sheet per table (needs -o FILE)\n"
    "  --table NAME       with csv or xlsx, the table to write: nodes, bars, combinations,\n"
    "                     displacements, combined_displacements, reactions,\n"
    "                     combined_reactions, reaction_envelope, bar_forces, envelope,\n"
    "                     pairs, set_envelopes, displacement_envelope, node_displacements,\n"
    "                     combined_node_displacements, node_displacement_envelope,\n"
    "                     set_node_envelopes, case_bar_forces\n"
    "  --units FORCE,LENGTH  the units the forces file's values are in (for instance kN,m):\n"
    "                     named in the JSON's units and in the CSV and workbook headers (moments\n"
    "                     FORCE\u00b7LENGTH, rotations rad); nothing is converted; given\n"
    "                     here, they win over the units a rules file states\n"
    "  -o FILE            write to FILE instead of standard output (- is standard output);\n"
    "                     FILE is replaced only when complete, and may not be an input;\n"
    "                     with csv, -o DIR/ writes every table (or the one of --table)\n"
    "                     into DIR as NAME.csv, making DIR when it is missing\n"
    "  --help             show this text\n"
    "\n"
    "exit status:\n"
    "  0  the export was written\n"
    "  1  an input cannot be read (the message is the one toval gives) or the output\n"
    "     cannot be written\n"
    "  2  the command line is wrong\n";

constexpr cli::OptionDefinition OPTIONS[] = {
    {"format", '\0', true, "json|csv|xlsx"},
    {"table", '\0', true, "NAME"},
    cli::UNITS_OPTION,
    cli::output_option(),
};

constexpr std::string_view POSITIONALS[] = {"COMBINATION_FILE", "FORCES_FILE"};

// "-o DIR/" (or -o naming an existing directory) asks for files in a folder.
bool names_folder(const std::string& target) {
  return !cli::is_stdout(target) &&
         (target.back() == '/' || target.back() == '\\' || platform::is_directory(target));
}

std::string table_list() {
  std::string list;
  for (std::string_view name : csv_table_names()) list += (list.empty() ? "" : ", ") + std::string(name);
  return list;
}

struct Request {
  std::string format, table, target;
  std::array<std::string, 2> inputs;
  std::optional<cli::Units> units;
};

Request parse_request(std::span<const std::string> args) {
  cli::Options options(OPTIONS, args);
  options.expect_positionals(POSITIONALS);
  Request r{options.value("format").value_or("json"),
            options.value("table").value_or(""),
            cli::output_target(options),
            {options.positionals()[0], options.positionals()[1]},
            cli::units_option(options)};
  if (r.format != "json" && r.format != "csv" && r.format != "xlsx")
    throw cli::UsageError("bad value '" + r.format + "' for --format (json, csv or xlsx)");
  if (options.has("table") && r.format == "json")
    throw cli::UsageError("option --table needs --format csv or xlsx");
  if (options.has("table") && !is_csv_table(r.table))
    throw cli::UsageError("bad value '" + r.table + "' for --table (" + table_list() + ")");
  if (r.format == "csv" && r.table.empty() && !names_folder(r.target))
    throw cli::UsageError("--format csv needs --table NAME, or -o DIR/ for every table");
  // A workbook is binary: it goes to a file, never into a terminal or a pipe.
  if (r.format == "xlsx" && (cli::is_stdout(r.target) || names_folder(r.target)))
    throw cli::UsageError("--format xlsx needs -o FILE.xlsx (a workbook is written to a file only)");
  return r;
}

// The file of a table in the folder `folder`.
std::string table_file(const std::string& folder, std::string_view table) {
  return (std::filesystem::path(folder) / (std::string(table) + ".csv")).string();
}

// Every table (or the one asked for) as NAME.csv in the folder, which is
// made when missing.
void write_folder(const Request& r, cli::LoadedRun& run) {
  std::error_code ec;
  std::filesystem::create_directory(r.target, ec);
  if (ec && !platform::is_directory(r.target))
    throw file_error(ReadFault::write, r.target, "the folder cannot be made: " + ec.message());
  std::vector<std::string_view> tables(csv_table_names().begin(), csv_table_names().end());
  if (!r.table.empty()) tables = {r.table};
  for (std::string_view table : tables) cli::refuse_input_as_output(table_file(r.target, table), r.inputs);
  for (std::string_view table : tables)
    cli::write_output(table_file(r.target, table),
                      [&](std::ostream& out) { write_csv_table(run, table, out, r.units); });
}

// Every table (or the one asked for) as a sheet of one workbook.
void write_workbook_file(const Request& r, cli::LoadedRun& run) {
  std::vector<std::string_view> tables(csv_table_names().begin(), csv_table_names().end());
  if (!r.table.empty()) tables = {r.table};
  // Its stated creation time follows the report page's rule.
  const auto created = cli::source_date_epoch(std::getenv("SOURCE_DATE_EPOCH"));
  cli::write_output_file(r.target, [&](const std::string& file) {
    write_workbook(run, tables, {file, r.target, created, SHEET_ROWS, r.units});
  });
}

int run_export(std::span<const std::string> args, const cli::Services& services) {
  Request r = parse_request(args);
  const bool folder = r.format == "csv" && names_folder(r.target);
  if (!folder) cli::refuse_input_as_output(r.target, r.inputs);
  cli::LoadedRun run(cli::combination_input(r.inputs[0], services), r.inputs[1]);
  r.units = cli::units_of(r.units, run);
  if (r.format == "json")
    cli::write_output(r.target, [&](std::ostream& out) { write_results_json(run, out, r.units); });
  else if (folder)
    write_folder(r, run);
  else if (r.format == "xlsx")
    write_workbook_file(r, run);
  else
    cli::write_output(r.target, [&](std::ostream& out) { write_csv_table(run, r.table, out, r.units); });
  return 0;
}

}  // namespace

cli::Command export_command() {
  return {"export", "every result of a run as JSON, CSV or a workbook", USAGE, HELP, run_export};
}

}  // namespace toval::tools::export_
