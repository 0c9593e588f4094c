#include "tools/check/hazard_list.h"

#include <algorithm>
#include <sstream>
#include <tuple>

#include "tools/cli/json_text.h"
#include "tools/cli/utf8_text.h"

namespace toval::tools::check {

namespace {

// Texts quote the input files' bytes, which may be Latin-1: a JSON string
// holds characters.
std::string as_utf8(std::string_view bytes) {
  std::string out;
  while (!bytes.empty()) cli::append_utf8(out, cli::take_character(bytes));
  return out;
}

std::string_view severity_name(Severity s) {
  return s == Severity::warning ? "warning" : "error";
}

}  // namespace

void HazardList::warn(Source source, long line, long column, Kind kind, std::vector<Phrase> text) {
  for (const Hazard& h : warnings_)
    if (h.source == source && h.line == line && h.column == column && h.kind == kind && h.text == text)
      return;
  warnings_.push_back({source, line, column, Severity::warning, kind, std::move(text)});
}

void HazardList::fail(Source source, long line, long column, std::vector<Phrase> text) {
  error_.assign(1, {source, line, column, Severity::error, Kind::run_error, std::move(text)});
}

bool HazardList::has(Kind kind, Source source, long line) const {
  return std::any_of(warnings_.begin(), warnings_.end(),
                     [&](const Hazard& h) { return h.kind == kind && h.source == source && h.line == line; });
}

const std::string& HazardList::file_of(const Hazard& h) const {
  return h.source == Source::combination_file ? combination_file_ : forces_file_;
}

std::string HazardList::place_of(const Hazard& h) const {
  return file_of(h) + ":" + std::to_string(h.line) + ":" + std::to_string(h.column);
}

std::vector<const Hazard*> HazardList::ordered() const {
  std::vector<const Hazard*> order;
  for (const Hazard& h : warnings_) order.push_back(&h);
  std::stable_sort(order.begin(), order.end(), [](const Hazard* a, const Hazard* b) {
    return std::tie(a->source, a->line, a->column) < std::tie(b->source, b->line, b->column);
  });
  for (const Hazard& h : error_) order.push_back(&h);
  return order;
}

std::vector<cli::InputWarning> HazardList::warning_records(cli::Language language) const {
  std::vector<cli::InputWarning> records;
  for (const Hazard* h : ordered())
    if (h->severity == Severity::warning)
      records.push_back({file_of(*h), h->line, h->column, text_of(h->text, language)});
  return records;
}

std::string HazardList::listing(cli::Language language) const {
  std::string out;
  for (const Hazard* h : ordered())
    out += place_of(*h) + ": " + std::string(severity_name(h->severity)) + ": " + text_of(h->text, language) +
           "\n";
  return out + hazard_count(warnings_.size(), failed(), language) + "\n";
}

std::string HazardList::json(cli::Language language) const {
  std::ostringstream out;
  cli::JsonWriter w(out);
  w.begin_object();
  w.member("format", "toval-check");
  w.member("version", std::int64_t{1});
  w.key("findings");
  w.begin_array();
  for (const Hazard* h : ordered()) {
    w.begin_object();
    w.member("file", as_utf8(file_of(*h)));
    w.member("line", std::int64_t{h->line});
    w.member("column", std::int64_t{h->column});
    w.member("severity", severity_name(h->severity));
    w.member("kind", kind_name(h->kind));
    w.member("message", as_utf8(text_of(h->text, language)));
    w.end_object();
  }
  w.end_array();
  w.end_object();
  w.finish();
  return out.str();
}

std::string hazard_count(std::size_t warnings, bool failed, cli::Language language) {
  const std::string count = warnings == 1
                                ? text_of({{Text::count_one, {}}}, language)
                                : text_of({{Text::count_many, {std::to_string(warnings)}}}, language);
  return failed ? text_of({{Text::count_with_error, {count}}}, language) : count;
}

}  // namespace toval::tools::check
