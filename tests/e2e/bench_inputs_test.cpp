// Small versions of the benchmark inputs, and versions of them with the
// traps of a listing that keeps what it has read (two blocks of one name, a
// block never asked for that holds garbage, a term naming a missing case
// after many good passes, a block without its resultants heading), run by
// the built program. Each must give, byte for byte, the report, console
// output and error of the plainly written steps run here, where every pass
// reads the forces file from the top.
#include "../../bench/bench_inputs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "driver/run.h"
#include "records/run_error.h"
#include "records/run_files.h"
#include "support/rescanning_steps.h"
#include "support/test_support.h"

namespace toval::testing {
namespace {

struct Inputs {
  std::string name, combinations, forces;
};

Inputs inputs_of(const bench::Shape& shape) {
  std::ostringstream cmb, frc;
  bench::write_combinations(cmb, shape);
  bench::write_forces(frc, shape);
  return {shape.name, cmb.str(), frc.str()};
}

struct Outcome {
  std::string report, console, error;
};

// The steps run in this process with every pass rescanning the file.
Outcome rescanning_run(const Inputs& in) {
  auto s = std::make_unique<Store>(TOVAL_CAPACITIES);
  auto f = std::make_unique<RunFiles>();
  f->unit3.open_memory(in.name + ".CMB", in.combinations);
  f->unit4.open_memory(in.name + ".FRC", in.forces);
  Outcome out;
  f->unit5.open_memory(&out.report);
  std::FILE* console = std::tmpfile();
  f->console.attach(stdin, console);
  try {
    reference::run_steps(*s, *f);
  } catch (const RunError& e) {
    out.error = e.what();
  }
  f->console.flush();
  std::rewind(console);
  for (int c; (c = std::fgetc(console)) != EOF;) out.console += static_cast<char>(c);
  std::fclose(console);
  return out;
}

// The built program over the same files must do exactly the same.
void expect_same_run(const Inputs& in) {
  const Outcome expected = rescanning_run(in);
  TempDir dir;
  dir.write(in.name + ".CMB", in.combinations);
  dir.write(in.name + ".FRC", in.forces);
  const RunResult run = run_program(dir.path(), in.name + ".CMB\n" + in.name + ".FRC\n");

  std::string report_name = in.name + ".TOV";
  report_name.resize(20, ' ');
  const std::string dialogue =
      "\n\n\nARQUIVO DE COMBINACOES : \n\n\nARQUIVO DE ESFORCOS    : \n\n\nARQUIVO DE SAIDA       : " +
      report_name + expected.console;
  if (expected.error.empty()) {
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dialogue + "\nStop - Program terminated.\n");
    EXPECT_EQ(run.err, "");
    ASSERT_FALSE(expected.report.empty());
  } else {
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, dialogue);
    EXPECT_EQ(run.err, expected.error);
  }
  EXPECT_TRUE(dir.read(in.name + ".TOV") == expected.report) << "the reports differ";
}

bench::Shape small(const char* name, int bars, int combinations, std::uint64_t padding) {
  return {name, 5, 20, bars, 4, combinations, 4, padding};
}

TEST(BenchInputs, SmallFullWideAndPaddedRunAsWhenRescanning) {
  expect_same_run(inputs_of(small("FULL", 10, 4, 0)));
  expect_same_run(inputs_of(small("WIDE", 20, 2, 0)));
  expect_same_run(inputs_of(small("PADDED", 10, 4, 300'000)));
}

// The block of case `name` in the forces file, heading to next heading.
std::string block_of(const std::string& forces, const std::string& name) {
  std::string heading = "     CARREGAMENTO: " + name;
  heading.resize(23, ' ');
  std::size_t from = forces.find(heading);
  EXPECT_NE(from, std::string::npos) << name;
  std::size_t to = forces.find("     CARREGAMENTO: ", from + 1);
  return forces.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

TEST(BenchInputs, TheFirstOfTwoBlocksWithOneNameIsRead) {
  Inputs in = inputs_of(small("TWICE", 10, 4, 0));
  // Case G2's block once more at the end of the file, named G1: never read.
  std::string again = block_of(in.forces, "G2");
  again.replace(again.find("G2"), 2, "G1");
  in.forces.insert(in.forces.rfind(" ======"), again);
  expect_same_run(in);
}

TEST(BenchInputs, ABlockNeverAskedForIsNeverParsed) {
  Inputs in = inputs_of(small("GARBAGE", 10, 4, 0));
  // A block of case ZZ, which no combination names, whose numbers are not numbers.
  std::string garbage = block_of(in.forces, "G2");
  garbage.replace(garbage.find("G2"), 2, "ZZ");
  for (std::size_t at = garbage.find(".0"); at != std::string::npos; at = garbage.find(".0", at + 1))
    garbage[at] = '#';
  in.forces.insert(in.forces.find(block_of(in.forces, "G2")), garbage);
  expect_same_run(in);
}

TEST(BenchInputs, ATermNamingAMissingCaseEndsTheRunAfterTheGoodPasses) {
  Inputs in = inputs_of(small("MISSING", 10, 4, 0));
  // The last term of the last combination names case XX.
  std::size_t last = in.combinations.rfind("FIMC");
  std::size_t term = in.combinations.rfind('\n', last - 2) + 1;
  in.combinations.replace(term + 14, 2, "XX");
  const Outcome expected = rescanning_run(in);
  ASSERT_NE(expected.error.find("\"     CARREGAMENTO: XX  \" (columns 1-23) was not found"),
            std::string::npos)
      << expected.error;
  expect_same_run(in);
}

TEST(BenchInputs, ABlockWithoutResultantsHeadingTakesTheNextBlocksResultants) {
  Inputs in = inputs_of(small("NORESULT", 10, 4, 0));
  const std::string g1 = block_of(in.forces, "G1");
  std::size_t at = in.forces.find(g1) + g1.find("     RESULTANTES NODAIS");
  in.forces.replace(at, 5, "     (SEM) ");
  expect_same_run(in);
}

}  // namespace
}  // namespace toval::testing
