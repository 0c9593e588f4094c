// Listings written in the other ways that analysis programs write them are
// sound and give no warning: a bar number on the first record of a group
// only, fields left-aligned in their columns, CR LF line ends, and a last
// record without a line end.
#include <gtest/gtest.h>

#include <functional>

#include "support/test_support.h"
#include "tools/check/checked_files.h"
#include "tools/check/input_check.h"
#include "tools/frame_files.h"

namespace toval::testing {
namespace {

std::vector<Frame> frames() {
  return {portal(), multi_storey(2, 3), multi_storey(3, 1), truss(4), truss(6), gable()};
}

// The fields of a record of `widths`, each written from the first column of
// its field instead of right-aligned.
std::string left_aligned(const std::string& line, std::initializer_list<std::size_t> widths) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t w : widths) {
    std::string field = at < line.size() ? line.substr(at, w) : std::string();
    const auto first = field.find_first_not_of(' ');
    field = first == std::string::npos ? std::string() : field.substr(first);
    field.resize(w, ' ');
    out += field;
    at += w;
  }
  return out;
}

using Rewrite = std::function<void(std::vector<std::string>&, const Frame&)>;

// Every data record of the listing, by its kind.
void for_each_record(std::vector<std::string>& lines, const Frame& f,
                     const std::function<void(std::string&, int)>& fn) {
  const std::size_t nodes = f.nodes.size(), bars = f.bars.size();
  const std::size_t node_section = line_index(lines, "     COORDENADAS") + 5;
  for (std::size_t k = 0; k < nodes; ++k) fn(lines[node_section + k], 0);
  const std::size_t bar_section = line_index(lines, "     CARACTERISTICAS DAS BARRAS") + 6;
  for (std::size_t k = 0; k < bars; ++k) fn(lines[bar_section + k], 1);
  for (std::size_t h = 0; h < lines.size(); ++h) {
    if (lines[h].rfind("     CARREGAMENTO: ", 0) != 0) continue;
    for (std::size_t k = 0; k < nodes; ++k) fn(lines[h + 11 + k], 2);
    for (std::size_t k = 0; k < bars; ++k) {
      fn(lines[h + 20 + nodes + 3 * k], 3);
      fn(lines[h + 21 + nodes + 3 * k], 4);
    }
    const std::size_t r = h + 20 + nodes + 3 * bars + 5;
    for (std::size_t k = 0; k < nodes; ++k) fn(lines[r + k], 2);
  }
}

void expect_sound(const Rewrite& rewrite, const std::string& line_end = "\n", bool last_line_end = true) {
  for (const Frame& f : frames()) {
    auto forces = forces_lines(f);
    rewrite(forces, f);
    std::string text;
    for (const std::string& l : forces) text += l + line_end;
    if (!last_line_end) text.resize(text.size() - line_end.size());
    std::string combination;
    for (const std::string& l : combination_lines(f)) combination += l + line_end;
    TempDir dir;
    dir.write("F.CMB", combination);
    dir.write("F.ESF", text);
    const tools::check::CheckOutcome outcome =
        tools::check::check_inputs(dir.file("F.CMB"), dir.file("F.ESF"));
    EXPECT_EQ(outcome.findings.listing(tools::cli::Language::en), "0 warnings\n")
        << f.nodes.size() << " nodes";
  }
}

TEST(SoundLayout, BarNumberOnTheFirstRecordOfEachGroupOnly) {
  expect_sound([](std::vector<std::string>& lines, const Frame& f) {
    for_each_record(lines, f, [](std::string& line, int kind) {
      if (kind == 4) line.replace(0, 9, 9, ' ');
    });
  });
}

TEST(SoundLayout, FieldsLeftAlignedInTheirColumns) {
  expect_sound([](std::vector<std::string>& lines, const Frame& f) {
    for_each_record(lines, f, [](std::string& line, int kind) {
      switch (kind) {
        case 0:
          line = left_aligned(line, {8, 15, 15, 13, 13, 13});
          break;
        case 1:
          line = left_aligned(line, {10, 9, 7, 9, 7, 8, 16, 14});
          break;
        case 2:
          line = left_aligned(line, {8, 22, 25, 25});
          break;
        default:
          line = left_aligned(line, {9, 13, 18, 21, 19});
          break;
      }
    });
  });
}

TEST(SoundLayout, CrLfLineEndsAndALastRecordWithoutLineEnd) {
  const Rewrite unchanged = [](std::vector<std::string>&, const Frame&) {};
  expect_sound(unchanged, "\r\n");
  expect_sound(unchanged, "\n", false);
  // The listing cut right after the last resultant record of its last case:
  // the run reads that record, complete, without a line end.
  expect_sound(
      [](std::vector<std::string>& lines, const Frame&) {
        lines.resize(lines.size() - 4);  // the ruler, a blank line, the closing lines
      },
      "\n", false);
}

// A real swap of two bar groups is still named when the listing prints bar
// numbers on the first record of each group only.
TEST(SoundLayout, ASwapOfTwoGroupsIsNamedWithNumbersOnFirstRecordsOnly) {
  const Frame f = portal();
  auto forces = forces_lines(f);
  for_each_record(forces, f, [](std::string& line, int kind) {
    if (kind == 4) line.replace(0, 9, 9, ' ');
  });
  const std::size_t first = line_index(forces, "     CARREGAMENTO: G") + 20 + f.nodes.size();
  for (std::size_t k = 0; k < 3; ++k)
    std::swap(forces[first + 3 + k], forces[first + 6 + k]);  // bars 2 and 3
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_EQ(
      c.listing,
      c.forces_at(static_cast<long>(first + 4), 1,
                  "warning: bar group 2 of case block \"G\" carries bar number 3: end forces are taken by "
                  "position, so bar 2 gets the forces written here; list the groups in the order of the bar "
                  "section (and 1 more records of this list)") +
          "1 warning\n");
}

// A warning that stands for a list of records hides nothing of another kind:
// a moment pushed past column 80 in one of the listed groups is named too.
TEST(SoundLayout, AListedSwapHidesNoFindingOfAnotherKind) {
  const Frame f = multi_storey(2, 1);
  auto forces = forces_lines(f);
  for_each_record(forces, f, [](std::string& line, int kind) {
    if (kind == 4) line.replace(0, 9, 9, ' ');
  });
  const std::size_t first = line_index(forces, "     CARREGAMENTO: G") + 20 + f.nodes.size();
  for (std::size_t k = 0; k < 3; ++k)
    std::swap(forces[first + 3 + k], forces[first + 6 + k]);  // bars 2 and 3
  std::string& pushed = forces[first + 12];                   // end 1 of bar 5, after the swapped groups
  pushed = pushed.substr(0, 61) + "              -19.1" + "8";
  CheckedFiles c(combination_lines(f), forces);
  EXPECT_NE(c.listing.find(
                c.forces_at(static_cast<long>(first + 4), 1,
                            "warning: bar group 2 of case block \"G\" carries bar number 3: end forces are "
                            "taken by position, so bar 2 gets the forces written here; list the groups in "
                            "the order of the bar section (and 1 more records of this list)")),
            std::string::npos)
      << c.listing;
  const std::string beyond =
      c.forces_at(static_cast<long>(first + 13), 81,
                  "warning: the number \"-19.1\" (columns 62-80) goes on beyond column 80");
  EXPECT_NE(c.listing.find(beyond.substr(0, beyond.size() - 1)), std::string::npos) << c.listing;
}

}  // namespace
}  // namespace toval::testing
