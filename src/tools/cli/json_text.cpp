#include "tools/cli/json_text.h"

#include <charconv>
#include <ostream>
#include <sstream>

#include "tools/cli/exported_values.h"

namespace toval::tools::cli {

namespace {

using Json = nlohmann::ordered_json;

void write_tree(const Json& v, JsonWriter& w) {
  if (v.is_object()) {
    w.begin_object();
    for (const auto& [key, item] : v.items()) {
      w.key(key);
      write_tree(item, w);
    }
    w.end_object();
  } else if (v.is_array()) {
    w.begin_array();
    for (const Json& item : v) write_tree(item, w);
    w.end_array();
  } else if (v.is_number_float()) {
    w.value(static_cast<Real>(v.get<double>()));
  } else {
    w.literal(v.dump());  // strings, whole numbers, booleans, null
  }
}

}  // namespace

void JsonWriter::start_value() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (items_.empty()) return;
  out_ << (items_.back()++ > 0 ? ",\n" : "\n");
  for (std::size_t level = 0; level < items_.size(); ++level) out_ << "  ";
}

void JsonWriter::close(char bracket) {
  const long items = items_.back();
  items_.pop_back();
  if (items > 0) {
    out_ << '\n';
    for (std::size_t level = 0; level < items_.size(); ++level) out_ << "  ";
  }
  out_ << bracket;
}

void JsonWriter::begin_object() {
  start_value();
  out_ << '{';
  items_.push_back(0);
}

void JsonWriter::end_object() {
  close('}');
}

void JsonWriter::begin_array() {
  start_value();
  out_ << '[';
  items_.push_back(0);
}

void JsonWriter::end_array() {
  close(']');
}

void JsonWriter::key(std::string_view name) {
  value(name);
  out_ << ": ";
  after_key_ = true;
}

void JsonWriter::literal(std::string_view text) {
  start_value();
  out_ << text;
}

void JsonWriter::value(Real number) {
  literal(real_json_text(number));
}

void JsonWriter::value(std::int64_t whole) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, whole).ptr;
  literal(std::string_view(text, static_cast<std::size_t>(end - text)));
}

void JsonWriter::value(bool flag) {
  literal(flag ? "true" : "false");
}

void JsonWriter::value(std::string_view text) {
  literal(Json(std::string(text)).dump());
}

void JsonWriter::null() {
  literal("null");
}

void JsonWriter::finish() {
  out_ << '\n';
}

std::string real_json_text(Real value) {
  std::string text = real_text(value);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

std::string json_text(const Json& document) {
  std::ostringstream out;
  JsonWriter w(out);
  write_tree(document, w);
  w.finish();
  return std::move(out).str();
}

}  // namespace toval::tools::cli
