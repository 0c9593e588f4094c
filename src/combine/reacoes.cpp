#include "combine/reacoes.h"

#include "input/combination_file.h"
#include "store/capacity.h"

namespace toval {

void REACOES(Store& s, Listing& listing, Whole& NNOS, Whole& I, Whole& NRES) {
  const Nodes& n = s.BL2;
  Reactions& r = s.BL11;
  Listing::Block& block = listing.resultants_of(s.BL4.CCAR(I), case_list_asker(s, I));

  // Records are taken by position: record J belongs to node J. A support
  // gets all three resultants.
  Whole K = 0;
  for (Whole J = 1; J <= NNOS; ++J) {
    if (!is_support(n, J)) {
      listing.pass_resultant(block, J);
      continue;
    }
    // Checked before the record of the 51st support is read or stored.
    if (K + 1 > s.capacities.supports)
      check_capacity(listing.unit(), K + 1, s.capacities.supports, "supported nodes",
                     listing.resultant_line(block, J));
    K = static_cast<Whole>(K + 1);
    r.NO_RES(K) = J;
    const NodeValuesRecord& v = listing.resultant(block, J);
    r.RES1(I, K) = v.V1;
    r.RES2(I, K) = v.V2;
    r.RES3(I, K) = v.V3;
  }
  NRES = K;
}

}  // namespace toval
