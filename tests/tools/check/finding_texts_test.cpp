// The check's catalogue: every text in both languages, with the same
// arguments, so that a finding says the same in Portuguese and English.
#include "tools/check/finding_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace toval::tools::check {
namespace {

// The arguments a text shows, each filled in as "<n>".
std::set<std::string> arguments_shown(Text key, cli::Language language) {
  std::vector<std::string> args;
  for (int n = 1; n <= 9; ++n) args.push_back("<" + std::to_string(n) + ">");
  const std::string text = text_of({{key, args}}, language);
  std::set<std::string> shown;
  for (const std::string& a : args)
    if (text.find(a) != std::string::npos) shown.insert(a);
  return shown;
}

TEST(FindingTexts, EveryTextShowsTheSameArgumentsInBothLanguages) {
  for (int k = 0; k < static_cast<int>(Text::count); ++k) {
    const Text key = static_cast<Text>(k);
    EXPECT_EQ(arguments_shown(key, cli::Language::pt), arguments_shown(key, cli::Language::en))
        << "text " << k;
    // A sentence left in English in the Portuguese column.
    const std::string en = text_of({{key, {}}}, cli::Language::en);
    if (std::count(en.begin(), en.end(), ' ') >= 3) {
      EXPECT_NE(text_of({{key, {}}}, cli::Language::pt), en) << en;
    }
  }
}

TEST(FindingTexts, PhrasesJoinIntoOneSentence) {
  const std::vector<Phrase> marker = {{Text::miscased_marker, {"\"fimc\"", "\"FIMC\""}},
                                      {Text::read_as_term, {"2"}},
                                      {Text::write_marker, {"\"FIMC\""}}};
  EXPECT_EQ(
      text_of(marker, cli::Language::en),
      "columns 1-4 hold \"fimc\", which is not the marker \"FIMC\": markers are written in capitals, so this "
      "line is read as a term record of combination 2; write \"FIMC\"");
  EXPECT_EQ(
      text_of(marker, cli::Language::pt),
      "as colunas 1-4 trazem \"fimc\", que não é o marcador \"FIMC\": os marcadores são escritos em "
      "maiúsculas, então esta linha é lida como um registro de termo da combinação 2; escreva \"FIMC\"");
  EXPECT_EQ(kind_name(Kind::decimal_comma), "decimal-comma");
  EXPECT_EQ(kind_name(Kind::run_error), "run-error");
}

}  // namespace
}  // namespace toval::tools::check
