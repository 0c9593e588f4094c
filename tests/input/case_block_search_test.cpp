// The block and resultants searches remember where blocks stand; every search
// must still end where a rescan from the top ends, with the same errors.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "input/case_blocks.h"
#include "store/record_io.h"
#include "store/run_error.h"

namespace toval {
namespace {

// A rescan written out plainly: the records of the text (data up to the first
// CR), each compared blank padded with a heading.
struct Rescan {
  std::vector<std::string> data;
  std::vector<std::uint64_t> start;  // byte offset of each record; one more for the end

  explicit Rescan(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
      std::size_t lf = text.find('\n', at);
      std::size_t end = lf == std::string_view::npos ? text.size() : lf;
      std::string_view line = text.substr(at, end - at);
      data.emplace_back(line.substr(0, line.find('\r')));
      start.push_back(at);
      at = lf == std::string_view::npos ? text.size() : lf + 1;
    }
    start.push_back(text.size());
  }

  static bool heads(std::string_view record, std::string_view heading) {
    std::string padded(record.substr(0, heading.size()));
    padded.resize(heading.size(), ' ');
    return padded == heading;
  }
  // Index of the first record from `from` on that carries the heading, or -1.
  long find(std::string_view heading, long from) const {
    for (long k = from; k < static_cast<long>(data.size()); ++k)
      if (heads(data[static_cast<std::size_t>(k)], heading)) return k;
    return -1;
  }
  long block(const Name<4>& name) const {
    return find(std::string(CASE_HEADING) + std::string(name.view()), 0);
  }
};

// A store whose unit 4 reads `text`; the names are the cases it can ask for.
struct Forces {
  std::string text;
  std::unique_ptr<Store> s = std::make_unique<Store>();
  Forces(std::string listing, const std::vector<std::string>& names) : text(std::move(listing)) {
    s->BL5.CASO.fill(Name<4>::blank());
    for (std::size_t k = 0; k < names.size(); ++k)
      s->BL4.CCAR(static_cast<long>(k + 1)) = Name<4>::of(names[k]);
    s->unit4.open_memory("FORCES.LST", text);
  }
};

// Where the unit stands after a search, or the message of the error.
std::string outcome(Forces& f, auto search) {
  try {
    search();
  } catch (const RunError& e) {
    return e.what();
  }
  InputUnit::Position p = f.s->unit4.position();
  return "offset " + std::to_string(p.offset) + " line " + std::to_string(p.line);
}

std::string at_record(const Rescan& r, long index) {
  return "offset " + std::to_string(r.start[static_cast<std::size_t>(index)]) + " line " +
         std::to_string(index + 1);
}

class RememberingOn : public ::testing::Test {
 protected:
  void TearDown() override { remember_case_blocks(true); }
};

std::string block_heading(std::string_view name) {
  return std::string(CASE_HEADING) + std::string(Name<4>::of(name).view()) + " - CARGA";
}

// A block: heading, a record naming the block, the resultants heading.
std::string block(std::string_view name, std::string_view tag, bool resultants = true) {
  std::string b = block_heading(name) + "\n" + std::string(tag) + "\n  1   0.5   0.5   0.5\n";
  if (resultants) b += std::string(RESULTANTS_HEADING) + " (SISTEMA GLOBAL)\n  1   9.0   9.0   9.0\n";
  return b;
}

TEST_F(RememberingOn, TheFirstOfTwoBlocksWithOneNameIsFoundByEverySearch) {
  // Near misses before: no blank after the colon, lower case, four blanks.
  std::string text = "     CARREGAMENTO:-G1\n     carregamento: G1\n    CARREGAMENTO: G1\n" +
                     block("G1", "FIRST G1") + block("Q1", "Q1") + block("G1", "SECOND G1") +
                     block("W1", "W1");
  Rescan r(text);
  Forces f(text, {"G1", "Q1", "W1"});
  // W1 first: the reading passes both G1 blocks before G1 is asked for.
  for (const char* name : {"W1", "G1", "Q1", "G1"}) {
    block_search(*f.s, Name<4>::of(name));
    Record record;
    ASSERT_TRUE(f.s->unit4.next(record));
    if (std::string_view(name) == "G1") {
      EXPECT_EQ(record.text(), "FIRST G1");
    }
    f.s->unit4.backspace();
    EXPECT_EQ(outcome(f, [] {}), at_record(r, r.block(Name<4>::of(name)) + 1)) << name;
  }
  // The resultants of the first G1, not of the second.
  block_search(*f.s, Name<4>::of("G1"));
  resultants_search(*f.s, Name<4>::of("G1"));
  EXPECT_EQ(outcome(f, [] {}), at_record(r, r.find(RESULTANTS_HEADING, r.block(Name<4>::of("G1"))) + 1));
}

TEST_F(RememberingOn, AResultantsSearchRunsOnIntoTheNextBlock) {
  // D has no resultants heading: its search ends in E's block, whichever
  // block was asked for first.
  std::string text = block("A", "A") + block("D", "D", false) + "  TEXT\n" + block("E", "E");
  Rescan r(text);
  const long expected = r.find(RESULTANTS_HEADING, r.block(Name<4>::of("D"))) + 1;
  ASSERT_GT(expected, r.block(Name<4>::of("E")));
  for (const std::vector<const char*>& order : {std::vector<const char*>{"D"}, {"E", "A", "D"}}) {
    Forces f(text, {"A", "D", "E"});
    for (const char* name : order) {
      block_search(*f.s, Name<4>::of(name));
      resultants_search(*f.s, Name<4>::of(name));
    }
    EXPECT_EQ(outcome(f, [] {}), at_record(r, expected));
  }
}

TEST_F(RememberingOn, AMissingNameOrHeadingEndsTheRunAsARescanDoes) {
  std::string text = block("G1", "G1") + block("Q1", "Q1") + block("W1", "W1", false) + "  LAST LINE";
  for (bool remembering : {false, true}) {
    remember_case_blocks(remembering);
    Forces f(text, {"G1", "Q1", "W1", "X9"});
    std::vector<std::string> seen;
    // Good passes first, as the reading of combinations makes them.
    for (const char* name : {"G1", "Q1", "G1", "X9"})
      seen.push_back(outcome(f, [&] { block_search(*f.s, Name<4>::of(name)); }));
    seen.push_back(outcome(f, [&] {
      block_search(*f.s, Name<4>::of("W1"));
      resultants_search(*f.s, Name<4>::of("W1"));
    }));
    EXPECT_EQ(seen[3],
              "\nrun-time error F6501: READ(FORCES.LST)\n- end of file after line 14: the heading \"     "
              "CARREGAMENTO: X9  \" (columns 1-23) was not found\n");
    EXPECT_EQ(seen[4],
              "\nrun-time error F6501: READ(FORCES.LST)\n- end of file after line 14: the heading \"     "
              "RESULTANTES NODAIS\" (columns 1-23) was not found\n");
  }
}

TEST_F(RememberingOn, ABackspaceAfterTheSearchReadsTheHeadingAgain) {
  Forces f(block("G1", "G1") + block("Q1", "Q1"), {"G1", "Q1"});
  block_search(*f.s, Name<4>::of("Q1"));
  block_search(*f.s, Name<4>::of("G1"));
  f.s->unit4.backspace();
  Record record;
  ASSERT_TRUE(f.s->unit4.next(record));
  EXPECT_EQ(record.text(), block_heading("G1"));
  EXPECT_EQ(record.line, 1);
}

TEST_F(RememberingOn, ANewOpeningOfTheUnitIsReadAfresh) {
  auto s = std::make_unique<Store>();
  s->BL4.CCAR(1) = Name<4>::of("G1");
  std::string first = block("G1", "G1");
  std::string second = "PAGE\nPAGE\n" + block("G1", "G1 AGAIN");
  s->unit4.open_memory("FIRST.LST", first);
  block_search(*s, Name<4>::of("G1"));
  s->unit4.open_memory("SECOND.LST", second);
  block_search(*s, Name<4>::of("G1"));
  EXPECT_EQ(s->unit4.position().line, 4);
  EXPECT_EQ(s->unit4.position().offset, second.find("G1 AGAIN"));
}

// A listing full of near misses: headings in lower case or with four blanks,
// a heading that ends at its colon (a blank name) or after a short name, CR
// LF ends, long records across the read buffer, a last line without LF.
std::string tricky_listing(int pages) {
  std::string t;
  std::uint32_t state = 12345;
  auto next = [&state](std::uint32_t n) {
    state = state * 1103515245u + 12345u;
    return (state >> 8) % n;
  };
  const char* names[] = {"G1", "G2", "AB", "Q1 ", "W1", "G1"};
  for (int page = 0; page < pages; ++page) {
    for (int k = next(40); k > 0; --k) t += "     CARREGAMENTOS COMBINADOS " + std::to_string(k) + "\r\n";
    switch (next(9)) {
      case 0:
        t += "     carregamento: G1\n";
        break;
      case 1:
        t += "    CARREGAMENTO: G1\n";
        break;
      case 2:
        t += "     CARREGAMENTO:\n";
        break;  // the heading of a blank name
      case 3:
        t += std::string(70000 + next(3000), 'x') + "\n";
        break;
      case 4:
        t += "     RESULTANTES NODAI\n";
        break;
      case 5:
        t += "     CARREGAMENTO:-G1\n";
        break;  // no blank after the colon
      default:
        break;
    }
    // The name as written, unpadded: the record may end right after it.
    t += std::string(CASE_HEADING) + names[next(6)] + (next(2) ? "\r\n" : "\n");
    for (int k = next(30); k > 0; --k) t += "  " + std::to_string(k) + "   1.0   2.0\n";
    if (next(3) != 0) t += std::string(RESULTANTS_HEADING) + (next(2) ? "\r\n" : "\n");
  }
  return t + "     FIM DA LISTAGEM";
}

TEST_F(RememberingOn, EverySearchEndsWhereARescanEnds) {
  for (auto [pages, steps] : {std::pair{12, 300}, std::pair{150, 120}}) {
    const std::string text = tricky_listing(pages);
    const Rescan r(text);
    const std::vector<std::string> names = {"G1", "G2", "AB", "Q1", "W1", "    ", "X9"};
    Forces remembered(text, names), rescanned(text, names);
    std::uint32_t state = 99;
    for (int step = 0; step < steps; ++step) {
      state = state * 1103515245u + 12345u;
      const Name<4> name = Name<4>::of(names[(state >> 8) % names.size()]);
      const int kind = static_cast<int>((state >> 16) % 3);
      // Block search alone, followed by the resultants search, or records
      // read on before a resultants search from wherever the unit stands.
      auto operation = [&](Forces& f) {
        return outcome(f, [&] {
          if (kind != 2) block_search(*f.s, name);
          if (kind == 1) resultants_search(*f.s, name);
          if (kind == 2) {
            skip_record(f.s->unit4, "record");
            resultants_search(*f.s, name);
          }
        });
      };
      remember_case_blocks(false);
      const std::string expected = operation(rescanned);
      remember_case_blocks(true);
      ASSERT_EQ(operation(remembered), expected) << "step " << step << " pages " << pages;
      if (kind == 0) {
        const long k = r.block(name);
        EXPECT_EQ(expected, k < 0 ? expected : at_record(r, k + 1));
      }
    }
  }
}

}  // namespace
}  // namespace toval
