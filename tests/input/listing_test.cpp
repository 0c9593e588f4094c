// The listing keeps what it has read of the forces file. Wherever keeping
// could change an answer (the order of asking, two blocks of one name, a
// block never asked for, resultants found in a later block, a missing name
// asked for after good passes, more names than it notes), it must answer as
// a pass reading the file from the top answers.
#include "input/listing.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "records/run_error.h"

namespace toval {
namespace {

constexpr Whole NNOS = 2;

std::string node_line(int node, double value) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "%8d%22.3f%25.3f%25.3f\n", node, value, value + 1, value + 2);
  return buf;
}

std::string force_line(int bar, double normal) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "%9d%13d%18.2f%21.2f%19.2f\n", bar, 1, normal, normal / 10, normal / 100);
  return buf;
}

// A case block of two nodes and one bar; `base` tells its values apart.
std::string block(const std::string& name, double base, bool with_resultants = true) {
  std::string b = "     CARREGAMENTO: " + name + "\n";
  for (int k = 0; k < 10; ++k) b += "  ---\n";
  b += node_line(1, base) + node_line(2, base + 10);
  for (int k = 0; k < 9; ++k) b += "  ---\n";
  b += force_line(1, base) + force_line(1, -base * 2) + "  ---\n";
  b += with_resultants ? "     RESULTANTES NODAIS\n" : "     (none here)\n";
  for (int k = 0; k < 4; ++k) b += "  ---\n";
  b += node_line(1, base + 100) + node_line(2, base + 200);
  return b;
}

struct Forces {
  std::string text;
  InputUnit unit;
  std::unique_ptr<Listing> listing;
  explicit Forces(std::string t) : text(std::move(t)) {
    unit.open_memory("FORCES.LST", text);
    listing = std::make_unique<Listing>(unit);
  }
  Listing::Block& get(const char* name) {
    Asker asker;
    asker.kind = Asker::Kind::term;
    asker.entry = 1;
    asker.term = 2;
    asker.line = 15;
    asker.file = "T.CMB";
    return listing->block(Name<4>::of(name), asker);
  }
};

std::string message_of(auto ask) {
  try {
    ask();
  } catch (const RunError& e) {
    return e.what();
  }
  return "";
}

TEST(Listing, AnswersDoNotDependOnTheOrderOfAsking) {
  const std::string text = "head\n" + block("A", 1) + block("B", 2) + block("C", 3);
  Forces in_order(text), reversed(text);
  for (const char* name : {"A", "B", "C"}) {
    Listing::Block& b = in_order.get(name);
    in_order.listing->displacement_node(b, NNOS, 1);
    in_order.listing->bar_group(b, NNOS, 1);
  }
  for (const char* name : {"C", "B", "A"}) {
    // Bar groups before the displacement records, resultants first of all.
    Listing::Block& b = reversed.get(name);
    reversed.listing->resultant(b, 2);
    reversed.listing->bar_group(b, NNOS, 1);
    EXPECT_EQ(reversed.listing->displacement_node(b, NNOS, 2), 2);
  }
  for (const char* name : {"A", "B", "C"}) {
    SCOPED_TRACE(name);
    Listing::Block& x = in_order.get(name);
    Listing::Block& y = reversed.get(name);
    const double base = name[0] - 'A' + 1;
    EXPECT_EQ(x.heading_line, y.heading_line);
    EXPECT_EQ(in_order.listing->bar_group(x, NNOS, 1).end2.ESFN, static_cast<Real>(-base * 2));
    EXPECT_EQ(reversed.listing->bar_group(y, NNOS, 1).end2.ESFN, static_cast<Real>(-base * 2));
    EXPECT_EQ(in_order.listing->resultant(x, 1).V1, static_cast<Real>(base + 100));
    EXPECT_EQ(reversed.listing->resultant(y, 1).V1, static_cast<Real>(base + 100));
    EXPECT_EQ(in_order.listing->displacement(x, NNOS, 2).V1, static_cast<Real>(base + 10));
    EXPECT_EQ(reversed.listing->displacement(y, NNOS, 2).V1, static_cast<Real>(base + 10));
  }
}

