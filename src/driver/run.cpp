#include "driver/run.h"

#include "driver/analysis.h"
#include "driver/dialogue.h"
#include "driver/report_name.h"
#include "records/platform.h"
#include "records/record_io.h"
#include "records/run_error.h"
#include "records/text.h"
#include "report/impress.h"

namespace toval {

namespace {

constexpr Item REPORT_PROMPT[] = {SLASH, SLASH, Text(" ARQUIVO DE SAIDA       : "), NO_END};
constexpr Item REPORT_NAME[] = {A(20)};

// The report must never overwrite one of the inputs (a combination file
// whose own name ends in TOV would otherwise be destroyed).
void refuse_input_as_report(const std::string& report, const InputUnit& unit, const char* role) {
  refuse_input_as_output(
      report, unit.name(),
      "the report file would be the " + std::string(role) + " " + unit.name() +
          " itself; rename the combination file so that its name does not give this report "
          "name (the report takes the name up to the first \".\" followed by TOV)");
}

}  // namespace

void run_steps(Store& s, RunFiles& f) {
  Listing listing(f.unit4);
  RunCounts c;
  analyse(s, f, listing, c);
  IMPRESS(s, f.unit5, c.NBAR, c.NCCAR, c.NRES);
}

int run_toval(Store& s, RunFiles& f, std::span<char* const> arguments) {
  Arguments args{arguments};
  Name<20> AENT1, AENT2;
  ask_for_file(f.console, 3, " ARQUIVO DE COMBINACOES : ", AENT1, f.unit3, args);
  ask_for_file(f.console, 4, " ARQUIVO DE ESFORCOS    : ", AENT2, f.unit4, args);

  Name<20> ASAI = report_name(AENT1);
  write_record(f.console, REPORT_PROMPT);
  write_record(f.console, REPORT_NAME, ASAI);
  std::string report(without_blanks(ASAI.view()));
  refuse_input_as_report(report, f.unit3, "combination file");
  refuse_input_as_report(report, f.unit4, "forces file");
  f.unit5.open(report);

  run_steps(s, f);

  f.unit5.close();
  f.unit4.close();
  f.unit3.close();
  f.console.stop_message();
  return 0;
}

}  // namespace toval
