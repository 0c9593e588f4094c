// The record operations every reader and writer uses: read record, skip one
// record, section scan, write record and empty record.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "records/input_unit.h"
#include "records/layout.h"
#include "records/record_name.h"
#include "records/record_sink.h"
#include "records/run_error.h"
#include "records/values.h"

namespace toval {

// A variable that an I, F or A item of a read fills.
struct Target {
  enum class Kind { whole, real, chars };
  Kind kind;
  void* where;
  std::size_t length = 0;  // of a name
};
inline Target into(Whole& v) {
  return {Target::Kind::whole, &v};
}
inline Target into(Real& v) {
  return {Target::Kind::real, &v};
}
template <std::size_t N>
Target into(Name<N>& n) {
  return {Target::Kind::chars, n.chars.data(), N};
}

// A value that an I, F or A item of a write takes.
struct Value {
  enum class Kind { whole, real, chars };
  Kind kind;
  long whole = 0;
  Real real = 0.0f;
  std::string_view chars{};
};
inline Value value_of(long v) {
  return {Value::Kind::whole, v};
}
inline Value value_of(int v) {
  return {Value::Kind::whole, v};
}
inline Value value_of(Whole v) {
  return {Value::Kind::whole, v};
}
inline Value value_of(Real v) {
  return {Value::Kind::real, 0, v};
}
inline Value value_of(std::string_view v) {
  return {Value::Kind::chars, 0, 0.0f, v};
}
inline Value value_of(const char* v) {
  return value_of(std::string_view(v));
}
template <std::size_t N>
Value value_of(const Name<N>& n) {
  return value_of(n.view());
}

// Fill the targets from the record just read, field by field. `what` names
// the record for messages ("node record", "term record of a combination").
void read_fields(const InputUnit& unit, const Record& record, Layout layout, std::span<const Target> targets,
                 const RecordName& what);

// Read the next record with a layout; the end of the file ends the run.
void read_record(InputUnit& unit, Layout layout, const RecordName& what, std::span<const Target> targets);
template <class... T>
void read_record(InputUnit& unit, Layout layout, const RecordName& what, T&... targets) {
  const std::array<Target, sizeof...(T)> list{into(targets)...};
  read_record(unit, layout, what, std::span<const Target>(list));
}

// Pass over the next record, whatever it holds; the end of the file ends the run.
void skip_record(InputUnit& unit, const RecordName& what);

// The run-ending error for a record `what` that the file does not have.
[[noreturn]] void record_missing(const InputUnit& unit, const RecordName& what);

// Read records until one whose first heading.size() columns (blank padded)
// equal the heading exactly; the end of the file ends the run, naming
// `asker` (who wanted the heading) when one is given.
void section_scan(InputUnit& unit, std::string_view heading, const Asker& asker = {});

// "the heading "..." (columns 1-23) was not found"
std::string heading_not_found(std::string_view heading);

// The run-ending error for a read that found no record left: what was
// expected, and who asked for it when that helps.
[[noreturn]] void end_of_file(const InputUnit& unit, std::string_view expected, const Asker& asker = {});

void write_record(RecordSink& sink, Layout layout, std::span<const Value> values);
template <class... V>
void write_record(RecordSink& sink, Layout layout, const V&... values) {
  const std::array<Value, sizeof...(V)> list{value_of(values)...};
  write_record(sink, layout, std::span<const Value>(list));
}

// One blank and the line end.
void empty_record(RecordSink& sink);

}  // namespace toval
