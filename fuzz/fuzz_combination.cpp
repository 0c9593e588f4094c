// Fuzz target: the combination file reader. The input is the combination
// file; what the reader stores is compared with the file's grammar read a
// second time (fuzz_reference.cpp), and a file that the grammar cannot read
// must end the run with one read error.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "driver/analysis.h"
#include "driver/run.h"
#include "fuzz_reference.h"
#include "input/combination_file.h"
#include "records/run_error.h"
#include "store/store.h"

using namespace toval;
using namespace toval::fuzz;

namespace {

void check_stored(const Store& s, Whole NCCAR, const RefCombinationFile& want, std::string_view file) {
  if (s.BL1.PRJT.view() != want.titles[0] || s.BL1.CLIT.view() != want.titles[1] ||
      s.BL1.PORT.view() != want.titles[2])
    fail("titles read wrongly", file);
  if (NCCAR != static_cast<Whole>(want.cases.size())) fail("wrong number of cases", file);
  for (Whole K = 1; K <= NCCAR; ++K)
    if (s.BL4.CCAR(K).view() != want.cases[static_cast<std::size_t>(K - 1)])
      fail("case name read wrongly", file);
  if (s.BL5.NCOB != static_cast<Whole>(want.combinations.size())) fail("wrong number of combinations", file);
  for (Whole I = 1; I <= s.capacities.combinations; ++I) {
    const bool used = I <= s.BL5.NCOB;
    const auto terms = used ? want.combinations[static_cast<std::size_t>(I - 1)].size() : 0;
    if (s.BL5.NCASO(I) != static_cast<Whole>(terms)) fail("wrong number of terms", file);
    for (Whole J = 1; J <= s.capacities.terms; ++J) {
      // Beyond its terms a combination keeps the starting state: the closing
      // record changes nothing.
      Real mult = 0.0f;
      std::string name = "    ";
      if (static_cast<std::size_t>(J) <= terms) {
        const auto& t = want.combinations[static_cast<std::size_t>(I - 1)][static_cast<std::size_t>(J - 1)];
        mult = t.first;
        name = t.second;
      }
      Real got = s.BL5.MULT(I, J);
      if (std::memcmp(&got, &mult, sizeof got) != 0) fail("multiplier read wrongly", file);
      if (s.BL5.CASO(I, J).view() != name) fail("term case name read wrongly", file);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view file(reinterpret_cast<const char*>(data), size);
  auto s = std::make_unique<Store>(TOVAL_CAPACITIES);  // zeroed, as a program start finds it
  prepare_store(*s);
  InputUnit unit3;
  unit3.open_memory("COMB.DAT", file);
  const RefCombinationFile want = reference_combination_file(file);
  Whole NCCAR = 0;
  try {
    read_combination_file(*s, unit3, NCCAR);
  } catch (const RunError& e) {
    if (!is_run_error_message(e.what())) fail("run-ending message of the wrong shape", e.what());
    if (!want.ends_run) fail("run ended although the file reads under its grammar", e.what());
    return 0;
  }
  if (want.ends_run) fail("file read although its grammar cannot read it", file);
  check_stored(*s, NCCAR, want, file);
  return 0;
}
