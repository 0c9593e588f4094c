#include "tools/report/page_text.h"

#include <stdexcept>

namespace toval::tools::report {

std::span<const CatalogueEntry> catalogue(Language language) {
  return language == Language::en ? english_catalogue() : portuguese_catalogue();
}

PageText::PageText(Language language) {
  std::array<bool, TEXT_COUNT> seen{};
  for (const CatalogueEntry& e : catalogue(language)) {
    const auto i = static_cast<std::size_t>(e.key);
    if (i >= TEXT_COUNT || seen[i]) throw std::logic_error("a page text key is given twice");
    seen[i] = true;
    texts_[i] = e.text;
  }
  for (bool given : seen)
    if (!given) throw std::logic_error("a page text key is missing from a catalogue");
}

std::string PageText::format(Text key, std::initializer_list<std::string_view> args) const {
  const std::string_view pattern = (*this)(key);
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < args.size()) out += *(args.begin() + n);
      ++i;
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace toval::tools::report
