#include "tools/export/csv_row.h"

namespace toval::tools::export_ {

std::vector<std::string> prefixed(std::string_view prefix, std::initializer_list<std::string_view> parts) {
  std::vector<std::string> names;
  for (std::string_view p : parts) names.push_back(std::string(prefix) + "_" + std::string(p));
  return names;
}

void extreme_header(std::vector<std::string>& names, const std::string& prefix) {
  for (std::string_view part : {"max", "max_combination", "min", "min_combination"})
    names.push_back(prefix.empty() ? std::string(part) : prefix + "_" + std::string(part));
}

void extreme_fields(Row& row, const Extremes& e) {
  row << e.max << e.max_combination << e.min << e.min_combination;
}

void extreme_fields(Row& row, const cli::MaybeExtremes& e) {
  if (e)
    extreme_fields(row, *e);
  else
    row << std::nullopt << std::nullopt << std::nullopt << std::nullopt;
}

std::vector<std::string> bar_envelope_header(std::vector<std::string> first) {
  extreme_header(first, "N");
  for (const char* force : {"V", "M"})
    for (const char* end : {"start", "end"}) extreme_header(first, std::string(force) + "_" + end);
  return first;
}

void bar_envelope_fields(Row& row, const cli::BarEnvelope& e) {
  extreme_fields(row, e.N);
  for (const auto* ends : {&e.V, &e.M})
    for (const Extremes& x : *ends) extreme_fields(row, x);
}

}  // namespace toval::tools::export_
