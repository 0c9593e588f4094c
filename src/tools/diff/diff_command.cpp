#include "tools/diff/diff_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "tools/cli/catalogue.h"
#include "tools/cli/file_text.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/options.h"
#include "tools/cli/output_file.h"
#include "tools/cli/usage_error.h"
#include "tools/diff/diff_output.h"

namespace toval::tools::diff {

namespace {

constexpr std::string_view USAGE =
    "toval-tools diff [--format text|json] [--tolerance REL] [--lang pt|en] [-o FILE] OLD NEW\n"
    "       toval-tools diff [OPTIONS] OLD_COMBINATION OLD_FORCES NEW_COMBINATION NEW_FORCES";

constexpr std::string_view HELP =
    "usage: toval-tools diff [--format text|json] [--tolerance REL] [--lang pt|en] [-o FILE] OLD NEW\n"
    "       toval-tools diff [OPTIONS] OLD_COMBINATION OLD_FORCES NEW_COMBINATION NEW_FORCES\n"
    "\n"
    "Compares two revisions of a frame: two exports (files written by `toval-tools export\n"
    "--format json`), or two runs, each given by its combination file and forces file.\n"
    "Nodes and bars are matched by number, cases by name, supports by node; combinations\n"
    "by what they are: the same set and terms (in any order), else the same name in the\n"
    "set, else the same number in the set. A new number alone is no change.\n"
    "\n"
    "It opens with a summary per set of the largest changes of the envelopes' extremes,\n"
    "then lists the structural changes (nodes, bars, cases and combinations added, removed\n"
    "or changed; the symmetry axis, the mirror pairs, the characteristic nodes), then the\n"
    "results that changed, set by set: the envelope of every bar (N, V and M at both ends,\n"
    "max and min, with the governing combinations), the envelope of the reactions, the\n"
    "combined reactions, the combined displacements of the characteristic nodes, and the\n"
    "bending flag of each combination and bar.\n"
    "\n"
    "A value counts as changed when |new - old| exceeds REL x max(|old|, |new|) and also\n"
    "REL x the largest magnitude of the same quantity at the same member (bar end, support,\n"
    "node) over every combination of both revisions. A governing combination counts as\n"
    "changed when the old one's match no longer gives the extreme, whatever the values.\n"
    "\n"
    "options:\n"
    "  --format text|json  text (the default): a listing for people; json: a document\n"
    "                      for scripts\n"
    "  --tolerance REL     the relative tolerance, 0.001 when not given; 0 shows every change\n"
    "  --lang pt|en        the language of the text: pt (the default) or en\n"
    "  -o FILE             write to FILE instead of standard output (- is standard output);\n"
    "                      FILE is replaced only when complete, and may not be an input\n"
    "  --help              show this text\n"
    "\n"
    "exit status:\n"
    "  0  nothing changed beyond the tolerance\n"
    "  1  something changed\n"
    "  2  the command line is wrong, an input cannot be read (a run's input: the message\n"
    "     is the one toval gives), or the output cannot be written\n";

constexpr cli::OptionDefinition OPTIONS[] = {
    {"format", '\0', true, "text|json"},
    {"tolerance", '\0', true, "REL"},
    cli::LANGUAGE_OPTION,
    cli::output_option(),
};

constexpr double DEFAULT_TOLERANCE = 0.001;

struct Request {
  bool json = false;
  double tolerance = DEFAULT_TOLERANCE;
  Language language = Language::pt;
  std::string target;
  std::vector<std::string> inputs;  // two exports, or two pairs of run files
};

// A finite number, 0 or more, written whole.
double parse_tolerance(const std::string& text) {
  double value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
      value < 0)
    throw cli::UsageError("bad value '" + text + "' for --tolerance (a number, 0 or more)");
  return value;
}

Request parse_request(std::span<const std::string> args) {
  const cli::Options options(OPTIONS, args);
  Request r;
  r.inputs = options.positionals();
  if (r.inputs.size() < 2)
    throw cli::UsageError(r.inputs.empty() ? "missing argument OLD" : "missing argument NEW");
  if (r.inputs.size() == 3) throw cli::UsageError("missing argument NEW_FORCES");
  if (r.inputs.size() > 4) throw cli::UsageError("unexpected argument '" + r.inputs[4] + "'");
  const std::string format = options.value("format").value_or("text");
  if (format != "text" && format != "json")
    throw cli::UsageError("bad value '" + format + "' for --format (text or json)");
  r.json = format == "json";
  if (const auto rel = options.value("tolerance")) r.tolerance = parse_tolerance(*rel);
  r.language = cli::language_option(options);
  if (options.has(cli::LANGUAGE_OPTION.name) && r.json)
    throw cli::UsageError("option --lang needs --format text");
  r.target = cli::output_target(options);
  return r;
}

std::string export_text(const std::string& path) {
  return cli::file_text(path, "the export cannot be opened for reading", "the export cannot be read");
}

// The pairs that both revisions have, for the listing's pair lines.
std::vector<std::array<long long, 2>> common_pairs(const ExportedRun& o, const ExportedRun& n) {
  std::vector<std::array<long long, 2>> pairs;
  for (const auto& p : n.pairs)
    if (p[0] != p[1] && std::find(o.pairs.begin(), o.pairs.end(), p) != o.pairs.end()) pairs.push_back(p);
  return pairs;
}

Changes compare(const ExportedRun& o, const ExportedRun& n, double rel) {
  const CombinationMatch match = match_combinations(o, n);
  Changes changes;
  changes.structure = structure_changes(o, n, match);
  changes.results = result_changes(o, n, match, rel);
  for (const auto& [number, c] : o.combinations) changes.old_names[number] = c.name;
  for (const auto& [number, c] : n.combinations) changes.new_names[number] = c.name;
  changes.pairs = common_pairs(o, n);
  return changes;
}

int run_diff(std::span<const std::string> args, const cli::Services& services) {
  const Request r = parse_request(args);
  cli::refuse_input_as_output(r.target, r.inputs);
  ExportedRun old_run, new_run;
  if (r.inputs.size() == 2) {
    old_run = read_exported_run(export_text(r.inputs[0]), r.inputs[0]);
    new_run = read_exported_run(export_text(r.inputs[1]), r.inputs[1]);
  } else {
    for (std::size_t i = 0; i < 2; ++i) {
      cli::LoadedRun run(cli::combination_input(r.inputs[2 * i], services), r.inputs[2 * i + 1]);
      (i == 0 ? old_run : new_run) = run_results(run);
    }
  }
  const Changes changes = compare(old_run, new_run, r.tolerance);
  cli::write_output(r.target,
                    r.json ? diff_json(changes, r.tolerance) : diff_text(changes, r.tolerance, r.language));
  return changes.empty() ? 0 : 1;
}

}  // namespace

cli::Command diff_command() {
  cli::Command c{"diff", "what changed between two revisions of a frame", USAGE, HELP, run_diff};
  // Status 1 means "changed": a fault must not look like it.
  c.fault_status = 2;
  return c;
}

}  // namespace toval::tools::diff
