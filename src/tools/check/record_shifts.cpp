#include "tools/check/record_shifts.h"

#include <optional>

#include "input/case_name.h"
#include "input/listing_dialect.h"

namespace toval::tools::check {

namespace {

using namespace dialect;

std::optional<long> node_number(std::string_view line) {
  const auto v = numeric_record(line, NODE_VALUES_RECORD);
  if (!v) return std::nullopt;
  return static_cast<long>((*v)[0]);
}

// Where a list stands out of place: the first record out of place, and the
// lines too many (offset > 0) or too few (offset < 0) before it.
struct Slip {
  long position = 0;  // the node or bar where it shows
  long line = 0;
  long offset = 0;
  long probable = 0;            // the line probably extra, or before which one is missing
  bool record_missing = false;  // the record of node `position` itself
  int end = 0;                  // the end (1, 2) of a blank end-force record
};

// A list of node-values records meant to stand from `first` on, numbered
// 1 .. count.
std::optional<Slip> node_list_slip(const ListingText& t, long first, long count) {
  auto holds = [&](long at, long node) {
    const auto m = node_number(t.at(at));
    return m && *m == node;
  };
  auto goes_on = [&](long at, long node) { return node >= count || holds(at + 1, node + 1); };
  for (long k = 1; k <= count; ++k) {
    const long line = first + k - 1;
    const auto n = node_number(t.at(line));
    if (n && *n == k) continue;
    for (long d = 1; d <= 3; ++d) {
      if (holds(line + d, k) && goes_on(line + d, k)) return Slip{k, line, d, line, false};
      if (k == 1 && holds(line - d, k) && goes_on(line - d, k)) return Slip{k, line, -d, line, false};
      if (n && *n == k + d && k + d <= count && goes_on(line, k + d)) return Slip{k, line, -d, line, true};
    }
    if (k == count && !n) return Slip{k, line, -1, line, true};  // the last record, missing
    return std::nullopt;
  }
  return std::nullopt;
}

// The bar groups of a block, three records each from `first` on.
class BarGroups {
 public:
  BarGroups(const ListingText& t, const Store& s, long first, long bars)
      : t_(t), s_(s), first_(first), bars_(bars) {
    // An end whose records all carry a bar number has it on every record;
    // one without is as the listing writes them (and records that a shift
    // moved there carry theirs).
    for (long g = 1; g <= bars; ++g)
      for (int end = 0; end < 2; ++end)
        if (const auto r = record(line_of(g, end)); r && r->bar == 0) prints_bar_[end] = false;
  }

  std::optional<Slip> slip() const {
    for (long g = 1; g <= bars_; ++g)
      for (int end = 0; end < 2; ++end) {
        const long line = line_of(g, end);
        if (fits(line, line)) continue;
        for (long d : {1L, -1L, 2L, -2L, 3L, -3L})
          if (fits_from(line, d)) {
            const long first = first_out_of_place(line, d);
            return Slip{group_at(first), first, d, 0, false};
          }
        if (blank_line(t_.at(line))) return Slip{g, line, 0, 0, false, end + 1};
        return std::nullopt;  // a text where a record stands: the run's own error names it
      }
    return std::nullopt;
  }

 private:
  struct EndForce {
    long bar = 0, node = 0;
  };
  std::optional<EndForce> record(long line) const {
    const auto v = numeric_record(t_.at(line), END_FORCE_RECORD);
    if (!v) return std::nullopt;
    return EndForce{static_cast<long>((*v)[0]), static_cast<long>((*v)[1])};
  }
  long line_of(long g, int end) const { return first_ + 3 * (g - 1) + end; }
  long group_at(long line) const { return (line - first_) / 3 + 1; }
  int role_at(long line) const { return static_cast<int>((line - first_) % 3); }  // 2: the third record
  long node_of(long g, int end) const {
    if (g < 1 || g > bars_) return 0;
    return end == 0 ? s_.BL3.NI(static_cast<Whole>(g)) : s_.BL3.NF(static_cast<Whole>(g));
  }

  // Whether the record at `line` could be the one the layout puts at `place`.
  bool fits(long line, long place) const {
    const int end = role_at(place);
    if (end == 2) return true;
    const auto r = record(line);
    if (!r) return false;
    return r->bar == group_at(place) || (r->bar == 0 && !prints_bar_[end]);
  }
  // The records from `place` on, up to two groups, stand `d` lines off.
  bool fits_from(long place, long d) const {
    const long last = std::min(place + 6, line_of(bars_, 1));
    for (long at = place; at <= last; ++at)
      if (role_at(at) != 2 && !fits(at + d, at)) return false;
    return true;
  }
  // A record that holds what the layout puts `d` lines before (after) it,
  // by its node number or as a copy of the line above.
  bool shifted(long line, long d) const {
    const auto r = record(line);
    if (!r) return false;
    if (d > 0 && t_.at(line) == t_.at(line - 1)) return true;
    const long from = line - d;
    if (from < first_ || role_at(from) == 2 || r->node == 0) return false;
    const bool there = r->node == node_of(group_at(from), role_at(from));
    const bool here = role_at(line) != 2 && r->node == node_of(group_at(line), role_at(line));
    return there && !here;
  }
  bool in_place(long line) const {
    const auto r = record(line);
    return r && role_at(line) != 2 && r->node != 0 && r->node == node_of(group_at(line), role_at(line));
  }
  // Back from where the shift shows to where its records begin to stand off.
  long first_out_of_place(long line, long d) const {
    long first = line;
    for (long at = line - 1; at >= first_; --at) {
      if (shifted(at, d))
        first = at;
      else if (in_place(at))
        break;
    }
    return first;
  }

