#include "tools/cli/catalogue.h"

#include "tools/cli/usage_error.h"

namespace toval::tools::cli {

namespace {

// The one filling rule, over any list of arguments.
template <class Args>
std::string filled(std::string_view pattern, const Args& args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < args.size()) out += *(args.begin() + static_cast<std::ptrdiff_t>(n));
      ++i;
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace

std::string fill_in(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return filled(pattern, args);
}

std::string fill_in(std::string_view pattern, std::span<const std::string> args) {
  return filled(pattern, args);
}

Language language_option(const Options& options, Language absent) {
  const std::optional<std::string> given = options.value(LANGUAGE_OPTION.name);
  if (!given) return absent;
  if (*given == "pt") return Language::pt;
  if (*given == "en") return Language::en;
  throw UsageError("bad value '" + *given + "' for --lang (pt or en)");
}

}  // namespace toval::tools::cli
