// Element types of every record and of the store: 16-bit whole numbers,
// 32-bit reals and fixed-length, blank-padded names.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace toval {

using Whole = std::int16_t;  // whole number
using Wide = std::int32_t;   // wide whole number (a few loop counters)
using Real = float;          // real

// A name field of N characters, compared character by character including
// trailing blanks. A fresh name holds N zero bytes, as the store starts.
template <std::size_t N>
struct Name {
  std::array<char, N> chars{};

  static constexpr std::size_t size = N;

  // The text cut to N characters or padded with blanks to N.
  static constexpr Name of(std::string_view text) {
    Name n;
    for (std::size_t i = 0; i < N; ++i) n.chars[i] = i < text.size() ? text[i] : ' ';
    return n;
  }
  static constexpr Name blank() { return of(""); }

  std::string_view view() const { return {chars.data(), N}; }
  bool operator==(const Name&) const = default;
  bool operator==(std::string_view text) const { return view() == text; }
};

}  // namespace toval
