#include "input/case_blocks.h"

#include <string>

#include "store/record_io.h"

namespace toval {

void block_search(Store& s, const Name<4>& name) {
  s.unit4.rewind();
  std::string heading(CASE_HEADING);
  heading += name.view();
  section_scan(s.unit4, heading);
}

void resultants_search(Store& s, const Name<4>&) { section_scan(s.unit4, RESULTANTS_HEADING); }

}  // namespace toval
