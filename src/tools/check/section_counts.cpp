// The node and bar sections: the title lines counted after each heading,
// and a blank line that ends a list whose records go on after it.
#include <optional>
#include <string>

#include "input/listing_dialect.h"
#include "records/run_error.h"
#include "records/text.h"
#include "tools/check/record_shifts.h"

namespace toval::tools::check {

namespace {

using namespace dialect;

struct Section {
  std::string_view heading;
  long titles = 0;
  Layout layout;
};

struct SectionSeen {
  long after = 0;  // the line after the end record; 0 when the list was not read to it
  bool told = false;
  bool in_order = true;  // every record numbered with its position
};

// The number a section record gives; a blank line is an end record.
std::optional<long> number_at(const ListingText& t, long line, Layout layout) {
  if (line >= 1 && line <= t.size() && blank_line(t.at(line))) return 0;
  const auto v = numeric_record(t.at(line), layout);
  if (!v) return std::nullopt;
  return static_cast<long>((*v)[0]);
}

SectionSeen check_section(const ListingText& t, const Section& s, long from, HazardList& hazards) {
  const long heading = t.find(s.heading, from);
  if (heading == 0) return {};
  const long first = heading + s.titles + 1;
  auto holds = [&](long line, long number) {
    const auto n = number_at(t, line, s.layout);
    return n && *n == number;
  };
  const std::string name = quoted(without_blanks(s.heading));
  auto tell = [&](long line, Text key, std::vector<std::string> args) {
    hazards.warn(Source::forces_file, line, 1, Kind::record_shift, {{key, std::move(args)}});
    return SectionSeen{0, true};
  };
  const std::string titles = std::to_string(s.titles), at = std::to_string(heading);
  if (!holds(first, 1)) {
    for (long d = 1; d <= 3; ++d)
      if (holds(first + d, 1) && holds(first + d + 1, 2))
        return tell(first, Text::titles_extra, {name, at, std::to_string(first), titles});
    if (holds(first - 1, 1) && holds(first, 2))
      return tell(first, Text::titles_missing, {name, at, std::to_string(first - 1), titles});
  }
  bool in_order = true;
  for (long k = 1, line = first;; ++k, ++line) {
    const auto n = number_at(t, line, s.layout);
    if (!n) return {};  // the run stops here with its own error
    if (*n != 0) {
      in_order = in_order && *n == k;
      continue;
    }
    if (blank_line(t.at(line)) && holds(line + 1, k))
      return tell(line, Text::list_ended_early, {name, std::to_string(line + 1), std::to_string(k)});
    return {line + 1, false, in_order};
  }
}

}  // namespace

void find_section_count_slips(const ListingText& text, const RunCounts&, ShiftsTold& told,
                              HazardList& hazards) {
  const SectionSeen nodes = check_section(text, {NODE_HEADING, NODE_TITLE_RECORDS, NODE_RECORD}, 1, hazards);
  told.nodes = nodes.told;
  if (nodes.after == 0) return;
  if (nodes.in_order) told.node_end = nodes.after - 1;
  const SectionSeen bars =
      check_section(text, {BAR_HEADING, BAR_TITLE_RECORDS, BAR_RECORD}, nodes.after, hazards);
  told.bars = bars.told;
  if (bars.after != 0 && bars.in_order) told.bar_end = bars.after - 1;
}

}  // namespace toval::tools::check
