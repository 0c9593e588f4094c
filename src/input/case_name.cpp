#include "input/case_name.h"

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

}  // namespace toval
