// A line too many or too few where the run counts records: planted in each
// part of a case block and in the node and bar sections of small frames,
// each told once, at the first record out of place, with the line to mend;
// and sound listings of the benchmark's shapes stay quiet.
#include <gtest/gtest.h>

#include <sstream>

#include "../../../bench/bench_inputs.h"
#include "tools/check/checked_files.h"
#include "tools/check/input_check.h"
#include "tools/frame_files.h"

namespace toval::testing {
namespace {

using Lines = std::vector<std::string>;

long line_of(const Lines& lines, const std::string& prefix) {
  return static_cast<long>(line_index(lines, prefix)) + 1;
}

void put_blank(Lines& lines, long before) {
  lines.insert(lines.begin() + (before - 1), "");
}
void repeat(Lines& lines, long line) {
  lines.insert(lines.begin() + line, lines[static_cast<std::size_t>(line - 1)]);
}
void leave_out(Lines& lines, long line) {
  lines.erase(lines.begin() + (line - 1));
}
void bar_numbers_on_first_records_only(Lines& lines, const Frame& f) {
  for (std::size_t h = 0; h < lines.size(); ++h) {
    if (lines[h].rfind("     CARREGAMENTO: ", 0) != 0) continue;
    for (std::size_t k = 0; k < f.bars.size(); ++k)
      lines[h + 21 + f.nodes.size() + 3 * k].replace(0, 9, 9, ' ');
  }
}

// The one line of the listing, which must be a record-shift warning at `line`.
std::string told_at(const CheckedFiles& c, long line) {
  const std::string mark = ":" + std::to_string(line) + ":1: warning: ";
  EXPECT_NE(c.listing.find(mark), std::string::npos) << c.listing;
  EXPECT_EQ(c.listing.find(": warning: ", c.listing.find(mark) + mark.size()), std::string::npos)
      << "one warning only:\n"
      << c.listing;
  if (c.listing.find(mark) == std::string::npos) return {};
  const std::size_t from = c.listing.find(mark) + mark.size();
  return c.listing.substr(from, c.listing.find('\n', from) - from);
}

const Frame PORTAL = portal();  // 4 nodes, 3 bars: columns 1-2, 4-3, beam 2-3

struct BlockPlaces {
  long heading, displacement_1, group_1, resultant_1;
};
BlockPlaces places(const Lines& lines, const std::string& name) {
  const long h = line_of(lines, "     CARREGAMENTO: " + name);
  const long r =
      h + static_cast<long>(line_index(Lines(lines.begin() + h, lines.end()), "     RESULTANTES")) + 1;
  return {h, h + 11, h + 11 + 4 + 9, r + 5};
}

TEST(RecordShift, ABlankLineAmongTheBarGroups) {
  for (bool numbered_end_2 : {true, false}) {
    SCOPED_TRACE(numbered_end_2 ? "bar numbers on both records" : "on the first record only");
    Lines forces = forces_lines(PORTAL);
    if (!numbered_end_2) bar_numbers_on_first_records_only(forces, PORTAL);
    const BlockPlaces g = places(forces, "G");
    put_blank(forces, g.group_1 + 3);  // before the first record of bar 2
    const CheckedFiles c(combination_lines(PORTAL), forces);
    EXPECT_EQ(told_at(c, g.group_1 + 3),
              "case block \"G\" (heading at line " + std::to_string(g.heading) +
                  ") holds a line too many up to this record, probably line " +
                  std::to_string(g.group_1 + 3) +
                  ": the block's records are counted from its heading, so the end forces of bar 2 and of "
                  "every later bar of the block are read one record late; remove the extra line");
    EXPECT_EQ(c.status, 1);
  }
}

// A record written twice stands where the next is counted: told at the copy
// when node numbers show it, else where the group after it shows it.
TEST(RecordShift, ARecordWrittenTwiceAmongTheBarGroups) {
  Lines forces = forces_lines(PORTAL);
  const BlockPlaces g = places(forces, "Q");
  repeat(forces, g.group_1 + 3);  // end 1 of bar 2
  const CheckedFiles c(combination_lines(PORTAL), forces);
  const std::string text = told_at(c, g.group_1 + 4);
  EXPECT_NE(text.find("case block \"Q\""), std::string::npos) << text;
  EXPECT_NE(text.find("end forces of bar 2"), std::string::npos) << text;
  EXPECT_NE(text.find("one record late"), std::string::npos) << text;
}

TEST(RecordShift, ARecordLeftOutOfTheBarGroups) {
  for (bool numbered_end_2 : {true, false}) {
    SCOPED_TRACE(numbered_end_2 ? "bar numbers on both records" : "on the first record only");
    Lines forces = forces_lines(PORTAL);
    if (!numbered_end_2) bar_numbers_on_first_records_only(forces, PORTAL);
    const BlockPlaces g = places(forces, "G");
    leave_out(forces, g.group_1 + 4);  // end 2 of bar 2
    const CheckedFiles c(combination_lines(PORTAL), forces);
    const std::string text = told_at(c, g.group_1 + 4);
    EXPECT_NE(text.find("lacks a line, probably just before line " + std::to_string(g.group_1 + 4)),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("one record early; write the missing line"), std::string::npos) << text;
  }
}

TEST(RecordShift, DisplacementRecords) {
  Lines blank = forces_lines(PORTAL), twice = blank, missing = blank;
  const BlockPlaces g = places(blank, "G");
  put_blank(blank, g.displacement_1 + 2);
  EXPECT_NE(told_at(CheckedFiles(combination_lines(PORTAL), blank), g.displacement_1 + 2)
                .find("the displacements from node 3 on are looked for in the wrong records, and every end "
                      "force of the block's bars is read one record late"),
            std::string::npos);
  repeat(twice, g.displacement_1 + 1);
  EXPECT_NE(told_at(CheckedFiles(combination_lines(PORTAL), twice), g.displacement_1 + 2)
                .find("holds a line too many"),
            std::string::npos);
  leave_out(missing, g.displacement_1 + 1);
  EXPECT_NE(told_at(CheckedFiles(combination_lines(PORTAL), missing), g.displacement_1 + 1)
                .find("lacks the record of node 2, just before line " + std::to_string(g.displacement_1 + 1)),
            std::string::npos);
}

TEST(RecordShift, ResultantRecords) {
  Lines blank = forces_lines(PORTAL), missing = blank;
  const BlockPlaces q = places(blank, "Q");
  put_blank(blank, q.resultant_1 + 3);
  EXPECT_NE(
      told_at(CheckedFiles(combination_lines(PORTAL), blank), q.resultant_1 + 3)
          .find("the resultants of node 4 and of every later node (the supports' reactions) are read one "
                "record late"),
      std::string::npos);
  leave_out(missing, q.resultant_1 - 2);  // one of the four lines after the heading
  EXPECT_NE(told_at(CheckedFiles(combination_lines(PORTAL), missing), q.resultant_1)
                .find("lacks a line, probably just before line"),
            std::string::npos);
}

TEST(RecordShift, NodeAndBarSections) {
  const Frame f = multi_storey(2, 1);
  Lines titles = forces_lines(f), short_titles = titles, ended = titles, last_bar = titles;
  const long nodes = line_of(titles, "     COORDENADAS");
  put_blank(titles, nodes + 2);
  EXPECT_EQ(told_at(CheckedFiles(combination_lines(f), titles), nodes + 5),
            "section \"COORDENADAS\" (heading at line " + std::to_string(nodes) +
                ") holds a line too many between its heading and its first record, probably line " +
                std::to_string(nodes + 5) +
                ": the 4 lines after the heading are passed over, so this line is read as the first record; "
                "remove the extra line");
  const long bars = line_of(short_titles, "     CARACTERISTICAS DAS BARRAS");
  leave_out(short_titles, bars + 1);
  EXPECT_NE(told_at(CheckedFiles(combination_lines(f), short_titles), bars + 6)
                .find("so the record on line " + std::to_string(bars + 5) + " is passed over as a title"),
            std::string::npos);
  put_blank(ended, nodes + 5 + 3);  // after node 3 of 6
  EXPECT_EQ(told_at(CheckedFiles(combination_lines(f), ended), nodes + 8),
            "this blank line ends the list of section \"COORDENADAS\", but line " +
                std::to_string(nodes + 9) +
                " goes on with record 4: the records after it are not read; remove the blank line");
  const long last =
      line_of(last_bar, "     CARACTERISTICAS DAS BARRAS") + 5 + static_cast<long>(f.bars.size());
  leave_out(last_bar, last);
  EXPECT_NE(told_at(CheckedFiles(combination_lines(f), last_bar), last)
                .find("the bar list ends here after " + std::to_string(f.bars.size() - 1) + " records"),
            std::string::npos);
}

// The benchmark's listings print a table of stresses between the last bar
// group and the resultants, and pages of other output between blocks.
TEST(RecordShift, BenchmarkListingsStayQuiet) {
  for (std::uint64_t padding : {std::uint64_t{0}, std::uint64_t{200'000}}) {
    const bench::Shape shape{"B", 5, 20, 12, 3, 3, 3, padding};
    std::ostringstream cmb, frc;
    bench::write_combinations(cmb, shape);
    bench::write_forces(frc, shape);
    TempDir dir;
    dir.write("B.CMB", cmb.str());
    dir.write("B.FRC", frc.str());
    const auto outcome = tools::check::check_inputs(dir.file("B.CMB"), dir.file("B.FRC"));
    EXPECT_EQ(outcome.findings.listing(tools::cli::Language::en), "0 warnings\n") << padding;
  }
}

}  // namespace
}  // namespace toval::testing
