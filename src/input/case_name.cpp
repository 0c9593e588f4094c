#include "input/case_name.h"

#include <algorithm>

#include "records/run_error.h"

namespace toval {

namespace {

// Position of the first comma, from 1; 0 when there is none.
std::size_t comma_position(const Name<4>& name) {
  const std::size_t at = name.view().find(',');
  return at == std::string_view::npos ? 0 : at + 1;
}

}  // namespace

void comma_treatment(Name<4>& CASO) {
  std::size_t POSV = comma_position(CASO);
  if (POSV == 1) CASO = Name<4>::of(CASO.view().substr(1));
  POSV = comma_position(CASO);
  if (POSV != 0) CASO = Name<4>::of(CASO.view().substr(0, POSV - 1));
}

std::string case_label(const Name<4>& name) {
  std::string_view text = name.view();
  text = text.substr(0, text.find_last_not_of(' ') + 1);  // npos + 1 == 0 for an all-blank name
  const bool plain =
      !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7f; });
  return plain ? std::string(text) : quoted(name.view());
}

std::string quoted_name(const Name<4>& name) {
  const std::string_view v = name.view();
  return quoted(v.substr(0, v.find_last_not_of(' ') + 1));  // npos + 1 == 0 for an all-blank name
}

}  // namespace toval
