#include "driver/analysis.h"

#include <vector>

#include "combine/desloc.h"
#include "combine/ltrer.h"
#include "combine/maxesfbc.h"
#include "combine/reacoes.h"
#include "combine/simetria.h"
#include "input/ltrcg.h"
#include "records/run_error.h"

namespace toval {

void prepare_store(Store& s) {
  s.BL9.ESF_VM = 0;
  s.BL5.NCASO.fill(0);
  s.BL5.MULT.fill(0.0f);
  s.BL5.CASO.fill(Name<4>::blank());
  for (auto* table : {&s.BL8.DX_E, &s.BL8.DY_E, &s.BL8.DZ_E, &s.BL8.DX_C, &s.BL8.DY_C, &s.BL8.DZ_C,
                      &s.BL8.DX_D, &s.BL8.DY_D, &s.BL8.DZ_D})
    table->fill(0.0f);
  s.BL3.NI.fill(0);
  s.BL3.NF.fill(0);
  s.BL3.PROP.fill(0);
  s.BL3.L.fill(0.0f);
  s.BL3.CD.fill(0.0f);
  s.BL10.R_NORMAL_MAX.fill(0.0f);
  s.BL9.R_NORMAL.fill(0.0f);
  s.BL9.BESF_VM.fill(0);
  s.BL9.R_CORTTE.fill(0.0f);
  s.BL9.R_FLETOR.fill(0.0f);
}

namespace {

void run_analysis(Store& s, RunFiles& files, Listing& listing, RunCounts& c) {
  prepare_store(s);
  LTRCG(s, files.unit3, listing, c.NNOS, c.NBAR, c.NCCAR);
  // Every case and every term's case is asked for once per pass.
  std::vector<Name<4>> asked;
  for (Whole K = 1; K <= c.NCCAR; ++K) asked.push_back(s.BL4.CCAR(K));
  for (Whole I = 1; I <= s.BL5.NCOB; ++I)
    for (Whole J = 1; J <= s.BL5.NCASO(I); ++J) asked.push_back(s.BL5.CASO(I, J));
  listing.keep_blocks(asked, c.NNOS, c.NBAR);
  SIMETRIA(s, files.console, c.NNOS, c.NBAR, c.XS);
  DESLOC(s, listing, c.NNOS, c.XS, c.NCCAR);
  for (Whole I = 1, NCOB = s.BL5.NCOB; I <= NCOB; ++I)
    for (Whole J = 1, NCASO = s.BL5.NCASO(I); J <= NCASO; ++J) LTRER(s, listing, c.NNOS, c.NBAR, I, J);
  MAXESFBC(s, c.NBAR);
  for (Whole I = 1, N = c.NCCAR; I <= N; ++I) REACOES(s, listing, c.NNOS, I, c.NRES);
}

}  // namespace

RunError explained(const RunError& e, const Listing& listing) {
  // Faults of the combination file are its own; the forces file's and
  // the arithmetic's follow from the sections as read.
  const std::string& file = e.fields().file;
  if (listing.section_end().empty() || !(file.empty() || file == listing.unit().name())) return e;
  if (e.fields().miscount.holds == Miscount::Holds::nothing) return e.with_hint(listing.section_end());
  // A section that ended early miscounts every block: it is the cause.
  ErrorFields f = e.fields();
  f.miscount = {};
  return RunError(std::move(f)).with_hint(listing.section_end());
}

void analyse(Store& s, RunFiles& files, Listing& listing, RunCounts& c) {
  try {
    run_analysis(s, files, listing, c);
  } catch (const RunError& e) {
    throw explained(e, listing);
  }
}

}  // namespace toval
