// The report page of whole runs: a small frame byte for byte, and the
// command as a user runs it (output rules, languages, warnings, a missing
// case).
#include <gtest/gtest.h>

#include <sstream>

#include "tools/cli/loaded_run.h"
#include "tools/frame_files.h"
#include "tools/report/page_sections.h"
#include "tools/report/report_page.h"
#include "tools/tools_process.h"

namespace toval::testing {
namespace {

using tools::cli::InputWarning;
using tools::cli::Language;
using tools::cli::LoadedRun;
using tools::report::PageRequest;

const std::string USAGE_LINE =
    "usage: toval-tools report [-o FILE.html] [--lang pt|en] [--office TEXT] [--units FORCE,LENGTH] "
    "COMBINATION_FILE FORCES_FILE\n";

std::string source(const std::string& relative) {
  return std::string(TOVAL_SOURCE_DIR) + "/" + relative;
}

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The portal of 3 bars, pinned feet, one case G1 and so one combination;
// the columns 1 and 3 a pair. Worked by hand in expected.html: the envelope
// of one combination is the case itself (N -2, 3, -2), shear and moment as
// the block lists them, every extreme governed by combination 1; bars 2
// and 3 above the bending threshold, bar 1 exactly at it, so only bar 2 is
// listed in bending (the pair hangs on its lower bar's flag) with L = 6;
// reactions of nodes 1 and 4 as the block gives them, their envelope the
// same; E = 2, D = 3 and C the mean of 1 and 4 as the run chooses them.
// The office line, the warning and the titles escaped; the picture as
// given.
TEST(ReportPage, ASmallPortalIsWrittenByteForByteAsWorkedByHand) {
  TempDir dir;
  const std::string data = source("tests/tools/data/small_portal/");
  for (const char* name : {"LIM.CMB", "LIM.ESF"}) dir.write(name, read_file(data + name));
  const LoadedRun run(dir.file("LIM.CMB"), dir.file("LIM.ESF"));
  PageRequest request;
  request.language = Language::en;
  request.office = "OFFICE & <PARTNERS>";
  request.issued = "2026-01-02 03:04 UTC";
  request.version = "9.9.9";
  request.files = {tools::report::InputFileFacts{"LIM.CMB", 48, std::string(64, 'a')},
                   tools::report::InputFileFacts{"LIM.ESF", 2000, std::string(64, 'b')}};
  request.warnings = {InputWarning{"LIM.ESF", 7, 12, "a \"warning\" <here>"}};
  request.picture = "<svg width=\"10\" height=\"10\"><title>F</title></svg>\n";
  std::ostringstream page;
  tools::report::write_report_page(page, run, request);
  EXPECT_EQ(page.str(), read_file(source("tests/tools/data/report_small_portal/expected.html")));
}

// With --units the header names them, in the page's language; without, it
// says only that they are the forces file's (a page with units said so too,
// and so named its units nowhere but in the headings).
TEST(ReportPage, TheHeaderNamesTheUnitsGiven) {
  TempDir dir;
  const std::string data = source("tests/tools/data/small_portal/");
  for (const char* name : {"LIM.CMB", "LIM.ESF"}) dir.write(name, read_file(data + name));
  const LoadedRun run(dir.file("LIM.CMB"), dir.file("LIM.ESF"));
  const auto page = [&](Language language, std::optional<tools::cli::Units> units) {
    PageRequest request;
    request.language = language;
    request.units = std::move(units);
    std::ostringstream out;
    tools::report::write_report_page(out, run, request);
    return out.str();
  };
  const std::string en = page(Language::en, tools::cli::Units{"kN", "m"});
  EXPECT_NE(
      en.find("<p class=\"convention\">Forces in kN, moments in kN\u00b7m, lengths and displacements in m, "
              "rotations in rad"),
      std::string::npos);
  EXPECT_EQ(en.find("Values are in the units of the forces file."), std::string::npos);
  EXPECT_NE(page(Language::pt, tools::cli::Units{"tf", "cm"})
                .find("Forças em tf, momentos em tf\u00b7cm, comprimentos e deslocamentos em cm"),
            std::string::npos);
  EXPECT_NE(page(Language::en, std::nullopt).find("Values are in the units of the forces file."),
            std::string::npos);
}

// Beyond the threshold every bending table with rows is packed, with its
// note, and the script that unfolds them follows the last; below it the
// section is the plain one, with no script.
TEST(ReportPage, BendingTablesArePackedOnlyBeyondTheirThreshold) {
  TempDir dir;
  const std::string data = source("tests/tools/data/small_portal/");
  for (const char* name : {"LIM.CMB", "LIM.ESF"}) dir.write(name, read_file(data + name));
  const LoadedRun run(dir.file("LIM.CMB"), dir.file("LIM.ESF"));
  const tools::report::PageText t(Language::en);
  const auto count = [](const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  };
  std::ostringstream plain_out, packed_out;
  tools::report::bending_section(plain_out, run.store(), run.counts(), t);
  tools::report::bending_section(packed_out, run.store(), run.counts(), t, 0);
  const std::string plain = plain_out.str(), packed = packed_out.str();
  const std::size_t tables = count(plain, "<table id=\"bar_forces-");
  ASSERT_GT(tables, 0u);
  EXPECT_EQ(count(plain, "<script"), 0u);
  EXPECT_EQ(count(packed, "<table id=\"bar_forces-"), tables);
  EXPECT_EQ(count(packed, "class=\"packed-rows\""), tables - count(plain, ": 0 bar(s) in bending"));
  EXPECT_EQ(count(packed, "class=\"packed-note\""), count(packed, "class=\"packed-rows\""));
  // Printed unopened, a packed table is its note: it names its rows' table
  // and combination, and the command that writes them.
  EXPECT_NE(packed.find("they are the rows of combination 1 marked in bending in the bar_forces table of the "
                        "export, toval-tools export --format csv --table bar_forces"),
            std::string::npos);
  EXPECT_EQ(count(packed, "<script>"), 1u);
  EXPECT_GT(packed.rfind("<script>"), packed.rfind("</details>"));
}

TEST(ReportCommand, WritesOneSelfContainedPageInEitherLanguage) {
  TempDir dir;
  copy_example(dir);
  RunResult pt =
      run_tools(dir.path(), {"report", "--office", "ESCRITORIO MODELO", "GALPAO.CMB", "GALPAO.ESF"});
  RunResult en =
      run_tools(dir.path(), {"report", "--lang=en", "-o", "page.html", "GALPAO.CMB", "GALPAO.ESF"});
  ASSERT_EQ(pt.status, 0) << pt.err;
  ASSERT_EQ(en.status, 0) << en.err;
  EXPECT_EQ(pt.err + en.err + en.out, "");
  const std::string page_en = dir.read("page.html");
  EXPECT_EQ(pt.out.rfind("<!DOCTYPE html>\n<html lang=\"pt\">", 0), 0u);
  EXPECT_EQ(page_en.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u);
  EXPECT_NE(pt.out.find("<p class=\"office\">ESCRITORIO MODELO</p>"), std::string::npos);
  EXPECT_EQ(page_en.find("class=\"office\""), std::string::npos) << "no office line without --office";
  EXPECT_NE(pt.out.find("ENVOLTORIA DAS REACOES COMBINADAS"), std::string::npos);
  EXPECT_NE(page_en.find("ENVELOPE OF COMBINED REACTIONS"), std::string::npos);
  // The sound example gives no warning box; the picture is inline.
  EXPECT_EQ(pt.out.find("input-warnings"), std::string::npos);
  EXPECT_EQ(count(pt.out, "<svg "), 1u);
  for (const char* outside : {" src=", " href=", "url(", "<link", "@import", "<script"})
    EXPECT_EQ(pt.out.find(outside), std::string::npos) << outside;
  // One table per combination, named after the export's tables.
  for (const char* id : {"envelope", "pairs", "reactions", "displacements", "combined_displacements",
                         "combined_reactions-1", "combined_reactions-4", "bar_forces-1", "bar_forces-4"})
    EXPECT_EQ(count(pt.out, std::string("<table id=\"") + id + "\">"), 1u) << id;
  EXPECT_EQ(pt.out.find("<table id=\"combined_reactions-5\">"), std::string::npos);
}

TEST(ReportCommand, AFrameWithWarningsAndAMissingCaseSaysSo) {
  // A FIMC left out: case Q is no case of the list, but combinations 1 and
  // 2 name it.
  TempDir dir;
  const std::string data = source("tests/tools/data/check_missing_fimc/in/");
  for (const char* name : {"GALPAO.CMB", "GALPAO.ESF"}) dir.write(name, read_file(data + name));
  RunResult r = run_tools(dir.path(), {"report", "--lang", "en", "GALPAO.CMB", "GALPAO.ESF"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string& page = r.out;
  const std::size_t box = page.find("<section class=\"warnings\" id=\"input-warnings\">");
  ASSERT_NE(box, std::string::npos);
  EXPECT_LT(box, page.find("<table id=\"cases\">")) << "the warnings stand before the first table of results";
  EXPECT_NE(page.find("found 3 warnings"), std::string::npos);
  EXPECT_NE(page.find("<li><code>GALPAO.CMB:20:15</code> term 2 of combination 1 names case &quot;Q&quot;"),
            std::string::npos);
  // Combinations 1 and 2: every reaction of both supports missing (2 x 3
  // each), and the reason once for each; the envelope from 3 and 4 only.
  const std::string first = page.substr(page.find("<table id=\"combined_reactions-1\">"));
  EXPECT_EQ(count(first.substr(0, first.find("</table>")), "<td class=\"m\">missing</td>"), 6u);
  EXPECT_EQ(count(page, "No values: &quot;Q&quot; is not in the case list"),
            6u);  // reactions, displacements, and every node's displacements once per combination
  std::string envelope = page.substr(page.find("<table id=\"reaction_envelope\">"));
  envelope = envelope.substr(0, envelope.find("</table>"));
  EXPECT_EQ(envelope.find("class=\"m\""), std::string::npos);
}

TEST(ReportCommand, OutputRulesAreThoseOfExport) {
  TempDir dir;
  copy_example(dir);
  const std::string before = dir.read("GALPAO.ESF");
  RunResult onto_input = run_tools(dir.path(), {"report", "-o", "GALPAO.ESF", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(onto_input.status, 1);
  EXPECT_NE(onto_input.err.find("GALPAO.ESF"), std::string::npos);
  EXPECT_EQ(dir.read("GALPAO.ESF"), before);

  dir.write("page.html", "old");
  RunResult failing = run_tools(dir.path(), {"report", "-o", "page.html", "GALPAO.CMB", "NONE.ESF"});
  EXPECT_EQ(failing.status, 1);
  EXPECT_NE(failing.err.find("OPEN(NONE.ESF)"), std::string::npos) << failing.err;
  EXPECT_EQ(dir.read("page.html"), "old") << "a failed run leaves the old page";
  EXPECT_EQ(directory_names(dir.path()), (std::vector<std::string>{"GALPAO.CMB", "GALPAO.ESF", "page.html"}));

  for (const std::vector<std::string>& wrong :
       {std::vector<std::string>{"report", "--lang", "fr", "GALPAO.CMB", "GALPAO.ESF"},
        {"report", "GALPAO.CMB"},
        {"report", "--office", "A", "--office", "B", "GALPAO.CMB", "GALPAO.ESF"},
        {"report", "-o", "", "GALPAO.CMB", "GALPAO.ESF"},
        {"report", "--colour", "GALPAO.CMB", "GALPAO.ESF"}}) {
    RunResult r = run_tools(dir.path(), wrong);
    EXPECT_EQ(r.status, 2) << wrong[1];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(USAGE_LINE), std::string::npos) << r.err;
  }
  RunResult lang = run_tools(dir.path(), {"report", "--lang", "fr", "GALPAO.CMB", "GALPAO.ESF"});
  EXPECT_EQ(lang.err, "toval-tools: bad value 'fr' for --lang (pt or en)\n" + USAGE_LINE);
}

}  // namespace
}  // namespace toval::testing

namespace toval::testing {
namespace {

// The example rules in place of a combination file: one envelope section per
// set, ultimate first, the reaction envelopes named for their use, and the
// envelope over every set told apart; names and descriptions in the lists.
TEST(ReportSets, OneSectionPerSetUltimateFirst) {
  TempDir dir;
  dir.write("portal-rules.toml", read_file(source("examples/portal-rules.toml")));
  Frame f = portal();
  f.cases = {"G1", "G2", "Q", "W1", "W2"};
  dir.write("P.ESF", joined(forces_lines(f)));
  RunResult r = run_tools(dir.path(), {"report", "--lang", "en", "portal-rules.toml", "P.ESF"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::size_t> at;
  for (const char* id :
       {"id=\"set-uls\"", "id=\"set-sls_characteristic\"", "id=\"set-sls_frequent\"",
        "id=\"set-sls_quasi_permanent\"", "id=\"mixed-envelope-note\"", "id=\"bar-envelope\""})
    at.push_back(r.out.find(id));
  for (std::size_t k = 0; k < at.size(); ++k) {
    ASSERT_NE(at[k], std::string::npos) << k;
    if (k > 0) {
      EXPECT_LT(at[k - 1], at[k]) << k;
    }
  }
  EXPECT_NE(r.out.find("<h2>ENVELOPE - ULS - ULTIMATE LIMIT STATES</h2>"), std::string::npos);
  EXPECT_LT(
      r.out.find("<caption>ENVELOPE OF COMBINED REACTIONS - STRUCTURAL DESIGN OF THE FOUNDATIONS</caption>"),
      at[1]);
  EXPECT_GT(r.out.find("<caption>ENVELOPE OF COMBINED REACTIONS - SOIL</caption>"), at[1]);
  EXPECT_LT(r.out.find("<caption>ENVELOPE OF COMBINED REACTIONS - SOIL</caption>"), at[2]);
  EXPECT_NE(r.out.find("PERMANENTE - PESO PROPRIO DA ESTRUTURA"), std::string::npos);
  EXPECT_NE(r.out.find("ELU 1 - PRINCIPAL: NENHUMA - DESFAVORAVEIS: G1 G2"), std::string::npos);
}

}  // namespace
}  // namespace toval::testing
