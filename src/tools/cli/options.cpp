#include "tools/cli/options.h"

#include <algorithm>

#include "tools/cli/usage_error.h"

namespace toval::tools::cli {

Options::Options(std::span<const OptionDefinition> definitions, std::span<const std::string> args)
    : definitions_(definitions) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      positionals_.insert(positionals_.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      return;
    }
    if (arg == "--help") throw HelpRequested{};
    // A lone "-" is an argument (standard input or output), not an option.
    if (arg.size() < 2 || arg[0] != '-') {
      positionals_.push_back(arg);
      continue;
    }
    // The option as written ("--format", "-o") and a value joined to it
    // ("--format=csv", "-oFILE").
    const bool is_long = arg[1] == '-';
    const std::size_t cut = is_long ? std::min(arg.find('='), arg.size()) : 2;
    const std::string written = arg.substr(0, cut);
    const OptionDefinition* definition =
        is_long ? find_long(std::string_view(written).substr(2)) : find_short(arg[1]);
    if (definition == nullptr) throw UsageError("unknown option '" + written + "'");
    std::optional<std::string> value;
    if (cut < arg.size()) value = arg.substr(is_long ? cut + 1 : cut);
    if (!definition->takes_value) {
      if (value) throw UsageError("option " + written + " takes no value");
      add(*definition, {}, written);
      continue;
    }
    if (!value) {
      if (i + 1 >= args.size())
        throw UsageError("option " + written + " needs a value (" + std::string(definition->value_name) +
                         ")");
      value = args[++i];
    }
    add(*definition, std::move(*value), written);
  }
}

void Options::add(const OptionDefinition& definition, std::string value, std::string_view as_written) {
  if (has(definition.name)) throw UsageError("option " + std::string(as_written) + " given more than once");
  given_.push_back({definition.name, std::move(value)});
}

const OptionDefinition* Options::find_long(std::string_view name) const {
  for (const OptionDefinition& s : definitions_)
    if (s.name == name) return &s;
  return nullptr;
}

const OptionDefinition* Options::find_short(char c) const {
  for (const OptionDefinition& s : definitions_)
    if (s.short_name != '\0' && s.short_name == c) return &s;
  return nullptr;
}

bool Options::has(std::string_view name) const {
  for (const Given& g : given_)
    if (g.name == name) return true;
  return false;
}

std::optional<std::string> Options::value(std::string_view name) const {
  for (const Given& g : given_)
    if (g.name == name) return g.value;
  return std::nullopt;
}

void Options::expect_positionals(std::span<const std::string_view> names) const {
  if (positionals_.size() < names.size())
    throw UsageError("missing argument " + std::string(names[positionals_.size()]));
  if (positionals_.size() > names.size())
    throw UsageError("unexpected argument '" + positionals_[names.size()] + "'");
}

std::string output_target(const Options& options) {
  const std::optional<std::string> target = options.value(output_option().name);
  if (target && target->empty())
    throw UsageError("bad value '' for -o (a file name, or - for standard output)");
  return target.value_or("");
}

}  // namespace toval::tools::cli
