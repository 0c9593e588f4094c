#include "tools/check/run_error_place.h"

#include <cctype>
#include <optional>

namespace toval::tools {

namespace {

// The whole number at `at`, if digits stand there.
std::optional<long> number_at(const std::string& text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
  if (end == at || end - at > 9) return std::nullopt;
  return std::stol(text.substr(at, end - at));
}

// The first "line N" that `follow` comes right after, and where it ends.
std::optional<std::pair<long, std::size_t>> line_mention(const std::string& text, std::string_view follow = {}) {
  for (std::size_t at = text.find("line "); at != std::string::npos; at = text.find("line ", at + 1)) {
    if (at > 0 && std::isalpha(static_cast<unsigned char>(text[at - 1]))) continue;  // "outline"
    const auto n = number_at(text, at + 5);
    if (!n) continue;
    std::size_t end = at + 5;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (!follow.empty() && text.compare(end, follow.size(), follow) != 0) continue;
    return std::pair{*n, end};
  }
  return std::nullopt;
}

}  // namespace

ErrorPlace error_place(const std::string& message, const std::string& combination_file,
                       const std::string& forces_file) {
  ErrorPlace place;
  // "\nrun-time error F6501: READ(FILE)\n- description\n"
  const std::size_t head = message.find("run-time error ");
  std::string code, file, description = message;
  if (head != std::string::npos) {
    const std::size_t colon = message.find(':', head);
    const std::size_t eol = message.find('\n', head);
    code = message.substr(head + 15, colon == std::string::npos ? 0 : colon - head - 15);
    const std::size_t open = message.find('(', head);
    const std::size_t close = eol == std::string::npos ? std::string::npos : message.rfind(')', eol);
    if (open != std::string::npos && close != std::string::npos && open < close && close < eol)
      file = message.substr(open + 1, close - open - 1);
    const std::size_t dash = message.find("\n- ", head);
    if (dash != std::string::npos) description = message.substr(dash + 3);
  }
  while (!description.empty() && (description.back() == '\n' || description.back() == '\r')) description.pop_back();
  for (char& c : description)
    if (c == '\n') c = ' ';
  place.text = description + (code.empty() ? "" : " (toval stops here with run-time error " + code + ")");

  place.source = file == combination_file ? Source::combination_file : Source::forces_file;
  if (auto asker = line_mention(description, " of " + combination_file)) {
    place.source = Source::combination_file;
    place.line = asker->first;
  } else if (file == combination_file || file == forces_file) {
    if (auto at = line_mention(description)) {
      place.line = at->first;
      const std::string columns = ", columns ";
      if (description.compare(at->second, columns.size(), columns) == 0)
        place.column = number_at(description, at->second + columns.size()).value_or(1);
    }
  }
  if (place.line < 1) place.line = 1;
  if (place.column < 1) place.column = 1;
  return place;
}

}  // namespace toval::tools