  const ListingText& t_;
  const Store& s_;
  long first_, bars_;
  bool prints_bar_[2] = {true, true};
};

Phrase offset_phrase(long d) {
  const long n = d > 0 ? d : -d;
  if (d > 0)
    return n == 1 ? Phrase{Text::offset_late_one, {}} : Phrase{Text::offset_late_many, {std::to_string(n)}};
  return n == 1 ? Phrase{Text::offset_early_one, {}} : Phrase{Text::offset_early_many, {std::to_string(n)}};
}

void tell(const ReadBlock& b, const Slip& slip, Text where, HazardList& hazards) {
  const std::string name = quoted_name(b.name), heading = std::to_string(b.heading_line);
  std::vector<Phrase> text;
  if (slip.offset == 0) {
    hazards.warn(
        Source::forces_file, slip.line, 1, Kind::record_shift,
        {{Text::blank_end_force, {name, heading, std::to_string(slip.end), std::to_string(slip.position)}}});
    return;
  }
  const std::string line = std::to_string(slip.probable != 0 ? slip.probable : slip.line);
  const std::string count = std::to_string(slip.offset > 0 ? slip.offset : -slip.offset);
  if (slip.record_missing)
    text.push_back({Text::shift_missing_node, {name, heading, line, std::to_string(slip.position)}});
  else if (slip.offset > 0)
    text.push_back(
        {slip.offset == 1 ? Text::shift_extra_one : Text::shift_extra_many, {name, heading, line, count}});
  else
    text.push_back({slip.offset == -1 ? Text::shift_missing_one : Text::shift_missing_many,
                    {name, heading, line, count}});
  text.push_back({where, {std::to_string(slip.position)}});
  text.push_back(offset_phrase(slip.offset));
  text.push_back({slip.offset > 0 ? Text::advice_remove_line : Text::advice_restore_line, {}});
  hazards.warn(Source::forces_file, slip.line, 1, Kind::record_shift, std::move(text));
}

// One finding for the counted part of a block (a shift there moves every
// record after it), and one for its resultants, found by their own heading.
bool block_shifts(const ListingText& t, const Store& s, const RunCounts& c, const ReadBlock& b,
                  HazardList& hazards) {
  bool told = false;
  const long h = b.heading_line;
  const long displacements = h + RECORDS_BEFORE_DISPLACEMENTS + 1;
  if (const auto slip = node_list_slip(t, displacements, c.NNOS)) {
    tell(b, *slip, Text::shift_in_displacements, hazards);
    told = true;
  } else {
    const long groups = displacements + c.NNOS + RECORDS_BEFORE_BAR_GROUPS;
    if (auto slip = BarGroups(t, s, groups, c.NBAR).slip()) {
      if (slip->probable == 0) slip->probable = slip->line;
      tell(b, *slip, Text::shift_in_bar_groups, hazards);
      told = true;
    }
  }
  const long r = t.find(RESULTANTS_HEADING, h + 1);
  if (r == 0) return told;
  if (const auto slip = node_list_slip(t, r + RECORDS_BEFORE_RESULTANTS + 1, c.NNOS)) {
    tell(b, *slip, Text::shift_in_resultants, hazards);
    told = true;
  }
  return told;
}

// A section that lost its last record: the first block read holds one more
// record after its counted ones, numbered as the next node or bar.
void sections_short(const ListingText& t, const RunCounts& c, const ReadBlock& b, ShiftsTold& told,
                    HazardList& hazards) {
  const long displacements = b.heading_line + RECORDS_BEFORE_DISPLACEMENTS + 1;
  const std::string name = quoted_name(b.name);
  const auto next_node = node_number(t.at(displacements + c.NNOS));
  if (told.node_end != 0 && next_node && *next_node == c.NNOS + 1) {
    hazards.warn(Source::forces_file, told.node_end, 1, Kind::record_shift,
                 {{Text::nodes_short,
                   {std::to_string(c.NNOS), name, std::to_string(displacements + c.NNOS),
                    std::to_string(c.NNOS + 1)}}});
    told.nodes = true;
    return;
  }
  const long groups = displacements + c.NNOS + RECORDS_BEFORE_BAR_GROUPS;
  const auto next_group = numeric_record(t.at(groups + 3 * c.NBAR), END_FORCE_RECORD);
  if (told.bar_end != 0 && c.NBAR >= 1 && next_group && static_cast<long>((*next_group)[0]) == c.NBAR + 1) {
    hazards.warn(
        Source::forces_file, told.bar_end, 1, Kind::record_shift,
        {{Text::bars_short,
          {std::to_string(c.NBAR), name, std::to_string(groups + 3 * c.NBAR), std::to_string(c.NBAR + 1)}}});
    told.bars = true;
  }
}

}  // namespace

ShiftsTold find_record_shifts(const ListingText& text, const Store& s, const RunCounts& counts,
                              const ListedBlocks& blocks, HazardList& hazards) {
  ShiftsTold told;
  find_section_count_slips(text, counts, told, hazards);
  // Counted with a wrong number of nodes or bars, every block would seem shifted.
  if (counts.NNOS < 1 || told.nodes || told.bars) return told;
  if (!blocks.read.empty()) sections_short(text, counts, blocks.read.front(), told, hazards);
  if (told.nodes || told.bars) return told;
  for (const ReadBlock& b : blocks.read)
    if (block_shifts(text, s, counts, b, hazards)) told.blocks.insert(b.heading_line);
  return told;
}

}  // namespace toval::tools::check
