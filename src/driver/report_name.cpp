#include "driver/report_name.h"

#include <string>

namespace toval {

Name<20> report_name(const Name<20>& AENT1) {
  auto point = AENT1.view().find('.');
  std::size_t POSP = point == std::string_view::npos ? 0 : point + 1;
  std::string ASAI(AENT1.view().substr(0, POSP));
  ASAI += "TOV";
  return Name<20>::of(ASAI);
}

}  // namespace toval