TEST(Listing, TheFirstBlockOfANameWinsAndOthersAreNeverRead) {
  // The second A and the block Z hold text that no field can read.
  const std::string garbage = "     CARREGAMENTO: Z\n" + std::string(40, '#') + "\n";
  Forces f(block("B", 2) + block("A", 1) + garbage + "     CARREGAMENTO: A\n####\n" + block("C", 3));
  Listing::Block& c = f.get("C");
  Listing::Block& a = f.get("A");
  EXPECT_EQ(f.listing->bar_group(a, NNOS, 1).end1.ESFN, 1.0f);
  EXPECT_EQ(f.listing->resultant(a, 2).V1, 201.0f);
  EXPECT_EQ(f.listing->bar_group(c, NNOS, 1).end1.ESFN, 3.0f);
  EXPECT_EQ(a.heading_line, 1 + 32);
}

TEST(Listing, ResultantsSearchRunsOnIntoTheNextBlock) {
  Forces f(block("A", 1, false) + block("B", 2));
  Listing::Block& a = f.get("A");
  EXPECT_EQ(f.listing->resultant(a, 1).V1, 102.0f);  // B's
  EXPECT_EQ(f.listing->resultant(a, 1).line, 32 + 31);
  Forces g(block("A", 1, false));
  Listing::Block& lone = g.get("A");
  EXPECT_EQ(message_of([&] { g.listing->resultant(lone, 1); }),
            "\nrun-time error F6501: READ(FORCES.LST)\n- end of file after line 32: the heading \"     "
            "RESULTANTES NODAIS\" (columns 1-23) was not found\n");
}

TEST(Listing, AMissingNameAfterGoodPassesEndsAtTheEndOfTheFile) {
  Forces f(block("A", 1) + "tail\n");
  Listing::Block& a = f.get("A");
  f.listing->bar_group(a, NNOS, 1);
  f.listing->resultant(a, 2);
  EXPECT_EQ(message_of([&] { f.get("Q"); }),
            "\nrun-time error F6501: READ(FORCES.LST)\n- end of file after line 33: the heading \"     "
            "CARREGAMENTO: Q   \" (columns 1-23) was not found; it was asked for by term 2 of combination 1, "
            "line 15 of T.CMB\n");
  // A block cut short ends the run at the record that is missing.
  Forces cut(block("A", 1).substr(0, 200));
  Listing::Block& c = cut.get("A");
  EXPECT_EQ(message_of([&] { cut.listing->bar_group(c, NNOS, 1); }),
            "\nrun-time error F6501: READ(FORCES.LST)\n- end of file after line 13: a record 1 of the nine "
            "before the bar groups of case A was expected\n");
}

TEST(Listing, APassPassesItsRecordsEvenWhenItReadsNone) {
  // No nodes, no bars: the ten records after the heading and the nine before
  // the groups must still be there, and so must the resultants heading and
  // the four records after it.
  const std::string heading = "     CARREGAMENTO: A\n";
  Forces ten(heading + "only one record\n");
  EXPECT_EQ(
      message_of([&] { ten.listing->displacements_of(Name<4>::of("A"), {}, 0); }),
      "\nrun-time error F6501: READ(FORCES.LST)\n- end of file after line 2: a record 2 after the heading "
      "of case A was expected\n");
  std::string nineteen = heading;
  for (int k = 0; k < 18; ++k) nineteen += "x\n";
  Forces short_of_groups(nineteen);
  EXPECT_NO_THROW(short_of_groups.listing->displacements_of(Name<4>::of("A"), {}, 0));
  EXPECT_EQ(
      message_of([&] { short_of_groups.listing->bar_groups_of(Name<4>::of("A"), {}, 0); }),
      "\nrun-time error F6501: READ(FORCES.LST)\n- end of file after line 19: a record 9 of the nine before "
      "the bar groups of case A was expected\n");
  Forces three_after(heading + "     RESULTANTES NODAIS\nx\nx\nx\n");
  EXPECT_EQ(
      message_of([&] { three_after.listing->resultants_of(Name<4>::of("A"), {}); }),
      "\nrun-time error F6501: READ(FORCES.LST)\n- end of file after line 5: a record 4 after the nodal "
      "resultants heading of case A was expected\n");
}

TEST(Listing, MoreNamesThanItNotesAreFoundByAPassFromTheTop) {
  std::string text;
  for (int k = 0; k < 5000; ++k) {
    char name[8];
    std::snprintf(name, sizeof name, "%04d", k);
    text += "     CARREGAMENTO: " + std::string(name) + "\n";
  }
  Forces f(text + block("LAST", 7));
  Listing::Block& last = f.get("LAST");
  EXPECT_EQ(last.heading_line, 5001);
  EXPECT_EQ(f.listing->bar_group(last, NNOS, 1).end1.ESFN, 7.0f);
  EXPECT_EQ(f.listing->resultant(last, 1).V1, 107.0f);
  EXPECT_EQ(f.get("0003").heading_line, 4);
  EXPECT_NE(message_of([&] { f.get("NONE"); }).find("was not found; it was asked for by term 2"),
            std::string::npos);
}

