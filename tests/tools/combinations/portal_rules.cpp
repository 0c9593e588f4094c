#include "tools/combinations/portal_rules.h"

#include "tools/combinations/rules_file.h"

namespace toval::testing {

const char* const PORTAL_RULES = R"(titles = ["PORTICO DE ENSAIO", "CLIENTE DE ENSAIO", "PORTICO 1"]
sets = ["sls_quasi_permanent", "uls", "sls_frequent", "sls_characteristic"]

[categories.wind]
gamma = 1.5
psi0 = 0.6
psi1 = 0.2
psi2 = 0.0

[[actions]]
case = "G1"
kind = "permanent"
gamma_sup = 1.35
gamma_inf = 1.0

[[actions]]
case = "G2"
kind = "permanent"
gamma_sup = 1.5
gamma_inf = 0.0

[[actions]]
case = "Q"
kind = "variable"
gamma = 1.5
psi0 = 0.7
psi1 = 0.5
psi2 = 0.3

[[actions]]
case = "W1"
kind = "variable"
category = "wind"
group = "wind"

[[actions]]
case = "W2"
kind = "variable"
category = "wind"
group = "wind"
)";

tools::combinations::Rules rules_from(const std::string& text) {
  std::vector<std::string> warnings;
  return tools::combinations::parse_rules(text, "R.toml", warnings);
}

std::vector<std::string> described(const tools::combinations::Rules& rules,
                                   const std::vector<tools::combinations::Combination>& all) {
  std::vector<std::string> out;
  for (const tools::combinations::Combination& c : all) {
    std::string text = std::string(tools::combinations::set_key(c.set)) + ":";
    for (const tools::combinations::Term& t : c.terms)
      text += (t.action == c.terms.front().action ? " " : " + ") + t.multiplier + " " +
              rules.actions[t.action].name;
    out.push_back(text);
  }
  return out;
}

}  // namespace toval::testing
