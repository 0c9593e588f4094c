// The text of an export document. The library writes the strings; the
// layout, the whole numbers and the reals are written here, since a
// general-purpose writer does not always find the shortest digits of a
// 32-bit value. JsonWriter writes a document as it is formed; json_text
// writes a tree through it, in the same layout.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "store/types.h"

namespace toval::tools::cli {

// A document written value by value: indented by two blanks per level,
// "{}" and "[]" when empty, the library's escaping of strings, every real in
// its shortest digits with ".0" after a whole number. finish() ends the
// document with a line end.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void begin_object();
  void end_object();
  void begin_array();
  void end_array();
  // The key of the next value of the object being written.
  void key(std::string_view name);

  void value(Real number);
  void value(std::int64_t whole);
  void value(Whole whole) { value(std::int64_t{whole}); }
  void value(bool flag);
  void value(std::string_view text);
  void value(const char* text) { value(std::string_view(text)); }
  void null();
  // A key and its value, the way an object's members are mostly written.
  template <class T>
  void member(std::string_view name, const T& v) {
    key(name);
    value(v);
  }
  // A value already in its JSON text.
  void literal(std::string_view text);

  void finish();

 private:
  void start_value();
  void close(char bracket);

  std::ostream& out_;
  std::vector<long> items_;  // the items written so far in each open container
  bool after_key_ = false;
};

// The tree written by JsonWriter; every real (a 32-bit value held as the
// double nearest its shortest text) in its shortest digits.
std::string json_text(const nlohmann::ordered_json& document);

// A real as the document writes it: its shortest digits, with ".0" after a
// whole number ("6.0", "-2.5e-05").
std::string real_json_text(Real value);

}  // namespace toval::tools::cli
