#include "tools/check/hazard_list.h"

#include <algorithm>
#include <tuple>

namespace toval::tools::check {

void HazardList::warn(Source source, long line, long column, std::string text) {
  for (const Hazard& h : warnings_)
    if (h.source == source && h.line == line && h.column == column && h.text == text) return;
  warnings_.push_back({source, line, column, Severity::warning, std::move(text)});
}

void HazardList::fail(Source source, long line, long column, std::string text) {
  error_.assign(1, {source, line, column, Severity::error, std::move(text)});
}

const std::string& HazardList::file_of(const Hazard& h) const {
  return h.source == Source::combination_file ? combination_file_ : forces_file_;
}

std::string HazardList::line_of(const Hazard& h) const {
  return file_of(h) + ":" + std::to_string(h.line) + ":" + std::to_string(h.column) + ": " +
         (h.severity == Severity::warning ? "warning: " : "error: ") + h.text + "\n";
}

std::vector<const Hazard*> HazardList::ordered_warnings() const {
  std::vector<const Hazard*> order;
  for (const Hazard& h : warnings_) order.push_back(&h);
  std::stable_sort(order.begin(), order.end(), [](const Hazard* a, const Hazard* b) {
    return std::tie(a->source, a->line, a->column) < std::tie(b->source, b->line, b->column);
  });
  return order;
}

std::vector<cli::InputWarning> HazardList::warning_records() const {
  std::vector<cli::InputWarning> records;
  for (const Hazard* h : ordered_warnings()) records.push_back({file_of(*h), h->line, h->column, h->text});
  return records;
}

std::string HazardList::listing() const {
  std::string out;
  for (const Hazard* h : ordered_warnings()) out += line_of(*h);
  for (const Hazard& h : error_) out += line_of(h);
  return out + hazard_count(warnings_.size(), failed()) + "\n";
}

std::string hazard_count(std::size_t warnings, bool failed) {
  std::string count = std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings");
  return failed ? count + ", 1 error" : count;
}

}  // namespace toval::tools::check
