// Fuzz target: a whole run over a pair of input files held in memory.
//
// Input: the combination file, the separator line below, then the forces
// file. Without a separator the whole input is the forces file and the
// combination file is a fixed small one, so that mutations of a forces file
// alone still reach the steps.
//
// A run must end either normally, with a complete report, or with one
// run-ending message and nothing written to the report (an existing report
// file would then keep its content). Anything else (a crash, an abort, a
// sanitizer report, a hang caught by libFuzzer's -timeout) is a fault.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "driver/run.h"
#include "fuzz_reference.h"
#include "records/run_error.h"
#include "records/run_files.h"
#include "store/store.h"
#include "support/rescanning_steps.h"

using namespace toval;
using namespace toval::fuzz;

namespace {

constexpr std::string_view SEPARATOR = "\n----8<----\n";

constexpr std::string_view FIXED_COMBINATIONS =
    "COMBINACOES\nPROJETO\nCLIENTE\nPORTICO\nFIMG\nG\nFIMC\nQ\nFIMC\nFIME\n"
    "COMB 1\n    1.4       G\n    1.5,Q\nFIMC\nFIME\n";

struct Outcome {
  bool normal = false;
  std::string report;   // what reached unit 5
  std::string message;  // the run-ending message
};

// One whole run over the two files: through the listing, or with the
// plainly written steps that rescan the forces file at every pass.
Outcome run(std::string_view combinations, std::string_view forces, bool rescanning) {
  auto s = std::make_unique<Store>(TOVAL_CAPACITIES);  // zeroed, as a program start finds it
  auto f = std::make_unique<RunFiles>();
  f->console.attach(stdin, nullptr);  // the axis line is not looked at
  f->unit3.open_memory("COMB.DAT", combinations);
  f->unit4.open_memory("ESF.DAT", forces);
  Outcome o;
  f->unit5.open_memory(&o.report);
  try {
    if (rescanning)
      reference::run_steps(*s, *f);
    else
      run_steps(*s, *f);
    o.normal = true;
  } catch (const RunError& e) {
    // Only the listing tells what a miscounted record held (the rescanning
    // steps pass records unexamined), so that clause is left out here.
    ErrorFields fields = e.fields();
    fields.miscount = {};
    o.message = RunError(fields).what();
  }
  return o;
}

void check_report(const std::string& report) {
  if (report.size() < 2 || report.compare(report.size() - 2, 2, "\r\n") != 0)
    fail("report not ended by a record end", report.substr(report.size() > 200 ? report.size() - 200 : 0));
  for (std::size_t at = report.find('\n'); at != std::string::npos; at = report.find('\n', at + 1))
    if (at == 0 || report[at - 1] != '\r') fail("report record not ended by CR LF", report.substr(0, 200));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view combinations = FIXED_COMBINATIONS;
  std::string_view forces = input;
  if (std::size_t at = input.find(SEPARATOR); at != std::string_view::npos) {
    combinations = input.substr(0, at);
    forces = input.substr(at + SEPARATOR.size());
  }

  const Outcome first = run(combinations, forces, false);
  if (first.normal) {
    check_report(first.report);
  } else {
    if (!is_run_error_message(first.message)) fail("run-ending message of the wrong shape", first.message);
    if (!first.report.empty()) fail("report written by a run that ended with an error", first.message);
  }
  // The listing keeps what it has read; reading the file from the top at
  // every pass instead must give the same run, byte for byte, and the same
  // first error.
  const Outcome second = run(combinations, forces, true);
  if (second.normal != first.normal || second.report != first.report || second.message != first.message)
    fail("the listing's run differs from the rescanning run", input.substr(0, 400));
  return 0;
}
