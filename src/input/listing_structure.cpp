// The node and bar sections of the forces file: the first half of LTRCG.
#include <array>
#include <string>

#include "input/listing.h"
#include "input/listing_dialect.h"
#include "records/record_io.h"
#include "records/run_error.h"
#include "store/capacity.h"

namespace toval {

namespace {

using namespace dialect;

void skip_titles(Listing& listing, int count, std::string_view heading) {
  Record record;
  // The name is put together only if a record is missing.
  const std::string quoted_heading = quoted(heading);
  for (int k = 1; k <= count; ++k)
    listing.next_record(
        record, RecordName("column-title record (", k, " of ", count, " passed over after the heading ",
                           std::string_view(quoted_heading), ")"));
}

// One record of a section read with its layout.
template <class... T>
Record read_section_record(Listing& listing, Layout layout, const RecordName& what, T&... targets) {
  Record record;
  listing.next_record(record, what);
  const std::array<Target, sizeof...(T)> list{into(targets)...};
  read_fields(listing.unit(), record, layout, list, what);
  return record;
}

// An end record that holds more than its number (0 or blank) most likely is
// a node or bar record whose number went missing: every record after it is
// left out of the section, and what goes wrong later is its doing.
void note_early_end(Listing& listing, const Record& record, Layout layout, std::string_view section,
                    std::string_view number) {
  const ValueColumns first = value_columns(layout, 0);
  const ValueColumns last = value_columns(layout, layout.size() - 1);
  const std::string_view text = record.text();
  const std::string_view rest = text.substr(std::min(first.last, text.size()), last.last - first.last);
  if (rest.find_first_not_of(" \t") == std::string_view::npos) return;
  const std::string_view written = text.substr(0, std::min(first.last, text.size()));
  const bool blank = written.find_first_not_of(" \t") == std::string_view::npos;
  listing.note_section_end("the " + std::string(section) + " section ended at line " +
                           std::to_string(record.line) + ", whose " + std::string(number) +
                           " number (columns 1-" + std::to_string(first.last) + ") is " +
                           (blank ? "blank" : "0") + " though the record holds more values: the " +
                           std::string(number) + "s after it were left out");
}

// Every later step indexes the node tables with NI and NF, so a node number
// outside them ends the run here, naming the record to mend.
void check_bar_node(const InputUnit& unit, long nodes, long bar, Whole B, std::string_view end,
                    std::size_t value, Whole node) {
  if (node >= 1 && node <= nodes) return;
  ErrorFields f = file_fault(ReadFault::bad_reference, unit.name());
  f.shape = ErrorShape::record;
  f.line = unit.next_line() - 1;
  const ValueColumns at = value_columns(BAR_RECORD, value);
  char notation[16];
  f.first_column = at.first;
  f.last_column = at.last;
  f.notation = item_notation(at.item, notation);
  f.item = "bar record " + std::to_string(bar) + " (numbered " + std::to_string(B) + ")";
  f.cause = "its " + std::string(end) + " node " + std::to_string(node) +
            " lies outside the node numbers 1.." + std::to_string(nodes) + " that the program can hold";
  throw RunError(std::move(f));
}

void read_node_section(Store& s, Listing& listing, Whole& NNOS) {
  InputUnit& unit = listing.unit();
  listing.scan_for_heading(NODE_HEADING);
  skip_titles(listing, NODE_TITLE_RECORDS, NODE_HEADING);
  long I = 0;  // wide: the record past a capacity of 32767 is counted
  for (;;) {
    Whole N = 0, R1 = 0, R2 = 0, R3 = 0;
    Real X = 0.0f, Y = 0.0f;
    const Record record = read_section_record(
        listing, NODE_RECORD,
        RecordName(RecordTag{RecordKind::node, I + 1},
                   "node record (or the end record, blank or with node number 0) of the node section"),
        N, X, Y, R1, R2, R3);
    if (N == 0) {  // the end record contributes nothing
      note_early_end(listing, record, NODE_RECORD, "node", "node");
      break;
    }
    ++I;
    check_capacity(unit, I, s.capacities.nodes, "node records in the node section");
    s.BL2.X(I) = X;
    s.BL2.Y(I) = Y;
    s.BL2.R1(I) = R1;
    s.BL2.R2(I) = R2;
    s.BL2.R3(I) = R3;
  }
  NNOS = static_cast<Whole>(I);
}

void read_bar_section(Store& s, Listing& listing, Whole& NBAR) {
  InputUnit& unit = listing.unit();
  listing.scan_for_heading(BAR_HEADING);
  skip_titles(listing, BAR_TITLE_RECORDS, BAR_HEADING);
  long I = 0;
  for (;;) {
    Whole B = 0, NI = 0, RT1 = 0, NF = 0, RT2 = 0, PROP = 0;
    Real L = 0.0f, CD = 0.0f;
    const Record record = read_section_record(
        listing, BAR_RECORD,
        RecordName(RecordTag{RecordKind::bar, I + 1},
                   "bar record (or the end record, blank or with bar number 0) of the bar section"),
        B, NI, RT1, NF, RT2, PROP, L, CD);
    if (B == 0) {  // the end record contributes nothing
      note_early_end(listing, record, BAR_RECORD, "bar", "bar");
      break;
    }
    ++I;
    check_capacity(unit, I, s.capacities.bars, "bar records in the bar section");
    check_bar_node(unit, s.capacities.nodes, I, B, "initial", BAR_INITIAL_NODE, NI);
    check_bar_node(unit, s.capacities.nodes, I, B, "final", BAR_FINAL_NODE, NF);
    s.BL3.NI(I) = NI;
    s.BL3.NF(I) = NF;
    s.BL3.PROP(I) = PROP;
    s.BL3.L(I) = L;
    s.BL3.CD(I) = CD;
  }
  NBAR = static_cast<Whole>(I);
}

}  // namespace

void Listing::read_structure_sections(Store& s, Whole& NNOS, Whole& NBAR) {
  unit_.rewind();
  read_node_section(s, *this, NNOS);
  // The bar heading is sought from the node end record on, without a rewind.
  read_bar_section(s, *this, NBAR);
}

}  // namespace toval
