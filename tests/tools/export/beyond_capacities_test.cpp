// A frame of 30 cases and 120 combinations, beyond toval's capacities, read
// by toval-tools whole, and in pieces that toval takes (10 cases and 10
// combinations each, drawn from the big file): every case and combination a
// piece shares with the whole must give the same values. Each piece is run
// by the toval program and by toval's steps in this process at toval's
// capacities; their reports must be the same bytes, and the tables behind
// the report are what the whole export is compared with.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>

#include "driver/run.h"
#include "records/run_error.h"
#include "records/run_files.h"
#include "tools/frame_files.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

using Json = nlohmann::json;

constexpr int CASES = 30, COMBINATIONS = 120, PIECE = 10;

std::string case_name(int k) {
  return "C" + std::to_string(k);
}

// Combination i (from 1): two to four terms over cases spread through the
// list, with multipliers that differ from one combination to the next.
std::vector<std::pair<std::string, std::string>> terms_of(int i) {
  std::vector<std::pair<std::string, std::string>> terms;
  const int count = 2 + i % 3;
  for (int t = 0; t < count; ++t) {
    const int c = (i * 7 + t * 11) % CASES + 1;
    char mult[16];
    std::snprintf(mult, sizeof mult, "%.2f", (t % 2 == 0 ? 1.0 : -0.5) * (1.0 + 0.05 * ((i + t) % 9)));
    terms.emplace_back(mult, case_name(c));
  }
  return terms;
}

// The head, the given cases and the given combinations (numbered from 1).
std::string combination_file(const std::vector<int>& cases, int first, int count) {
  std::vector<std::string> out = {
      "COMBINACOES", "PROJETO GRANDE", "CLIENTE", "PORTICO DE MUITOS CASOS", "ELU", "FIMG"};
  for (int c : cases) out.insert(out.end(), {case_name(c), "FIMC"});
  out.push_back("FIME");
  for (int i = first; i < first + count; ++i) {
    out.push_back("COMBINACAO " + std::to_string(i));
    for (const auto& [mult, name] : terms_of(i)) {
      std::string record = "    " + mult;
      record.resize(14, ' ');
      out.push_back(record + name);
    }
    out.push_back("FIMC");
  }
  out.push_back("FIME");
  return joined(out);
}

Frame big_frame() {
  Frame f = multi_storey(2, 3);
  f.cases.clear();
  for (int k = 1; k <= CASES; ++k) f.cases.push_back(case_name(k));
  return f;
}

// toval's steps over a piece, in this process, at toval's capacities.
struct Piece {
  std::string combinations, forces, report;
  std::unique_ptr<Store> s = std::make_unique<Store>(TOVAL_CAPACITIES);
  std::unique_ptr<RunFiles> files = std::make_unique<RunFiles>();
};

void run_piece(Piece& p) {
  p.files->unit3.open_memory("PIECE.CMB", p.combinations);
  p.files->unit4.open_memory("BIG.LIS", p.forces);
  p.files->unit5.open_memory(&p.report);
  std::FILE* console = std::tmpfile();
  p.files->console.attach(stdin, console);
  run_steps(*p.s, *p.files);
  p.files->unit5.close();
  std::fclose(console);
}

void expect_value(const Json& v, Real stored, const std::string& what) {
  ASSERT_TRUE(v.is_number()) << what << ": " << v.dump();
  EXPECT_EQ(static_cast<Real>(v.get<double>()), stored) << what;
}

