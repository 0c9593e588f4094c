// The prefixes that a scan for headings looks for, prepared once per scan
// so that most records are told apart by a word comparison or two.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string_view>

namespace toval {

class PrefixMatch {
 public:
  static constexpr std::size_t MOST = 8;  // prefixes one scan may look for

  explicit PrefixMatch(std::span<const std::string_view> prefixes) : prefixes_(prefixes) {
    if (prefixes.size() > MOST) {
      std::fputs("\ninternal fault: more than 8 prefixes for one skip\n", stderr);
      std::abort();
    }
    for (std::string_view prefix : prefixes) longest_ = std::max(longest_, prefix.size());
    take_lead();
    for (std::size_t i = 0; i < prefixes.size(); ++i) heads_[i] = head_of(prefixes[i]);
  }

  std::size_t longest() const { return longest_; }
  // The bytes that match_fast may look at from where a record starts.
  std::ptrdiff_t fast_room() const { return static_cast<std::ptrdiff_t>(std::max<std::size_t>(longest_, 8)); }

  // Passes whole records from `from` on, while at least fast_room() bytes
  // stand before `end` and the record starts before `stop`, up to one that
  // begins with a prefix: returns its index, else -1. `from` is left where
  // the pass stopped, and `passed` counts the records passed over.
  int pass_records(const char*& from, const char* end, const char* stop, long& passed) const {
    // Copies of our own, which the loop keeps in registers.
    const std::uint32_t lead_word = lead_word_, lead_mask = lead_mask_;
    const std::ptrdiff_t room = fast_room();
    const char* p = from;
    long n = 0;
    int found = -1;
    while (end - p >= room && p < stop) {
      std::uint32_t word;
      std::memcpy(&word, p, 4);
      if ((word & lead_mask) == lead_word) {
        found = match_head(p);
        if (found >= 0) break;
      }
      const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      if (lf == nullptr) break;
      p = lf + 1;
      ++n;
    }
    from = p;
    passed += n;
    return found;
  }

  // The same for a record of which `available` bytes are at hand (all of
  // it, or at least its first longest() bytes).
  int match(const char* p, std::size_t available) const {
    for (std::size_t i = 0; i < prefixes_.size(); ++i)
      if (prefixes_[i].size() <= available && std::memcmp(p, prefixes_[i].data(), prefixes_[i].size()) == 0)
        return static_cast<int>(i);
    return -1;
  }

 private:
  // The prefix that a record sharing the lead begins with, -1 for none; at
  // least fast_room() bytes stand from p on.
  int match_head(const char* p) const {
    std::uint64_t first8;
    std::memcpy(&first8, p, 8);
    for (std::size_t i = 0; i < prefixes_.size(); ++i)
      if ((first8 & heads_[i].mask) == heads_[i].word &&
          std::memcmp(p, prefixes_[i].data(), prefixes_[i].size()) == 0)
        return static_cast<int>(i);
    return -1;
  }

  // The first (up to) eight characters of a prefix as a word, so that a
  // record that shares only the lead is told apart without a comparison call.
  struct Head {
    std::uint64_t word = 0, mask = 0;
  };

  // The characters that every prefix begins with (the headings all begin
  // with blanks): a record that does not begin with them is passed at once,
  // with one comparison; most records of a listing are such records.
  void take_lead() {
    std::size_t lead = longest_;
    for (std::string_view prefix : prefixes_) {
      std::size_t k = 0;
      while (k < lead && k < prefix.size() && prefix[k] == prefixes_[0][k]) ++k;
      lead = k;
    }
    lead = std::min<std::size_t>(lead, 4);
    char lead_bytes[4] = {};
    if (!prefixes_.empty()) std::memcpy(lead_bytes, prefixes_[0].data(), lead);
    std::memcpy(&lead_word_, lead_bytes, sizeof lead_word_);
    const char ones[4] = {'\xff', '\xff', '\xff', '\xff'};
    std::memcpy(&lead_mask_, ones, lead);  // the lead's bytes of a word, in memory order
    lead_word_ &= lead_mask_;
  }

  static Head head_of(std::string_view prefix) {
    Head head;
    const std::size_t n = std::min<std::size_t>(prefix.size(), 8);
    char bytes[8] = {}, ones[8] = {};
    std::memcpy(bytes, prefix.data(), n);
    std::memset(ones, 0xff, n);
    std::memcpy(&head.word, bytes, 8);
    std::memcpy(&head.mask, ones, 8);
    return head;
  }

  std::span<const std::string_view> prefixes_;
  std::size_t longest_ = 0;
  std::uint32_t lead_word_ = 0, lead_mask_ = 0;
  Head heads_[MOST];
};

}  // namespace toval
