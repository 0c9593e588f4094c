// Every text that toval-tools writes for people, in Portuguese and English,
// kept as data: a room lists its texts in one table of rows {key, pt, en},
// one row per key in the order of its enum (which ends in `count`), and
// checks that table at compile time with `static_assert(covers_every_key(TABLE))`.
// Code names a text by its key only; %1, %2, ... in a text are filled in
// from arguments.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "tools/cli/language.h"
#include "tools/cli/options.h"

namespace toval::tools::cli {

template <class Key>
struct TextRow {
  Key key;
  std::string_view pt;
  std::string_view en;
};

// Whether the table holds every key of Key once, in the enum's order, with a
// text in each language (a missing, repeated or moved row fails to compile).
template <class Key, std::size_t N>
consteval bool covers_every_key(const TextRow<Key> (&rows)[N]) {
  if (N != static_cast<std::size_t>(Key::count)) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(rows[i].key) != i) return false;
    if (rows[i].pt.data() == nullptr || rows[i].en.data() == nullptr) return false;
  }
  return true;
}

// The pattern with %1 .. %9 replaced by the arguments (an argument not given
// leaves nothing); any other % stands as it is.
std::string fill_in(std::string_view pattern, std::initializer_list<std::string_view> args);
// The same, for arguments that are only known at run time.
std::string fill_in(std::string_view pattern, std::span<const std::string> args);

// A room's texts in one language.
template <class Key>
class Catalogue {
 public:
  template <std::size_t N>
  constexpr Catalogue(const TextRow<Key> (&rows)[N], Language language) : rows_(rows), language_(language) {}

  Language language() const { return language_; }
  std::string_view operator()(Key key) const {
    const TextRow<Key>& row = rows_[static_cast<std::size_t>(key)];
    return language_ == Language::en ? row.en : row.pt;
  }
  std::string format(Key key, std::initializer_list<std::string_view> args) const {
    return fill_in((*this)(key), args);
  }

 private:
  std::span<const TextRow<Key>> rows_;
  Language language_;
};

// --lang pt|en, as every subcommand with texts in both languages takes it.
inline constexpr OptionDefinition LANGUAGE_OPTION{"lang", '\0', true, "pt|en"};

// The value of --lang: "pt" or "en", `absent` when none is given (pt for
// every subcommand but draw, whose pictures were English before it had the
// option); anything else is a usage error naming the option.
Language language_option(const Options& options, Language absent = Language::pt);

}  // namespace toval::tools::cli
