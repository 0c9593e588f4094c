#include "input/ltrcg.h"

#include <string>

#include "input/combination_file.h"
#include "store/capacity.h"

namespace toval {

void LTRCG(Store& s, InputUnit& unit3, Listing& listing, Whole& NNOS, Whole& NBAR, Whole& NCCAR) {
  listing.read_structure_sections(s, NNOS, NBAR);
  read_combination_file(s, unit3, NCCAR);
  // Every (combination, bar) pair needs a slot of combined forces.
  const long slots = static_cast<long>(s.BL5.NCOB) * NBAR;
  check_capacity(unit3, slots, s.capacities.slots,
                 "slots of combined bar forces: " + std::to_string(s.BL5.NCOB) + " combinations x " +
                     std::to_string(NBAR) + " bars need " + std::to_string(slots));
}

}  // namespace toval
