#include "tools/export/csv_row.h"

#include "tools/cli/export_keys.h"

namespace toval::tools::export_ {

namespace {

// What a column's values measure, told by its name: none for numbers,
// combinations, counts and cosines.
std::optional<cli::Quantity> quantity_of(std::string_view name) {
  const auto ends = [&](std::string_view tail) {
    return name.size() >= tail.size() && name.substr(name.size() - tail.size()) == tail;
  };
  if (ends("_combination") || ends("_bar")) return std::nullopt;
  if (ends("_max") || ends("_min")) name.remove_suffix(4);
  if (name == cli::keys::MAX || name == cli::keys::MIN)
    return cli::Quantity::force;  // of a pair's normal force
  if (name == cli::keys::X || name == cli::keys::Y || name == cli::keys::LENGTH) return cli::Quantity::length;
  const std::string_view first = name.substr(0, name.find('_'));
  const std::string_view last = name.substr(name.rfind('_') + 1);
  if (first == cli::keys::NORMAL || first == cli::keys::SHEAR) return cli::Quantity::force;
  if (first == cli::keys::MOMENT) return cli::Quantity::moment;
  if (first == "reaction") return last == "3" ? cli::Quantity::moment : cli::Quantity::force;
  for (std::string_view part : {first, last}) {
    if (part == "dx" || part == "dy") return cli::Quantity::length;
    if (part == "dz" || part == "rz") return cli::Quantity::rotation;
  }
  return std::nullopt;
}

}  // namespace

// The header row, each column's unit after its name when units are given.
void header(TableSink& out, const std::vector<std::string>& names, const std::optional<cli::Units>& units) {
  std::vector<std::string> headed;
  for (const std::string& n : names) {
    const std::optional<cli::Quantity> q = quantity_of(n);
    headed.push_back(q ? cli::with_unit(n, units, *q) : n);
  }
  out.header(headed);
}

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

std::vector<std::string> node_envelope_header(std::vector<std::string> first) {
  for (const char* component : cli::keys::NODE_COMPONENTS) extreme_header(first, component);
  return first;
}

void node_envelope_fields(Row& row, const cli::NodeExtremes& e) {
  for (const cli::MaybeExtremes& x : e) extreme_fields(row, x);
}

void mixed_header(TableSink& out, std::vector<std::string> names, const std::optional<cli::Units>& units) {
  if (units) names.emplace_back("unit");
  out.header(names);
}

}  // namespace toval::tools::export_
