// Records kept in memory must read exactly as the file reads: the same
// columns, line numbers, line ends and the same record after them, whether
// the unit serves them, runs out of its budget, or meets lines longer than
// its buffer.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "records/input_unit.h"
#include "records/report_unit.h"
#include "support/test_support.h"

namespace toval {
namespace {

struct Read {
  std::string text;
  long line;
  bool line_end;
  bool operator==(const Read&) const = default;
};

std::vector<Read> read_all(InputUnit& unit, std::size_t count) {
  std::vector<Read> records;
  Record r;
  for (std::size_t k = 0; k < count && unit.next(r); ++k)
    records.push_back({std::string(r.text()), r.line, r.line_end});
  return records;
}

// Records numbered by line, with a heading every `every` lines that a scan stops at.
std::string numbered_lines(int count, int every, std::size_t width = 70) {
  std::string text;
  for (int k = 1; k <= count; ++k) {
    std::string line = k % every == 0 ? "HEAD " : "line ";
    line += std::to_string(k);
    line.resize(width, k % 3 == 0 ? '\r' : '.');  // a CR ends the data of every third
    text += line + "\n";
  }
  return text;
}

TEST(KeptRecords, AWalkBackFarBehindTheBufferReadsThemFromMemory) {
  // 1.5 MB: the scan leaves the unit's buffer far behind the kept part.
  const std::string text = numbered_lines(20000, 20000);
  InputUnit plain, keeping;
  plain.open_memory("F", text);
  keeping.open_memory("F", text);
  keeping.set_keep_budget(std::size_t{4} << 20);
  Record r;
  keeping.next(r);
  const InputUnit::Position from = keeping.position();  // line 2
  keeping.keep(from, 500);
  const std::string_view heading[] = {"HEAD "};
  ASSERT_EQ(keeping.skip_to_prefix(heading), 0);  // line 20000
  keeping.seek(from);
  plain.seek(from);
  // The 500 kept and 20 more that the file gives again.
  EXPECT_EQ(read_all(keeping, 520), read_all(plain, 520));
  EXPECT_EQ(keeping.kept_records(), 500u);
  // Read once, save the records after the kept ones (one buffer's worth).
  EXPECT_LE(keeping.bytes_read(), text.size() + (std::size_t{1} << 18));
  // Backspace over a kept record, and a scan over kept records, as the file.
  keeping.seek(from);
  plain.seek(from);
  keeping.next(r);
  keeping.backspace();
  plain.next(r);
  plain.backspace();
  EXPECT_EQ(read_all(keeping, 2), read_all(plain, 2));
  const std::string_view line_ten[] = {"line 10"};
  EXPECT_EQ(keeping.skip_to_prefix(line_ten), plain.skip_to_prefix(line_ten));
  EXPECT_EQ(read_all(keeping, 1), read_all(plain, 1));
}

TEST(KeptRecords, BeyondTheBudgetTheFileIsReadAgain) {
  // More than one block of records; a budget of one block.
  const std::string text = numbered_lines(40000, 40000, 90);
  InputUnit plain, keeping;
  plain.open_memory("F", text);
  keeping.open_memory("F", text);
  keeping.set_keep_budget(platform::MemoryBlock::LARGE);
  keeping.keep(keeping.position(), 40000);
  const std::string_view heading[] = {"HEAD "};
  ASSERT_EQ(keeping.skip_to_prefix(heading), 0);
  EXPECT_GT(keeping.kept_records(), 1000u);
  EXPECT_LT(keeping.kept_records(), 40000u);
  keeping.rewind();
  EXPECT_EQ(read_all(keeping, 40000), read_all(plain, 40000));
  Record past;
  EXPECT_FALSE(keeping.next(past));
}

TEST(KeptRecords, AWantLeftBehindDoesNotHoldUpTheOnesAfterIt) {
  // Records 2.. are wanted but the reading goes on elsewhere (a block noted
  // before the counts were known); what is wanted further on is still kept.
  const std::string text = numbered_lines(20000, 10000);
  InputUnit unit;
  unit.open_memory("F", text);
  unit.set_keep_budget(std::size_t{4} << 20);
  Record r;
  unit.next(r);
  const InputUnit::Position early = unit.position();
  for (int k = 0; k < 5000; ++k) unit.next(r);
  unit.keep(early, 100);  // behind the reading, which goes on
  const std::string_view heading[] = {"HEAD "};
  ASSERT_EQ(unit.skip_to_prefix(heading), 0);  // line 10000
  unit.next(r);
  const InputUnit::Position later = unit.position();
  unit.keep(later, 100);
  ASSERT_EQ(unit.skip_to_prefix(heading), 0);  // line 20000
  EXPECT_EQ(unit.kept_records(), 100u);
  unit.seek(later);
  unit.next(r);
  EXPECT_EQ(r.line, 10001);
  EXPECT_EQ(r.text(), "line 10001" + std::string(60, '.'));
}

TEST(KeptRecords, LongLinesAndALastLineWithoutLineEnd) {
  // A line longer than a record's columns, one longer than the buffer, and
  // a last line that the file ends without a line feed.
  const std::string text =
      "first\n" + std::string(300, 'a') + "\n" + std::string(300000, 'b') + "\r\nmid\nend";
  InputUnit plain, keeping;
  plain.open_memory("F", text);
  keeping.open_memory("F", text);
  keeping.set_keep_budget(platform::MemoryBlock::LARGE);
  keeping.keep(keeping.position(), 10);
  const std::string_view none[] = {"no such"};
  EXPECT_EQ(keeping.skip_to_prefix(none), -1);
  EXPECT_EQ(keeping.kept_records(), 5u);
  keeping.rewind();
  const std::vector<Read> kept = read_all(keeping, 10);
  EXPECT_EQ(kept, read_all(plain, 10));
  ASSERT_EQ(kept.size(), 5u);
  EXPECT_EQ(kept[2].text, std::string(Record::CAPTURE, 'b'));
  EXPECT_FALSE(kept[4].line_end);
  // A skip to the end over kept records counts the last line as the file does.
  keeping.rewind();
  plain.rewind();
  EXPECT_EQ(keeping.skip_to_prefix(none), plain.skip_to_prefix(none));
  EXPECT_EQ(keeping.next_line(), plain.next_line());
}

TEST(ReportUnit, RecordsLargerThanItsBufferArriveWholeAndInOrder) {
  testing::TempDir dir;
  ReportUnit unit;
  unit.open(dir.file("R.TOV"));
  std::string expected;
  for (std::size_t size : {10u, 70000u, 65534u, 3u, 200000u, 1u}) {
    const std::string record(size, static_cast<char>('a' + size % 26));
    unit.put_record(record, size != 3);
    expected += record + (size != 3 ? "\r\n" : "");
  }
  unit.close();
  EXPECT_EQ(dir.read("R.TOV"), expected);
}

}  // namespace
}  // namespace toval