TEST(BeyondTovalsCapacities, EveryPieceThatTovalTakesAgreesWithTheWholeExport) {
  const Frame frame = big_frame();
  std::vector<int> all;
  for (int k = 1; k <= CASES; ++k) all.push_back(k);
  TempDir dir;
  const std::string forces = joined(forces_lines(frame));
  dir.write("BIG.LIS", forces);
  dir.write("BIG.CMB", combination_file(all, 1, COMBINATIONS));
  const RunResult whole = run_tools(dir.path(), {"export", "BIG.CMB", "BIG.LIS"});
  ASSERT_EQ(whole.status, 0) << whole.err;
  const Json j = Json::parse(whole.out);
  ASSERT_EQ(j["combinations"].size(), static_cast<std::size_t>(COMBINATIONS));
  ASSERT_EQ(j["cases"].size(), static_cast<std::size_t>(CASES));
  const std::size_t bars = frame.bars.size();
  ASSERT_EQ(j["bar_forces"].size(), COMBINATIONS * bars);

  for (int piece = 0; piece < COMBINATIONS / PIECE; ++piece) {
    SCOPED_TRACE("piece " + std::to_string(piece + 1));
    // Ten cases, a third of the list in turn, and ten combinations in turn.
    std::vector<int> cases;
    for (int k = 1; k <= PIECE; ++k) cases.push_back((piece % 3) * PIECE + k);
    const int first = piece * PIECE + 1;
    Piece p;
    p.combinations = combination_file(cases, first, PIECE);
    p.forces = forces;
    ASSERT_NO_THROW(run_piece(p));
    const Store& s = *p.s;

    // The program makes the same report as the steps run here.
    dir.write("PIECE.CMB", p.combinations);
    const RunResult toval = run_program(dir.path(), "PIECE.CMB\nBIG.LIS\n");
    ASSERT_EQ(toval.status, 0) << toval.err;
    EXPECT_EQ(read_file(dir.path() + "/PIECE.TOV"), p.report);

    for (int c = 0; c < PIECE; ++c) {
      const Json& d = j["displacements"][static_cast<std::size_t>(cases[static_cast<std::size_t>(c)] - 1)];
      ASSERT_EQ(d["case"], case_name(cases[static_cast<std::size_t>(c)]));
      const Whole C = static_cast<Whole>(c + 1);
      if (s.BL7.NO_E != 0) {
        expect_value(d["left"][0], s.BL8.DX_E(C), "DX left");
        expect_value(d["left"][1], s.BL8.DY_E(C), "DY left");
        expect_value(d["left"][2], s.BL8.DZ_E(C), "DZ left");
      }
      if (s.BL7.NO_D != 0) {
        expect_value(d["right"][0], s.BL8.DX_D(C), "DX right");
        expect_value(d["right"][2], s.BL8.DZ_D(C), "DZ right");
      }
      expect_value(d["axis"][1], s.BL8.DY_C(C), "DY axis");
      const Json& supports =
          j["reactions"][static_cast<std::size_t>(cases[static_cast<std::size_t>(c)] - 1)]["supports"];
      for (std::size_t k = 0; k < supports.size(); ++k) {
        const Whole K = static_cast<Whole>(k + 1);
        ASSERT_EQ(supports[k]["node"], s.BL11.NO_RES(K));
        expect_value(supports[k]["reactions"][0], s.BL11.RES1(C, K), "reaction 1");
        expect_value(supports[k]["reactions"][1], s.BL11.RES2(C, K), "reaction 2");
        expect_value(supports[k]["reactions"][2], s.BL11.RES3(C, K), "reaction 3");
      }
    }
    for (Whole I = 1; I <= PIECE; ++I)
      for (Whole K = 1; K <= static_cast<Whole>(bars); ++K) {
        const std::size_t at =
            static_cast<std::size_t>(first + I - 2) * bars + static_cast<std::size_t>(K - 1);
        const Json& f = j["bar_forces"][at];
        ASSERT_EQ(f["combination"], first + I - 1);
        ASSERT_EQ(f["bar"], K);
        const long POS = slot(I, static_cast<long>(bars), K);
        const std::string what = "combination " + std::to_string(first + I - 1) + " bar " + std::to_string(K);
        expect_value(f["N"], s.BL9.R_NORMAL(POS), what + " N");
        for (long e = 1; e <= 2; ++e) {
          expect_value(f["V"][static_cast<std::size_t>(e - 1)], s.BL9.R_CORTTE(POS, e), what + " V");
          expect_value(f["M"][static_cast<std::size_t>(e - 1)], s.BL9.R_FLETOR(POS, e), what + " M");
        }
        EXPECT_EQ(f["bending"].get<bool>(), s.BL9.BESF_VM(POS) != 0) << what;
      }
  }
}

}  // namespace
}  // namespace toval::testing
