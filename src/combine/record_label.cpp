#include "combine/record_label.h"

#include <algorithm>

#include "store/run_error.h"

namespace toval {

std::string case_label(const Name<4>& name) {
  std::string_view text = name.view();
  text = text.substr(0, text.find_last_not_of(' ') + 1);  // npos + 1 == 0 for an all-blank name
  const bool plain =
      !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7f; });
  return plain ? std::string(text) : quoted(name.view());
}

}  // namespace toval
