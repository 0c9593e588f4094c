#include "tools/cli/units.h"

#include "tools/cli/usage_error.h"
#include "tools/cli/utf8_text.h"

namespace toval::tools::cli {

namespace {

// A unit's name as UTF-8 (other bytes read as Latin-1, as input files are);
// none when it is empty, has blanks at an end or holds a control character.
std::optional<std::string> unit_name(std::string_view bytes) {
  if (bytes.empty() || bytes.front() == ' ' || bytes.back() == ' ') return std::nullopt;
  std::string name;
  while (!bytes.empty()) {
    const char32_t c = take_character(bytes);
    if (c < 0x20 || (c >= 0x7f && c < 0xa0)) return std::nullopt;
    append_utf8(name, c);
  }
  return name;
}

}  // namespace

std::optional<Units> make_units(std::string_view force, std::string_view length) {
  std::optional<std::string> f = unit_name(force);
  std::optional<std::string> l = unit_name(length);
  if (!f || !l) return std::nullopt;
  return Units{std::move(*f), std::move(*l)};
}

std::optional<Units> parse_units(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::string_view length = text.substr(comma + 1);
  if (length.find(',') != std::string_view::npos) return std::nullopt;
  return make_units(text.substr(0, comma), length);
}

std::optional<Units> units_option(const Options& options) {
  const std::optional<std::string> given = options.value(UNITS_OPTION.name);
  if (!given) return std::nullopt;
  std::optional<Units> units = parse_units(*given);
  if (!units) throw UsageError("bad value '" + *given + "' for --units (FORCE,LENGTH, for instance kN,m)");
  return units;
}

std::string unit_text(const std::optional<Units>& units, Quantity q) {
  if (!units) return {};
  switch (q) {
    case Quantity::force:
      return units->force;
    case Quantity::moment:
      return units->force + "\u00b7" + units->length;
    case Quantity::length:
      return units->length;
    case Quantity::rotation:
      return "rad";
  }
  return {};
}

std::string with_unit(std::string_view heading, const std::optional<Units>& units, Quantity q) {
  if (!units) return std::string(heading);
  return std::string(heading) + " (" + unit_text(units, q) + ")";
}

}  // namespace toval::tools::cli
