#include "tools/report/report_command.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "tools/cli/catalogue.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/node_displacements.h"
#include "tools/cli/options.h"
#include "tools/cli/output_file.h"
#include "tools/cli/source_date.h"
#include "tools/cli/units.h"
#include "tools/cli/usage_error.h"
#include "tools/cli/version.h"
#include "tools/report/page_style.h"
#include "tools/report/report_page.h"

namespace toval::tools::report {

namespace {

constexpr std::string_view USAGE =
    "toval-tools report [-o FILE.html] [--lang pt|en] [--office TEXT] [--units FORCE,LENGTH] "
    "COMBINATION_FILE "
    "FORCES_FILE";

constexpr std::string_view HELP =
    "usage: toval-tools report [-o FILE.html] [--lang pt|en] [--office TEXT] [--units FORCE,LENGTH] "
    "COMBINATION_FILE FORCES_FILE\n"
    "\n"
    "Runs the steps of toval over the combination file and the forces file and writes the\n"
    "calculation report as one self-contained HTML page (nothing loaded from anywhere) that\n"
    "a browser shows on a laptop or a phone and prints on A4: the office line, the three\n"
    "titles, the input files with their sizes and SHA-256, the date and the version; the\n"
    "warnings of `toval-tools check`, boxed; the frame picture (the ultimate set's envelope\n"
    "where the combinations have sets); the combinations; per bar the envelope of normal\n"
    "force, shear and moment with the governing combinations (each named on pointing at it\n"
    "and in a legend for print), mirror bars together; the combined reactions with their\n"
    "envelope per support; the displacements of the characteristic nodes per case and per\n"
    "combination; every node's displacements with their envelope and per combination; the\n"
    "bars in bending per combination. Every real number carries the export's JSON text of it\n"
    "in data-value, and every table whose export table exists has its name as id (NAME-I per\n"
    "combination I).\n"
    "No report file is written and nothing is asked.\n"
    "\n"
    "options:\n"
    "  -o FILE.html    write to FILE.html instead of standard output (- is standard\n"
    "                  output); the file is replaced only when complete, and may not be\n"
    "                  an input\n"
    "  --lang pt|en    the page's language: pt (the default) or en\n"
    "  --office TEXT   the office line at the top of the page (none without it)\n"
    "  --units FORCE,LENGTH\n"
    "                  the units of the forces file's values (for instance kN,m), named in\n"
    "                  the tables' headings: moments FORCE\u00b7LENGTH, rotations rad\n"
    "  --help          show this text\n"
    "\n"
    "The date on the page is the time of the run, or the one SOURCE_DATE_EPOCH gives.\n"
    "\n"
    "exit status:\n"
    "  0  the page was written\n"
    "  1  an input cannot be read (the message is the one toval gives) or the output\n"
    "     cannot be written\n"
    "  2  the command line is wrong\n";

constexpr cli::OptionDefinition OPTIONS[] = {
    cli::output_option("FILE.html"),
    cli::LANGUAGE_OPTION,
    cli::UNITS_OPTION,
    {"office", '\0', true, "TEXT"},
};

constexpr std::string_view POSITIONALS[] = {"COMBINATION_FILE", "FORCES_FILE"};

// Runs the steps once, under the check's watch when it is offered: the one
// run gives the page's results and its warnings. A fault that ends the run
// ends the report.
std::vector<cli::InputWarning> run_watched(cli::LoadedRun& run, const cli::Services& services,
                                           cli::Language language) {
  if (!services.watched_run) {
    run.run();
    return {};
  }
  cli::WatchedRun watched = services.watched_run(run, language);
  if (watched.fault) throw *watched.fault;
  return std::move(watched.warnings);
}

int run_report(std::span<const std::string> args, const cli::Services& services) {
  cli::Options options(OPTIONS, args);
  options.expect_positionals(POSITIONALS);
  PageRequest request;
  request.language = cli::language_option(options);
  request.office = options.value("office").value_or("");
  request.units = cli::units_option(options);
  const std::string target = cli::output_target(options);

  const std::array<std::string, 2> inputs{options.positionals()[0], options.positionals()[1]};
  cli::refuse_input_as_output(target, inputs);
  cli::LoadedRun run(cli::combination_input(inputs[0], services), inputs[1],
                     cli::LoadedRun::Deferred::run_later);
  request.units = cli::units_of(request.units, run);
  request.warnings = run_watched(run, services, request.language);
  const cli::NodeDisplacements nodes(run.listing(), run.store(), run.counts());
  request.nodes = &nodes;
  request.issued = issue_date(std::getenv("SOURCE_DATE_EPOCH"));
  request.version = std::string(cli::VERSION);
  request.files = {input_file_facts(inputs[0]), input_file_facts(inputs[1])};
  if (services.page_picture) {
    cli::PictureRequest picture;
    picture.language = request.language;
    picture.units = request.units;
    picture.print_width_mm = PICTURE_PRINT_WIDTH_MM;
    picture.print_height_mm = PICTURE_PRINT_HEIGHT_MM;
    picture.set = cli::design_set(run.labels());
    request.picture = services.page_picture(run, picture);
    request.picture_set = picture.set;
  }
  cli::write_output(target, [&](std::ostream& out) { write_report_page(out, run, request); });
  return 0;
}

}  // namespace

std::string issue_date(const char* source_date_epoch) {
  using namespace std::chrono;
  sys_seconds when = time_point_cast<seconds>(system_clock::now());
  if (const auto given = cli::source_date_epoch(source_date_epoch)) when = sys_seconds(seconds(*given));
  const sys_days day = floor<days>(when);
  const year_month_day ymd(day);
  const hh_mm_ss<seconds> time(when - day);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u %02ld:%02ld UTC", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                static_cast<long>(time.hours().count()), static_cast<long>(time.minutes().count()));
  return buf;
}

cli::Command report_command() {
  return {"report", "the calculation report as one web page that prints on A4", USAGE, HELP, run_report};
}

}  // namespace toval::tools::report
