// The store's tables: fixed-capacity tables indexed from 1.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "records/values.h"

namespace toval {

// Index out of a table's bounds: a fault of the program, never of the input
// (every count is checked against its capacity where it grows).
[[noreturn]] inline void index_fault(long index, std::size_t capacity) {
  std::fprintf(stderr, "\ninternal fault: table index %ld outside 1..%zu\n", index, capacity);
  std::abort();
}

// A table of N entries indexed from 1.
template <class T, std::size_t N>
class Table {
 public:
  static constexpr std::size_t capacity = N;
  T& operator()(long i) { return values_[checked(i)]; }
  const T& operator()(long i) const { return values_[checked(i)]; }
  void fill(const T& v) { values_.fill(v); }

 private:
  static std::size_t checked(long i) {
    if (i < 1 || static_cast<std::size_t>(i) > N) index_fault(i, N);
    return static_cast<std::size_t>(i - 1);
  }
  std::array<T, N> values_{};
};

// A table of N by M entries, both indices from 1.
template <class T, std::size_t N, std::size_t M>
class Table2 {
 public:
  T& operator()(long i, long j) { return values_[checked(i, j)]; }
  const T& operator()(long i, long j) const { return values_[checked(i, j)]; }
  void fill(const T& v) { values_.fill(v); }

 private:
  static std::size_t checked(long i, long j) {
    if (i < 1 || static_cast<std::size_t>(i) > N) index_fault(i, N);
    if (j < 1 || static_cast<std::size_t>(j) > M) index_fault(j, M);
    return static_cast<std::size_t>(i - 1) + N * static_cast<std::size_t>(j - 1);
  }
  std::array<T, N * M> values_{};
};

}  // namespace toval