// Blocks far apart: pages between them push each block out of the unit's
// buffer before a later pass comes back to it.
std::string far_apart(const std::vector<std::string>& blocks) {
  std::string page;
  for (int k = 0; k < 4000; ++k)
    page += "  a page of the listing that no reader looks at, and its column titles\n";
  std::string text = "head\n";
  for (const std::string& b : blocks) text += page + b;
  return text;
}

// The steps' order of asking: displacements of every case, bar groups of
// every term (each case twice), then resultants; every value and line read,
// and the first error.
std::string ask_as_the_steps(Forces& f, const std::vector<std::string>& names) {
  std::string answers;
  auto note = [&](double v, long line) { answers += std::to_string(v) + "@" + std::to_string(line) + " "; };
  try {
    for (const std::string& name : names) {
      Listing::Block& b = f.listing->displacements_of(Name<4>::of(name), {}, NNOS);
      for (Whole k = 1; k <= NNOS; ++k) note(f.listing->displacement_node(b, NNOS, k), 0);
      const NodeValuesRecord& v = f.listing->displacement(b, NNOS, 2);
      note(v.V3, v.line);
    }
    for (int term = 0; term < 2; ++term)
      for (const std::string& name : names) {
        Listing::Block& b = f.listing->bar_groups_of(Name<4>::of(name), {}, NNOS);
        const BarGroup& g = f.listing->bar_group(b, NNOS, 1);
        note(g.end1.ESFN, g.end1.line);
        note(g.end2.ESFM, g.end2.line);
      }
    for (const std::string& name : names) {
      Listing::Block& b = f.listing->resultants_of(Name<4>::of(name), {});
      f.listing->pass_resultant(b, 1);
      const NodeValuesRecord& v = f.listing->resultant(b, 2);
      note(v.V2, v.line);
    }
  } catch (const RunError& e) {
    answers += e.what();
  }
  return answers;
}

void keep(Forces& f, const std::vector<std::string>& names) {
  std::vector<Name<4>> kept;
  for (const std::string& name : names) kept.push_back(Name<4>::of(name));
  f.listing->keep_blocks(kept, NNOS, 1);
}

TEST(Listing, BlocksFarBehindAreReadOnceWithTheSameAnswers) {
  const std::vector<std::string> names = {"A", "B", "C"};
  const std::string text = far_apart({block("A", 1), block("B", 2), block("B", 9), block("C", 3)});
  Forces plain(text), keeping(text);
  keep(keeping, names);
  const std::string answers = ask_as_the_steps(plain, names);
  EXPECT_EQ(answers.find("error"), std::string::npos) << answers;
  EXPECT_EQ(ask_as_the_steps(keeping, names), answers);
  EXPECT_GT(plain.unit.bytes_read(), text.size());
  EXPECT_EQ(keeping.unit.bytes_read(), text.size());
  // Asked again in another order, from what is kept.
  Forces again(text);
  keep(again, names);
  EXPECT_EQ(ask_as_the_steps(again, {"C", "A", "B"}), ask_as_the_steps(plain, {"C", "A", "B"}));
}

TEST(Listing, FaultsInKeptBlocksAreMetAtTheSameQuestion) {
  // B's end-force record and C's resultant hold text where numbers stand;
  // the scan passes and keeps both before any pass reads them.
  std::string bad_b = block("B", 2), bad_c = block("C", 3);
  bad_b.replace(bad_b.find(force_line(1, 2)), 20, std::string(20, 'x'));
  bad_c.replace(bad_c.rfind(node_line(2, 203)), 30, "       2    not a number here!");
  const std::vector<std::string> names = {"A", "B", "C"};
  for (const std::string& text :
       {far_apart({block("A", 1), bad_b, block("C", 3)}), far_apart({block("A", 1), block("B", 2), bad_c}),
        far_apart({block("A", 1), block("B", 2), block("C", 3).substr(0, 300)})}) {
    Forces plain(text), keeping(text);
    keep(keeping, names);
    const std::string answers = ask_as_the_steps(plain, names);
    EXPECT_NE(answers.find("run-time error"), std::string::npos) << answers;
    EXPECT_EQ(ask_as_the_steps(keeping, names), answers);
  }
}

}  // namespace
}  // namespace toval
