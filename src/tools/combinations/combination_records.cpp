#include "tools/combinations/combination_records.h"

#include "input/combination_dialect.h"
#include "records/layout.h"
#include "records/record_io.h"
#include "records/record_sink.h"

namespace toval::tools::combinations {

namespace {

namespace dialect = combination_dialect;

// A term as the reader takes it: blank marker columns, the multiplier
// right-aligned in its field (as a number is written) and the case name.
constexpr int MULTIPLIER_WIDTH = static_cast<int>(dialect::MULTIPLIER_END - dialect::MULTIPLIER_FROM);
constexpr Item TERM_RECORD[] = {X(static_cast<int>(dialect::MULTIPLIER_FROM)), A(MULTIPLIER_WIDTH),
                                A(static_cast<int>(dialect::MARKER_WIDTH))};
static_assert(dialect::TERM_NAME_FROM == dialect::MULTIPLIER_END);
using dialect::FIMC;
using dialect::FIME;
using dialect::FIMG;

class TextSink final : public RecordSink {
 public:
  void put_record(std::string_view chars, bool) override {
    text += chars;
    text += "\r\n";
  }
  std::string text;
};

// A free text of any length as one record.
void text_record(RecordSink& sink, std::string_view text) {
  const Item layout[] = {Text(text)};
  write_record(sink, layout, std::span<const Value>());
}

// The case name in four columns, blank padded on the right as the forces
// file's headings pad it.
std::string four_columns(const std::string& name) {
  return name + std::string(4 - name.size(), ' ');
}

void name_record(RecordSink& sink, const std::string& name, const std::string& description) {
  const Item layout[] = {A(4), X(1), A(static_cast<int>(description.size()))};
  write_record(sink, layout, four_columns(name), description);
}

}  // namespace

std::string combination_file_text(const Rules& rules, const std::vector<Combination>& all,
                                  const FileContent& content, const std::string& rules_file,
                                  Language language) {
  TextSink sink;
  text_record(sink, first_record_text(rules_file, language));
  for (const std::string& title : rules.titles) text_record(sink, title);
  text_record(sink, FIMG);
  for (std::size_t k : content.cases) {
    name_record(sink, rules.actions[k].name, case_description(rules.actions[k], language));
    // Indented past the marker columns, so that no text ends the entry.
    if (!rules.actions[k].description.empty()) text_record(sink, "     " + rules.actions[k].description);
    text_record(sink, FIMC);
  }
  text_record(sink, FIME);
  for (std::size_t i : content.combinations) {
    const Combination& c = all[i];
    text_record(sink, header_text(rules, c, language));
    for (const Term& t : c.terms)
      write_record(sink, TERM_RECORD, t.multiplier, four_columns(rules.actions[t.action].name));
    text_record(sink, FIMC);
  }
  text_record(sink, FIME);
  return sink.text;
}

}  // namespace toval::tools::combinations
