#include "tools/combinations/combinations_command.h"

#include <array>
#include <cstdio>

#include "records/console.h"
#include "tools/cli/catalogue.h"
#include "tools/cli/options.h"
#include "tools/cli/output_file.h"
#include "tools/cli/usage_error.h"
#include "tools/combinations/combination_records.h"
#include "tools/combinations/enumeration.h"
#include "tools/combinations/file_parts.h"
#include "tools/combinations/rules_error.h"
#include "tools/combinations/rules_file.h"

namespace toval::tools::combinations {

namespace {

constexpr std::string_view USAGE = "toval-tools combinations [-o FILE [--split N]] [--lang pt|en] RULES_FILE";

constexpr std::string_view HELP =
    "usage: toval-tools combinations [-o FILE [--split N]] [--lang pt|en] RULES_FILE\n"
    "\n"
    "Writes the combination file that the design rules in RULES_FILE (TOML) give, in the\n"
    "grammar and columns that toval reads. The rules file holds:\n"
    "  titles = [\"PROJECT\", \"CLIENT\", \"FRAME\"]\n"
    "  sets = [\"uls\", \"sls_characteristic\", \"sls_frequent\", \"sls_quasi_permanent\"]  (those wanted)\n"
    "  [[actions]], in order: case (1-4 characters), kind (\"permanent\" or \"variable\");\n"
    "     permanent: gamma_sup, gamma_inf, optionally source (actions of one source take the\n"
    "     same gamma); variable: gamma, psi0, psi1, psi2, optionally group (actions of one\n"
    "     group never act together); category = \"NAME\" takes the factors of [categories.NAME],\n"
    "     and a factor on the action overrides its category's.\n"
    "\n"
    "  set                  permanent            leading  accompanying\n"
    "  uls                  gamma_sup|gamma_inf  gamma    gamma*psi0\n"
    "  sls_characteristic   1.0                  1.0      psi0\n"
    "  sls_frequent         1.0                  psi1     psi2\n"
    "  sls_quasi_permanent  1.0                  -        psi2 (any of the variable actions)\n"
    "\n"
    "Order: set by set as above; the leading action in action order, none first (then no\n"
    "accompanying action); the accompanying subsets and then the choices of gamma_inf, each in\n"
    "increasing order of the sum of 2^(i-1) over the positions i of their actions. Multipliers\n"
    "are the exact products of the factors as written, rounded half away from zero to four\n"
    "decimals; terms of multiplier 0, combinations without terms and repeats within a set are\n"
    "left out. The guide's chapter on combinations gives a worked example.\n"
    "\n"
    "options:\n"
    "  -o FILE      write to FILE instead of standard output (- is standard output)\n"
    "  --split N    with -o FILE: files FILE-1, FILE-2, ... (the number before the name's\n"
    "               first point), each of at most N combinations (1 to 10) and only the\n"
    "               cases they use, within toval's 10 cases, 10 combinations and 10 terms\n"
    "  --lang L     words of the header records: pt (Portuguese, the default) or en\n"
    "  --help       show this text\n"
    "\n"
    "A file beyond toval's capacities is written all the same, for toval-tools, with a\n"
    "warning on the error stream.\n"
    "\n"
    "exit status:\n"
    "  0  the file was written (warnings included)\n"
    "  1  the rules file is wrong (FILE:LINE:COLUMN: error: TEXT) or the output cannot be\n"
    "     written; nothing is written\n"
    "  2  the command line is wrong\n";

constexpr cli::OptionDefinition OPTIONS[] = {
    cli::output_option(),
    {"split", '\0', true, "N"},
    cli::LANGUAGE_OPTION,
};

constexpr std::string_view POSITIONALS[] = {"RULES_FILE"};

// 0 when not given; otherwise 1 to 10.
std::size_t split_of(const cli::Options& options, const std::string& target) {
  const std::optional<std::string> value = options.value("split");
  if (!value) return 0;
  if (cli::is_stdout(target)) throw cli::UsageError("--split needs -o FILE: the files are named after it");
  const bool digits =
      !value->empty() && value->size() <= 2 && value->find_first_not_of("0123456789") == std::string::npos;
  const int n = digits ? std::stoi(*value) : 0;
  if (n < 1 || n > static_cast<int>(TOVAL_COMBINATIONS))
    throw cli::UsageError("--split takes a number of combinations from 1 to 10, not '" + *value + "'");
  return static_cast<std::size_t>(n);
}

std::vector<Combination> combinations_of(const Rules& rules, const std::string& file) {
  std::vector<Combination> all = enumerate_combinations(rules, file);
  if (all.empty())
    throw rules_error(file,
                      "the rules give no combination (every multiplier is 0, or no permanent action "
                      "stands with sets that need one)");
  return all;
}

void warn(const std::vector<std::string>& lines) {
  std::fflush(stdout);
  for (const std::string& line : lines) write_console_text(stderr, line);
}

int run_combinations(std::span<const std::string> args, const cli::Services&) {
  cli::Options options(OPTIONS, args);
  options.expect_positionals(POSITIONALS);
  const std::array<std::string, 1> inputs{options.positionals()[0]};
  const std::string target = cli::output_target(options);
  const Language language = cli::language_option(options);
  const std::size_t split = split_of(options, target);

  std::vector<std::string> warnings;
  const Rules rules = read_rules_file(inputs[0], warnings);
  const std::vector<Combination> all = combinations_of(rules, inputs[0]);

  std::vector<std::pair<std::string, FileContent>> files;
  if (split == 0) {
    files.emplace_back(target, whole_file(rules, all));
    const std::vector<std::string> beyond = capacity_warnings(files.back().second, all, inputs[0]);
    warnings.insert(warnings.end(), beyond.begin(), beyond.end());
  } else {
    std::vector<FileContent> parts = split_files(all, split, inputs[0]);
    for (std::size_t k = 0; k < parts.size(); ++k)
      files.emplace_back(part_name(target, k + 1), std::move(parts[k]));
  }
  for (const auto& [name, content] : files) cli::refuse_input_as_output(name, inputs);
  std::vector<std::string> texts;
  for (const auto& [name, content] : files)
    texts.push_back(combination_file_text(rules, all, content, inputs[0], language));
  warn(warnings);
  for (std::size_t k = 0; k < files.size(); ++k) cli::write_output(files[k].first, texts[k]);
  return 0;
}

}  // namespace

cli::CombinationInput rules_combinations(const std::string& rules_file) {
  // A title cut to its columns is cut alike in every output; nothing to tell.
  std::vector<std::string> warnings;
  const Rules rules = read_rules_file(rules_file, warnings);
  const std::vector<Combination> all = combinations_of(rules, rules_file);
  return {rules_file, combination_file_text(rules, all, whole_file(rules, all), rules_file, Language::pt),
          rules.units};
}

cli::Command combinations_command() {
  return {"combinations", "the combination file generated from design rules (TOML)", USAGE, HELP,
          run_combinations};
}

}  // namespace toval::tools::combinations
