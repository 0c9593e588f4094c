// Names a record of the forces file in read-error messages, so that a user
// can find it ("end-force record (end 1) of bar 3 in case Q1"). Readers name
// every record they pass, so the text is built in a fixed buffer.
#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

#include "store/types.h"

namespace toval {

class RecordLabel {
 public:
  template <class... Part>
  explicit RecordLabel(const Part&... parts) {
    (add(parts), ...);
  }
  std::string_view view() const { return {text_, size_}; }
  operator std::string_view() const { return view(); }

 private:
  void add(std::string_view text);
  template <std::integral T>
  void add(T number) {
    add_number(static_cast<long long>(number));
  }
  void add_number(long long number);

  char text_[192];
  std::size_t size_ = 0;
};

// A case name as messages show it: without its trailing blanks, or quoted
// when that would leave it empty or unreadable.
std::string case_label(const Name<4>& name);

}  // namespace toval
