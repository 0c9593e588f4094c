// The export written as it is formed: the document's text is the one the
// JSON library's tree gives back when read and written whole, for frames
// that meet every kind of value; the writer lays out and escapes as the
// library does; an output file is replaced only by a complete text.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

#include "../../../bench/bench_inputs.h"
#include "tools/cli/json_text.h"
#include "tools/cli/loaded_run.h"
#include "tools/cli/output_file.h"
#include "tools/export/results_json.h"
#include "tools/tools_process.h"

namespace toval::tools::export_ {
namespace {

using Json = nlohmann::ordered_json;
using testing::TempDir;

std::string streamed_document(const std::string& combination_file, const std::string& forces_file) {
  cli::LoadedRun run(combination_file, forces_file);
  std::ostringstream out;
  write_results_json(run, out);
  return std::move(out).str();
}

TEST(StreamedExport, TheDocumentIsTheTextOfItsOwnTree) {
  TempDir dir;
  testing::copy_example(dir);
  // Twelve cases (names past the first ten), every bar paired or not, and
  // a title with a quote, a backslash and a Latin-1 byte.
  const bench::Shape shape{"GRID", 5, 20, 25, 12, 6, 5, 0};
  std::ostringstream cmb, frc;
  bench::write_combinations(cmb, shape);
  bench::write_forces(frc, shape);
  std::string titles = cmb.str();
  titles.replace(titles.find("ENSAIO DE DESEMPENHO"), 20, "ENSAIO \"A\" \\ N\xBA 2");
  // A last combination whose term names a case the list lacks; the forces
  // file has its block, a copy of G1's.
  titles.insert(titles.rfind("FIME"), "C7   SEM CASO\r\n          1.00ZZ  \r\nFIMC\r\n");
  dir.write("GRID.CMB", titles);
  const std::string forces = frc.str();
  const std::size_t g1 = forces.find("     CARREGAMENTO: G1  ");
  std::string zz = forces.substr(g1, forces.find("     CARREGAMENTO: G2  ") - g1);
  zz.replace(19, 2, "ZZ");
  dir.write("GRID.FRC", forces + zz);

  for (const auto& [cmb_file, frc_file] :
       {std::pair{"GALPAO.CMB", "GALPAO.ESF"}, std::pair{"GRID.CMB", "GRID.FRC"}}) {
    const std::string text = streamed_document(dir.file(cmb_file), dir.file(frc_file));
    const Json tree = Json::parse(text);
    EXPECT_EQ(cli::json_text(tree), text) << cmb_file;
    if (std::string(cmb_file) == "GRID.CMB") {
      EXPECT_EQ(tree["titles"]["project"], "ENSAIO \"A\" \\ N\xC2\xBA 2");
      EXPECT_EQ(tree["cases"][11], "L12");
      EXPECT_EQ(tree["combined_reactions"][6]["missing_cases"], Json({"ZZ"}));
      EXPECT_TRUE(tree["combined_displacements"][6]["axis"].is_null());
      EXPECT_EQ(tree["bar_forces"].size(), 7u * 25u);
    }
  }
}

// Each value as the writer gives it, and the same document as a tree.
TEST(JsonWriter, LayoutWholeNumbersAndEscapesAsTheLibraryDumpsThem) {
  const std::string awkward = std::string("quote \" backslash \\ slash / tab \t nl \n cr \r ") + '\x01' +
                              '\x1f' + " del \x7f \xC3\x87 \xE2\x82\xAC \xF0\x9F\x99\x82";
  std::ostringstream out;
  cli::JsonWriter w(out);
  w.begin_object();
  w.key("empty_list");
  w.begin_array();
  w.end_array();
  w.key("empty_object");
  w.begin_object();
  w.end_object();
  w.key(awkward);
  w.value(awkward);
  w.key("wholes");
  w.begin_array();
  w.value(Whole{-32767});
  w.value(std::int64_t{0});
  w.value(std::int64_t{-9007199254740993});
  w.end_array();
  w.key("nested");
  w.begin_array();
  w.begin_array();
  w.end_array();
  w.begin_object();
  w.key("flag");
  w.value(false);
  w.key("nothing");
  w.null();
  w.end_object();
  w.value(true);
  w.end_array();
  w.end_object();
  w.finish();

  Json doc;
  doc["empty_list"] = Json::array();
  doc["empty_object"] = Json::object();
  doc[awkward] = awkward;
  doc["wholes"] = {-32767, 0, -9007199254740993};
  doc["nested"] = {Json::array(), Json::object({{"flag", false}, {"nothing", nullptr}}), true};
  EXPECT_EQ(out.str(), doc.dump(2) + "\n");
  EXPECT_EQ(cli::json_text(doc), out.str());
}

TEST(JsonWriter, RealsInTheirShortestDigitsAtEveryDepth) {
  std::ostringstream out;
  cli::JsonWriter w(out);
  w.begin_array();
  for (const Real r :
       {6.0f, -0.0f, 1e-05f, 0.0001f, 1e+14f, 1e+15f, 1.9089614e+20f, -3.4028235e+38f, 1.4e-45f})
    w.value(r);
  w.begin_array();
  w.value(0.1f);
  // The nearest double of this text lies halfway to the next 32-bit value:
  // a value taken through that double would be written as its neighbour.
  w.value(0x1.5c87fap-84f);
  w.end_array();
  w.end_array();
  w.finish();
  EXPECT_EQ(out.str(),
            "[\n  6.0,\n  -0.0,\n  1e-05,\n  0.0001,\n  100000000000000.0,\n  1e+15,\n  1.9089614e+20,\n"
            "  -3.4028235e+38,\n  1e-45,\n  [\n    0.1,\n    7.038531e-26\n  ]\n]\n");
}

TEST(StreamedOutput, AFileIsReplacedOnlyByAWholeText) {
  TempDir dir;
  dir.write("out.json", "old\n");
  const std::string target = dir.file("out.json");
  // More than the buffer holds, then a fault while forming the rest.
  const auto fails = [](std::ostream& out) {
    out << std::string(200'000, 'x');
    throw std::runtime_error("fault while writing");
  };
  EXPECT_THROW(cli::write_output(target, fails), std::runtime_error);
  EXPECT_EQ(dir.read("out.json"), "old\n");
  EXPECT_EQ(testing::directory_names(dir.path()), std::vector<std::string>{"out.json"});

  std::string whole;
  for (int k = 0; k < 50'000; ++k) whole += std::to_string(k) + "\n";
  cli::write_output(target, [&](std::ostream& out) {
    for (std::size_t at = 0; at < whole.size(); at += 7) out << whole.substr(at, 7);
  });
  EXPECT_EQ(dir.read("out.json"), whole);
  EXPECT_EQ(testing::directory_names(dir.path()), std::vector<std::string>{"out.json"});
}

}  // namespace
}  // namespace toval::tools::export_
