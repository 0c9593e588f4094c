// The store's tables, indexed from 1. A table holds the entries written so
// far and grows as they are written, up to a capacity it is given; reading
// an entry within the capacity that was never written gives the table's
// fill value (zero unless fill() chose another), as a table zeroed at the
// start of a run would. Only the non-const access grows a table: whoever
// only reads takes the table (or the store) as const, and a read never
// allocates.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "records/values.h"

namespace toval {

// Index out of a table's capacity: a fault of the program, never of the
// input (every count is checked against its capacity where it grows).
[[noreturn]] inline void index_fault(long index, std::size_t capacity) {
  std::fprintf(stderr, "\ninternal fault: table index %ld outside 1..%zu\n", index, capacity);
  std::abort();
}

// A table of up to `capacity` entries.
template <class T>
class Table {
 public:
  Table() = default;
  explicit Table(std::size_t capacity) : capacity_(capacity) {}

  std::size_t capacity() const { return capacity_; }
  // Entries held: those up to the highest index written since the last fill.
  std::size_t held() const { return values_.size(); }

  T& operator()(long i) {
    const std::size_t k = checked(i);
    if (k >= values_.size()) grow(k + 1);
    return values_[k];
  }
  const T& operator()(long i) const {
    const std::size_t k = checked(i);
    return k < values_.size() ? values_[k] : fill_;
  }
  // Every entry reads as v from now on; the memory held is given back.
  void fill(const T& v) {
    fill_ = v;
    std::vector<T>().swap(values_);
  }

 private:
  std::size_t checked(long i) const {
    if (i < 1 || static_cast<std::size_t>(i) > capacity_) index_fault(i, capacity_);
    return static_cast<std::size_t>(i - 1);
  }
  // Grows by at least half again, so that writing entries in order costs
  // a few moves in all, however many there are.
  void grow(std::size_t size) {
    if (size > values_.capacity())
      values_.reserve(std::min(capacity_, std::max(size, values_.size() * 3 / 2 + 8)));
    values_.resize(size, fill_);
  }

  std::vector<T> values_;
  T fill_{};
  std::size_t capacity_ = 0;
};

// A table of up to rows x columns entries, both indices from 1. Rows are
// stored one after the other, each as wide as the widest row written.
template <class T>
class Table2 {
 public:
  Table2() = default;
  Table2(std::size_t rows, std::size_t columns) : rows_(rows), columns_(columns) {}

  // Entries held: whole rows, as wide as the widest row written.
  std::size_t held() const { return values_.size(); }

  T& operator()(long i, long j) {
    const std::size_t r = checked(i, rows_), c = checked(j, columns_);
    if (c >= width_) widen(c + 1);
    const std::size_t k = r * width_ + c;
    if (k >= values_.size()) grow((r + 1) * width_);
    return values_[k];
  }
  const T& operator()(long i, long j) const {
    const std::size_t r = checked(i, rows_), c = checked(j, columns_);
    const std::size_t k = r * width_ + c;
    return c < width_ && k < values_.size() ? values_[k] : fill_;
  }
  void fill(const T& v) {
    fill_ = v;
    std::vector<T>().swap(values_);
    width_ = 0;
  }

 private:
  static std::size_t checked(long i, std::size_t capacity) {
    if (i < 1 || static_cast<std::size_t>(i) > capacity) index_fault(i, capacity);
    return static_cast<std::size_t>(i - 1);
  }
  void grow(std::size_t size) {
    if (size > values_.capacity()) values_.reserve(std::max(size, values_.size() * 3 / 2 + 8 * width_));
    values_.resize(size, fill_);
  }
  // Rows of a few columns take them all at once; wider rows double.
  void widen(std::size_t needed) {
    std::size_t width = std::min(columns_, std::max({needed, 2 * width_, std::size_t{4}}));
    const std::size_t rows = width_ == 0 ? 0 : values_.size() / width_;
    std::vector<T> wider(rows * width, fill_);
    for (std::size_t r = 0; r < rows; ++r)
      std::copy_n(values_.begin() + static_cast<std::ptrdiff_t>(r * width_), width_,
                  wider.begin() + static_cast<std::ptrdiff_t>(r * width));
    values_.swap(wider);
    width_ = width;
  }

  std::vector<T> values_;
  T fill_{};
  std::size_t rows_ = 0, columns_ = 0, width_ = 0;
};

}  // namespace toval
