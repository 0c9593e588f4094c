// The passes over a case block are remembered record by record (where each
// ends, what reading it gave); a read or skip that uses what was remembered
// must leave the targets, the position, a following backspace and every
// error exactly as reading the file does.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "input/case_blocks.h"
#include "store/record_io.h"
#include "store/run_error.h"

namespace toval {
namespace {

class RememberedReads : public ::testing::Test {
 protected:
  void TearDown() override { remember_case_blocks(true); }
};

// One step of a pass and what it left: the values read (or the error), then
// the unit's position, then the record a backspace and a read find.
std::string step(InputUnit& unit, int kind) {
  std::string seen;
  try {
    Whole b = 0, n = 0;
    Real x = 0.0f, y = 0.0f, z = 0.0f;
    if (kind == 0) {
      read_record(unit, END_FORCE_RECORD, "end-force record", b, n, x, y, z);
    } else if (kind == 1) {
      read_record(unit, NODE_VALUES_RECORD, "node record", n, x, y, z);
    } else {
      skip_record(unit, "record");
    }
    char text[160];
    std::snprintf(text, sizeof text, "%d %d %a %a %a", b, n, static_cast<double>(x), static_cast<double>(y),
                  static_cast<double>(z));
    seen = text;
  } catch (const RunError& e) {
    return e.what();
  }
  const InputUnit::Position p = unit.position();
  seen += " @" + std::to_string(p.offset) + ":" + std::to_string(p.line);
  unit.backspace();
  Record record;
  if (unit.next(record))
    seen += " again " + std::string(record.text()) + " line " + std::to_string(record.line);
  return seen;
}

struct Unit {
  std::string text;
  std::unique_ptr<Store> s = std::make_unique<Store>();
  explicit Unit(std::string t) : text(std::move(t)) { s->unit4.open_memory("FORCES.LST", text); }
};

// Lines that read well with both layouts, lines that fail with one, a line
// that fails with both, blank lines, CR LF ends, a line longer than the read
// buffer and a last line without LF.
std::string listing() {
  std::string t;
  for (int k = 1; k <= 60; ++k) {
    char line[128];
    switch (k % 6) {
      case 0:
        std::snprintf(line, sizeof line, "%9d%13d%18.3f%21.3f%19.3f\r\n", k, k + 1, k * 1.5, -k * 0.25,
                      k * 3.0);
        break;
      case 1:
        std::snprintf(line, sizeof line, "%8d%22.7f%25.7f%25.7f\n", k, k * 1e-3, -k * 2e-3, k * 3e-3);
        break;
      case 2:
        std::snprintf(line, sizeof line, "   BARRA %d  NORMAL\n", k);
        break;
      case 3:
        std::snprintf(line, sizeof line, "\n");
        break;
      case 4:
        std::snprintf(line, sizeof line, "%9d%13d%18s%21.3f%19.3f\n", k, k, "1.5E+99", 2.0, 3.0);
        break;
      default:
        std::snprintf(line, sizeof line, "%9d%13d%18.3f%21.3f%19.3f\n", k, 40000, 1.0, 2.0, 3.0);
        break;
    }
    t += line;
    if (k == 30) t += std::string(70000, 'x') + "\n";  // too long for its end to be kept
  }
  return t + "       7           1.0000000";
}

TEST_F(RememberedReads, PassesGiveWhatReadingTheFileGives) {
  const std::string text = listing();
  // Many passes from chosen lines, as the readers make them over blocks.
  auto passes = [&](bool remembering) {
    remember_case_blocks(remembering);
    Unit u(text);
    std::vector<std::string> seen;
    std::uint32_t state = 5;
    for (int pass = 0; pass < 40; ++pass) {
      state = state * 1103515245u + 12345u;
      const long from = static_cast<long>((state >> 8) % 55);
      u.s->unit4.rewind();
      for (long k = 0; k < from; ++k) skip_record(u.s->unit4, "record");
      for (int k = 0; k < 12; ++k) {
        state = state * 1103515245u + 12345u;
        seen.push_back(step(u.s->unit4, static_cast<int>((state >> 16) % 3)));
      }
    }
    return seen;
  };
  const std::vector<std::string> read = passes(false);
  const std::vector<std::string> remembered = passes(true);
  ASSERT_EQ(remembered.size(), read.size());
  for (std::size_t k = 0; k < read.size(); ++k) ASSERT_EQ(remembered[k], read[k]) << "step " << k;
}

TEST_F(RememberedReads, AReadThatFailedFailsAgainTheSameWay) {
  Unit u(listing());
  std::string first, second;
  for (std::string* seen : {&first, &second}) {
    u.s->unit4.rewind();
    for (int k = 1; k < 4; ++k) skip_record(u.s->unit4, "record");
    *seen = step(u.s->unit4, 0);  // line 4: a real beyond the 32-bit range
  }
  EXPECT_NE(first.find("line 4, columns 23-40 (F18.0) of a end-force record"), std::string::npos) << first;
  EXPECT_EQ(second, first);
}

TEST_F(RememberedReads, ANewOpeningIsReadAfresh) {
  // The same offsets and lines, other values: nothing of the first file is
  // taken for the second.
  auto s = std::make_unique<Store>();
  std::string first = "       1           1.0000000           2.0000000           3.0000000\n";
  std::string second = "       1           4.0000000           5.0000000           6.0000000\n";
  Whole n = 0;
  Real x = 0.0f, y = 0.0f, z = 0.0f;
  for (const std::string* text : {&first, &first, &second, &second}) {
    if (text == &second && s->unit4.name() != "SECOND") s->unit4.open_memory("SECOND", second);
    if (text == &first && s->unit4.name() != "FIRST") s->unit4.open_memory("FIRST", first);
    s->unit4.rewind();
    read_record(s->unit4, NODE_VALUES_RECORD, "node record", n, x, y, z);
    EXPECT_EQ(x, text == &first ? 1.0f : 4.0f);
  }
}

// A layout built on the stack: every call puts its items at one address.
Real first_value(InputUnit& unit, int width) {
  const std::array<Item, 4> layout{I(8), F(width, 0), F(width, 0), F(width, 0)};
  Whole n = 0;
  Real x = 0.0f, y = 0.0f, z = 0.0f;
  unit.rewind();
  read_record(unit, layout, "record", n, x, y, z);
  return x;
}

TEST_F(RememberedReads, ALayoutAtTheAddressOfAnotherIsNotTakenForIt) {
  Unit u("       1      12.5      25.0      37.5\n");
  EXPECT_EQ(first_value(u.s->unit4, 10), 12.5f);
  EXPECT_EQ(first_value(u.s->unit4, 10), 12.5f);  // now kept
  EXPECT_EQ(first_value(u.s->unit4, 7), 1.0f);    // columns 9-15: six blanks and 1
}

}  // namespace
}  // namespace toval
