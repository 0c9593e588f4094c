#include "tools/cli/json_text.h"

#include "tools/cli/exported_values.h"

namespace toval::tools {

namespace {

using Json = nlohmann::ordered_json;

void write(const Json& v, int depth, std::string& out) {
  const std::string inner(static_cast<std::size_t>(depth + 1) * 2, ' ');
  const std::string outer(static_cast<std::size_t>(depth) * 2, ' ');
  if (v.is_object() && !v.empty()) {
    out += "{\n";
    bool first = true;
    for (const auto& [key, item] : v.items()) {
      out += (first ? "" : ",\n") + inner + Json(key).dump() + ": ";
      write(item, depth + 1, out);
      first = false;
    }
    out += "\n" + outer + "}";
  } else if (v.is_array() && !v.empty()) {
    out += "[\n";
    for (std::size_t i = 0; i < v.size(); ++i) {
      out += (i > 0 ? ",\n" : "") + inner;
      write(v[i], depth + 1, out);
    }
    out += "\n" + outer + "]";
  } else if (v.is_number_float()) {
    out += real_json_text(static_cast<Real>(v.get<double>()));
  } else {
    out += v.dump();  // strings, whole numbers, booleans, null, {} and []
  }
}

}  // namespace

std::string real_json_text(Real value) {
  std::string text = real_text(value);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

std::string json_text(const Json& document) {
  std::string out;
  write(document, 0, out);
  return out + "\n";
}

}  // namespace toval::tools
