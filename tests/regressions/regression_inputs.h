// Inputs that once made the program misbehave, kept under
// tests/regressions/data/, and the means to replay them.
#pragma once

#include <string>

#include "records/layout.h"

namespace toval::testing {

// The bytes of data/<name>.
std::string regression_input(const std::string& name);

// A field input as the field fuzz target takes it: a one-item layout on the
// first line ("I129", "F2.255"), the record after it.
struct FieldInput {
  Item item{Item::Kind::integer};
  std::string record;
};
FieldInput field_input(const std::string& name);

}  // namespace toval::testing
