// The units a run's values are in, as the user names them: the forces
// file's numbers are never converted, the outputs only say which units
// they are. Given with --units FORCE,LENGTH on export, draw and report.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/cli/options.h"

namespace toval::tools::cli {

struct Units {
  std::string force, length;  // UTF-8, as given
};

// What a value measures, and so which unit it carries.
enum class Quantity {
  force,     // FORCE
  moment,    // FORCE·LENGTH
  length,    // LENGTH: coordinates, lengths, displacements
  rotation,  // rad
};

inline constexpr OptionDefinition UNITS_OPTION{"units", '\0', true, "FORCE,LENGTH"};

// The value of --units: none when not given. Two names separated by one
// comma, each not empty, without blanks at either end and without control
// characters; anything else is a usage error naming the option.
std::optional<Units> units_option(const Options& options);
std::optional<Units> parse_units(std::string_view text);
// The same rule for the two names given apart (a rules file's units).
std::optional<Units> make_units(std::string_view force, std::string_view length);

// The unit of a quantity ("kN", "kN·m", "m", "rad"); empty without units.
std::string unit_text(const std::optional<Units>& units, Quantity q);

// A heading with its unit after it: "N (kN)"; the heading alone without
// units.
std::string with_unit(std::string_view heading, const std::optional<Units>& units, Quantity q);

}  // namespace toval::tools::cli
