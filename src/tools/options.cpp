#include "tools/options.h"

#include "tools/usage_error.h"

namespace toval::tools {

std::string option_label(const OptionSpec& spec) {
  std::string label;
  if (spec.short_name != '\0') label = std::string("-") + spec.short_name + "/";
  return label + "--" + std::string(spec.name);
}

Options::Options(std::span<const OptionSpec> specs, std::span<const std::string> args) : specs_(specs) {
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
    const OptionSpec* spec = nullptr;
    std::optional<std::string> inline_value;
    if (arg[1] == '-') {
      std::string_view body = std::string_view(arg).substr(2);
      std::size_t eq = body.find('=');
      spec = find_long(body.substr(0, eq));
      if (spec == nullptr) throw UsageError("unknown option '" + std::string(arg.substr(0, eq == std::string_view::npos ? arg.size() : eq + 2)) + "'");
      if (eq != std::string_view::npos) {
        if (!spec->takes_value) throw UsageError("option --" + std::string(spec->name) + " takes no value");
        inline_value = std::string(body.substr(eq + 1));
      }
    } else {
      spec = find_short(arg[1]);
      if (spec == nullptr) throw UsageError("unknown option '" + arg.substr(0, 2) + "'");
      if (arg.size() > 2) {
        if (!spec->takes_value) throw UsageError("option -" + std::string(1, arg[1]) + " takes no value");
        inline_value = arg.substr(2);  // "-oFILE"
      }
    }
    std::string_view written = arg[1] == '-' ? std::string_view("--") : std::string_view("-");
    std::string as_written = std::string(written) + (arg[1] == '-' ? std::string(spec->name) : std::string(1, arg[1]));
    if (!spec->takes_value) {
      add(*spec, {}, as_written);
      continue;
    }
    if (inline_value) {
      add(*spec, std::move(*inline_value), as_written);
      continue;
    }
    if (i + 1 >= args.size()) throw UsageError("option " + as_written + " needs a value (" + std::string(spec->value_name) + ")");
    add(*spec, args[++i], as_written);
  }
}

void Options::add(const OptionSpec& spec, std::string value, std::string_view as_written) {
  if (has(spec.name)) throw UsageError("option " + std::string(as_written) + " given more than once");
  given_.push_back({spec.name, std::move(value)});
}

const OptionSpec* Options::find_long(std::string_view name) const {
  for (const OptionSpec& s : specs_)
    if (s.name == name) return &s;
  return nullptr;
}

const OptionSpec* Options::find_short(char c) const {
  for (const OptionSpec& s : specs_)
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

}  // namespace toval::tools
