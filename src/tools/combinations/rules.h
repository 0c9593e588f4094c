// The design rules as a rules file gives them: titles, the combination sets
// wanted, and the actions in order with their factors.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/cli/combination_sets.h"
#include "tools/cli/units.h"
#include "tools/combinations/decimal.h"

namespace toval::tools::combinations {

// The sets, in the order the file writes them, and their keys are those
// every subcommand knows.
using cli::ALL_SETS;
using cli::CombinationSet;
using cli::set_key;

enum class ActionKind { permanent, variable };

struct Action {
  std::string name;  // the case name, 1-4 characters, not padded
  ActionKind kind = ActionKind::permanent;
  // Permanent: gamma_sup, gamma_inf. Variable: gamma, psi0, psi1, psi2.
  // Only the factors the requested sets need are sure to be there.
  std::optional<Decimal> gamma_sup, gamma_inf, gamma, psi0, psi1, psi2;
  // Permanent: the source whose choice of gamma it shares (its own when
  // the file names none). Variable: its exclusive group, or none.
  int source = -1;
  int group = -1;
  std::string source_name, group_name;  // as the file names them; empty for none
  std::string description;              // free text for the case entry; empty for none
};

struct Rules {
  std::array<std::string, 3> titles;
  std::vector<CombinationSet> sets;  // each once, in the order above
  std::vector<Action> actions;
  int sources = 0;  // numbered from 0 in the order of their first action
  int groups = 0;   // numbered from 0 in the order of their first action
  // The units the forces file's values are in, when the file states them:
  // named in every output, never used to convert.
  std::optional<cli::Units> units;
};

}  // namespace toval::tools::combinations
