// One row of a CSV table, each value as the JSON has it, and the columns
// that several tables share.
#pragma once

#include <array>
#include <charconv>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "combine/extremes.h"
#include "tools/cli/exported_values.h"
#include "tools/cli/run_envelopes.h"
#include "tools/export/csv_tables.h"

namespace toval::tools::export_ {

// One row at a time, each value as the JSON has it: reals in their shortest
// digits (no ".0"), an absent value (JSON null) as an empty field, a list of
// names (the missing cases) separated by ";".
class Row {
 public:
  explicit Row(std::ostream& out) : out_(out) {}

  Row& text(std::string_view value) {
    separate();
    out_ << csv_field(value);
    return *this;
  }
  Row& operator<<(std::string_view name) { return text(name); }
  Row& operator<<(Real value) { return text(cli::real_text(value)); }
  Row& operator<<(Whole value) {
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return text(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  Row& operator<<(bool value) { return text(value ? "true" : "false"); }
  Row& operator<<(std::nullopt_t) { return text({}); }
  Row& operator<<(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& n : names) joined += (joined.empty() ? "" : ";") + n;
    return text(joined);
  }
  template <class Value, std::size_t N>
  Row& operator<<(const std::array<Value, N>& values) {
    for (const Value& v : values) *this << v;
    return *this;
  }
  void end() {
    out_ << "\r\n";
    first_ = true;
  }

 private:
  void separate() {
    if (!first_) out_ << ',';
    first_ = false;
  }
  std::ostream& out_;
  bool first_ = true;
};

// The header row.
void header(std::ostream& out, const std::vector<std::string>& names);
// "N_max", "N_min" from "N" and {"max", "min"}.
std::vector<std::string> prefixed(std::string_view prefix, std::initializer_list<std::string_view> parts);

// The extremes' columns: max, max_combination, min, min_combination, each
// after the prefix ("N_max"), or plain without one.
void extreme_header(std::vector<std::string>& names, const std::string& prefix);
void extreme_fields(Row& row, const Extremes& e);
// Four empty fields where an envelope has no value.
void extreme_fields(Row& row, const cli::MaybeExtremes& e);

// The columns of a bar's envelope after `first`, and its fields.
std::vector<std::string> bar_envelope_header(std::vector<std::string> first);
void bar_envelope_fields(Row& row, const cli::BarEnvelope& e);

}  // namespace toval::tools::export_
