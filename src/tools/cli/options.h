// The options and arguments of a subcommand: `--name value`, `--name=value`,
// `-x value`, flags and positionals, `--` ending the options. Anything the
// parser cannot take leaves as a UsageError naming the option or argument;
// `--help` leaves as HelpRequested.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace toval::tools::cli {

struct OptionDefinition {
  std::string_view name;   // long name without dashes: "format"
  char short_name = '\0';  // 'o' for -o, or none
  bool takes_value = false;
  std::string_view value_name = "VALUE";  // shown in messages: "--format needs a value"
};

class Options {
 public:
  Options(std::span<const OptionDefinition> definitions, std::span<const std::string> args);

  // Whether the option (by long name) was given.
  bool has(std::string_view name) const;
  // Its value when given; each option may be given once.
  std::optional<std::string> value(std::string_view name) const;
  const std::vector<std::string>& positionals() const { return positionals_; }

  // Exactly these positionals, in order: a missing one or an extra one is a
  // usage error that names it.
  void expect_positionals(std::span<const std::string_view> names) const;

 private:
  struct Given {
    std::string_view name;
    std::string value;
  };
  const OptionDefinition* find_long(std::string_view name) const;
  const OptionDefinition* find_short(char c) const;
  void add(const OptionDefinition& definition, std::string value, std::string_view as_written);

  std::span<const OptionDefinition> definitions_;
  std::vector<Given> given_;
  std::vector<std::string> positionals_;
};

// -o/--output, as every subcommand takes it; `value_name` is what its help
// and messages call the file ("FILE.svg").
constexpr OptionDefinition output_option(std::string_view value_name = "FILE") {
  return {"output", 'o', true, value_name};
}

// The value of -o/--output: "" when not given (standard output), the name
// given otherwise; an empty name (-o '', --output=) is a usage error.
std::string output_target(const Options& options);

}  // namespace toval::tools::cli
