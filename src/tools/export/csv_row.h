// One row of an export's table, handed to a TableSink value by value, and
// the columns that several tables share.
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
#include "tools/cli/node_displacements.h"
#include "tools/cli/run_envelopes.h"
#include "tools/export/csv_tables.h"
#include "tools/export/table_sink.h"

namespace toval::tools::export_ {

// One row at a time: each value handed to the sink as what it is, a list
// of arrays as its values in turn.
class Row {
 public:
  explicit Row(TableSink& out) : out_(out) {}

  Row& operator<<(std::string_view name) {
    out_.text(name);
    return *this;
  }
  Row& operator<<(Real value) {
    out_.real(value);
    return *this;
  }
  Row& operator<<(Whole value) {
    out_.whole(value);
    return *this;
  }
  Row& operator<<(bool value) {
    out_.boolean(value);
    return *this;
  }
  Row& operator<<(std::nullopt_t) {
    out_.absent();
    return *this;
  }
  Row& operator<<(const std::vector<std::string>& names) {
    out_.names(names);
    return *this;
  }
  template <class Value, std::size_t N>
  Row& operator<<(const std::array<Value, N>& values) {
    for (const Value& v : values) *this << v;
    return *this;
  }
  void end() { out_.end_row(); }

 private:
  TableSink& out_;
};

// The header row; with units, each column that measures something, told
// by its name ("N_max", "dx", "reaction_3"), has its unit after the name.
void header(TableSink& out, const std::vector<std::string>& names,
            const std::optional<cli::Units>& units = std::nullopt);
// The header row of a table whose rows measure different things (a
// reaction, a displacement or a rotation): with units, a last column
// "unit" names each row's.
void mixed_header(TableSink& out, std::vector<std::string> names, const std::optional<cli::Units>& units);

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

// The columns of a node's displacement envelope after `first` (dx_max, ...,
// rz_min_combination), and its fields.
std::vector<std::string> node_envelope_header(std::vector<std::string> first);
void node_envelope_fields(Row& row, const cli::NodeExtremes& e);

}  // namespace toval::tools::export_
