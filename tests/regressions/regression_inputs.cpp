#include "regressions/regression_inputs.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "support/test_support.h"

namespace toval::testing {

std::string regression_input(const std::string& name) {
  const std::string path = std::string(TOVAL_TEST_DATA) + "/regressions/data/" + name;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) throw std::runtime_error("missing regression input " + path);
  std::fclose(f);
  return read_file(path);
}

FieldInput field_input(const std::string& name) {
  const std::string bytes = regression_input(name);
  const std::size_t lf = bytes.find('\n');
  const std::string layout = bytes.substr(0, lf);
  FieldInput in;
  in.record = bytes.substr(lf + 1);
  if (!in.record.empty() && in.record.back() == '\n') in.record.pop_back();
  const int width = std::atoi(layout.c_str() + 1);
  const std::size_t point = layout.find('.');
  const int decimals = point == std::string::npos ? 0 : std::atoi(layout.c_str() + point + 1);
  in.item = layout[0] == 'F' ? F(width, decimals) : layout[0] == 'A' ? A(width) : I(width);
  return in;
}

}  // namespace toval::testing
