#include "combine/record_label.h"

#include <algorithm>
#include <charconv>

#include "store/run_error.h"

namespace toval {

void RecordLabel::add(std::string_view text) {
  const std::size_t n = std::min(text.size(), sizeof text_ - size_);
  text.copy(text_ + size_, n);
  size_ += n;
}

void RecordLabel::add_number(long long number) {
  char digits[24];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, number);
  (void)ec;  // 24 characters hold every long long
  add(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

std::string case_label(const Name<4>& name) {
  std::string_view text = name.view();
  text = text.substr(0, text.find_last_not_of(' ') + 1);  // npos + 1 == 0 for an all-blank name
  const bool plain =
      !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7f; });
  return plain ? std::string(text) : quoted(name.view());
}

}  // namespace toval
