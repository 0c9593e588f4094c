// The one way toval-tools keeps its pt/en texts, and the one reading of
// --lang.
#include "tools/cli/catalogue.h"

#include <gtest/gtest.h>

#include "tools/cli/usage_error.h"

namespace toval::tools::cli {
namespace {

enum class Key { greeting, count_line, count };

constexpr TextRow<Key> ROWS[] = {
    {Key::greeting, "ola", "hello"},
    {Key::count_line, "%2 de %1", "%2 of %1"},
};
static_assert(covers_every_key(ROWS));

// A row missing, rows out of the enum's order, a language left out: each
// fails the check that every room's table is compiled with.
constexpr TextRow<Key> MISSING[] = {{Key::greeting, "ola", "hello"}};
constexpr TextRow<Key> MOVED[] = {{Key::count_line, "a", "b"}, {Key::greeting, "c", "d"}};
constexpr TextRow<Key> REPEATED[] = {{Key::greeting, "a", "b"}, {Key::greeting, "c", "d"}};
constexpr TextRow<Key> ONE_LANGUAGE[] = {{Key::greeting, "ola", {}}, {Key::count_line, "a", "b"}};
static_assert(!covers_every_key(MISSING));
static_assert(!covers_every_key(MOVED));
static_assert(!covers_every_key(REPEATED));
static_assert(!covers_every_key(ONE_LANGUAGE));

TEST(Catalogue, GivesTheTextOfItsLanguageByKey) {
  const Catalogue<Key> pt(ROWS, Language::pt), en(ROWS, Language::en);
  EXPECT_EQ(pt(Key::greeting), "ola");
  EXPECT_EQ(en(Key::greeting), "hello");
  EXPECT_EQ(pt.language(), Language::pt);
  EXPECT_EQ(pt.format(Key::count_line, {"10", "3"}), "3 de 10");
  EXPECT_EQ(en.format(Key::count_line, {"10", "3"}), "3 of 10");
}

TEST(FillIn, ReplacesNumberedPlacesAndLeavesEveryOtherPercent) {
  EXPECT_EQ(fill_in("%1/%2 %1", {"a", "b"}), "a/b a");
  // A place without its argument leaves nothing.
  EXPECT_EQ(fill_in("[%3]", {"a"}), "[]");
  EXPECT_EQ(fill_in("%9", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "9");
  // %0, %%, a % at the end and %10 (place 1, then "0") are not places.
  EXPECT_EQ(fill_in("%0 %% 5% x%", {"a"}), "%0 %% 5% x%");
  EXPECT_EQ(fill_in("%10", {"a"}), "a0");
  // An argument is put in as it is, never read as a pattern itself.
  EXPECT_EQ(fill_in("<%1>", {"%2"}), "<%2>");
}

Language lang_of(std::vector<std::string> args) {
  constexpr OptionDefinition DEFINITIONS[] = {LANGUAGE_OPTION};
  return language_option(Options(DEFINITIONS, args));
}

TEST(LanguageOption, PortugueseByDefaultAndNothingButPtOrEn) {
  EXPECT_EQ(lang_of({}), Language::pt);
  EXPECT_EQ(lang_of({"--lang", "pt"}), Language::pt);
  EXPECT_EQ(lang_of({"--lang=en"}), Language::en);
  for (const char* bad : {"EN", "", "fr"}) {
    try {
      lang_of({"--lang", bad});
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const UsageError& e) {
      EXPECT_EQ(std::string(e.what()), "bad value '" + std::string(bad) + "' for --lang (pt or en)");
    }
  }
}

}  // namespace
}  // namespace toval::tools::cli
