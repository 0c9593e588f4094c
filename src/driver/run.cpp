#include "driver/run.h"

#include "driver/analysis.h"
#include "driver/dialogue.h"
#include "driver/report_name.h"
#include "report/impress.h"
#include "records/record_io.h"
#include "records/platform.h"
#include "records/run_error.h"
#include "records/text.h"

namespace toval {

namespace {

constexpr Item REPORT_PROMPT[] = {SLASH, SLASH, Text(" ARQUIVO DE SAIDA       : "), NO_END};
constexpr Item REPORT_NAME[] = {A(20)};

// The report must never overwrite one of the inputs (a combination file
// whose own name ends in TOV would otherwise be destroyed).
void refuse_input_as_report(const std::string& report, const InputUnit& unit, const char* role) {
  refuse_input_as_output(report, unit.name(),
                         "the report file would be the " + std::string(role) + " " + unit.name() +
                             " itself; rename the combination file so that its name does not give this report "
                             "name (the report takes the name up to the first \".\" followed by TOV)");
}

}  // namespace

void run_steps(Store& s) {
  Listing listing(s.unit4);
  RunCounts c;
  analyse(s, listing, c);
  IMPRESS(s, c.NBAR, c.NCCAR, c.NRES);
}

int run_toval(Store& s, std::span<char* const> arguments) {
  Arguments args{arguments};
  Name<20> AENT1, AENT2;
  ask_for_file(s, 3, " ARQUIVO DE COMBINACOES : ", AENT1, s.unit3, args);
  ask_for_file(s, 4, " ARQUIVO DE ESFORCOS    : ", AENT2, s.unit4, args);

  Name<20> ASAI = report_name(AENT1);
  write_record(s.console, REPORT_PROMPT);
  write_record(s.console, REPORT_NAME, ASAI);
  std::string report(without_blanks(ASAI.view()));
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
