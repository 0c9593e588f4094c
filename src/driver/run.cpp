#include "driver/run.h"

#include "combine/desloc.h"
#include "combine/ltrer.h"
#include "combine/maxesfbc.h"
#include "combine/reacoes.h"
#include "combine/simetria.h"
#include "driver/dialogue.h"
#include "driver/report_name.h"
#include "input/ltrcg.h"
#include "report/impress.h"
#include "store/record_io.h"
#include "store/platform.h"
#include "store/run_error.h"

namespace toval {

namespace {

constexpr Item REPORT_PROMPT[] = {SLASH, SLASH, Text(" ARQUIVO DE SAIDA       : "), NO_END};
constexpr Item REPORT_NAME[] = {A(20)};

// The report must never overwrite one of the inputs (a combination file
// whose own name ends in TOV would otherwise be destroyed).
void refuse_input_as_report(const std::string& report, const InputUnit& unit, const char* role) {
  if (!platform::same_file(report, unit.name())) return;
  throw file_error(ReadFault::same_file, "OPEN", report,
                   "the report file would be the " + std::string(role) + " " + unit.name() +
                       " itself; rename the combination file so that its name does not give this report "
                       "name (the report takes the name up to the first \".\" followed by TOV)");
}

}  // namespace

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

void run_steps(Store& s) {
  prepare_store(s);
  Whole NNOS = 0, NBAR = 0, NCCAR = 0, NRES = 0;
  Real XS = 0.0f;
  LTRCG(s, NNOS, NBAR, NCCAR);
  SIMETRIA(s, NNOS, NBAR, XS);
  DESLOC(s, NNOS, XS, NCCAR);
  for (Whole I = 1, NCOB = s.BL5.NCOB; I <= NCOB; ++I)
    for (Whole J = 1, NCASO = s.BL5.NCASO(I); J <= NCASO; ++J) LTRER(s, NNOS, NBAR, I, J);
  MAXESFBC(s, NBAR);
  for (Whole I = 1, N = NCCAR; I <= N; ++I) REACOES(s, NNOS, I, NRES);
  IMPRESS(s, NBAR, NCCAR, NRES);
}

int run_toval(Store& s, std::span<char* const> arguments) {
  Arguments args{arguments};
  Name<20> AENT1, AENT2;
  ask_for_file(s, 3, " ARQUIVO DE COMBINACOES : ", AENT1, s.unit3, args);
  ask_for_file(s, 4, " ARQUIVO DE ESFORCOS    : ", AENT2, s.unit4, args);

  Name<20> ASAI = report_name(AENT1);
  write_record(s.console, REPORT_PROMPT);
  write_record(s.console, REPORT_NAME, ASAI);
  std::string report = trimmed(ASAI.view());
  refuse_input_as_report(report, s.unit3, "combination file");
  refuse_input_as_report(report, s.unit4, "forces file");
  s.unit5.open(report);

  run_steps(s);

  s.unit5.close();
  s.unit4.close();
  s.unit3.close();
  s.console.stop_message();
  return 0;
}

}  // namespace toval
