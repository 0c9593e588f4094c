// Fuzz target: the record reader and writer over arbitrary layouts and
// records.
//
// Input: the first line is a layout in the field notation, items separated by
// commas: Iw, Fw.d, Aw (Aw:n reads into a name of n characters), nX, "text",
// / and $ (no end of record). The rest of the input is the file: each record
// is read with the layout, the values read are compared with an independent
// reading of the same columns, and then written back with the same layout and
// compared with the record the rules give. Records are also compared with an
// independent split of the bytes into lines, and read twice through backspace.
//
// Anything the reader or writer does that the rules do not allow aborts with
// a message, which libFuzzer reports as a crash.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_reference.h"
#include "records/fields.h"
#include "records/input_unit.h"
#include "records/layout.h"
#include "records/record_io.h"
#include "records/run_error.h"

using namespace toval;
using namespace toval::fuzz;

namespace {

// A parsed layout: the items, and the name length of every A item.
struct ParsedLayout {
  std::vector<Item> items;
  std::vector<std::size_t> name_lengths;  // per A item, in order
  std::vector<std::string> literals;      // storage for Text items
};

bool parse_number(std::string_view& s, int& value) {
  std::size_t i = 0;
  value = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i < 3) value = value * 10 + (s[i++] - '0');
  if (i == 0) return false;
  s.remove_prefix(i);
  return true;
}

// The layout line; false for a line that is not a layout (the input is then
// of no interest).
bool parse_layout(std::string_view line, ParsedLayout& out) {
  out.literals.reserve(line.size());
  while (!line.empty()) {
    int w = 0, d = 0;
    char c = line[0];
    if (c == '"') {
      std::size_t close = line.find('"', 1);
      if (close == std::string_view::npos) return false;
      out.literals.emplace_back(line.substr(1, close - 1));
      out.items.push_back(Text(out.literals.back()));
      line.remove_prefix(close + 1);
    } else if (c == '/') {
      out.items.push_back(SLASH);
      line.remove_prefix(1);
    } else if (c == '$') {
      out.items.push_back(NO_END);
      line.remove_prefix(1);
    } else if (c == 'I' || c == 'A') {
      line.remove_prefix(1);
      if (!parse_number(line, w) || w > MAX_WIDTH) return false;
      int length = w;
      if (c == 'A' && !line.empty() && line[0] == ':') {
        line.remove_prefix(1);
        if (!parse_number(line, length) || length < 1 || length > MAX_WIDTH) return false;
      }
      if (c == 'A' && length == 0) return false;  // a name has one character at least
      out.items.push_back(c == 'I' ? I(w) : A(w));
      if (c == 'A') out.name_lengths.push_back(static_cast<std::size_t>(length));
    } else if (c == 'F') {
      line.remove_prefix(1);
      if (!parse_number(line, w) || w > MAX_WIDTH || line.empty() || line[0] != '.') return false;
      line.remove_prefix(1);
      if (!parse_number(line, d) || d > MAX_DECIMALS) return false;
      out.items.push_back(F(w, d));
    } else if (c >= '0' && c <= '9') {
      if (!parse_number(line, w) || w > MAX_WIDTH || line.empty() || line[0] != 'X') return false;
      line.remove_prefix(1);
      out.items.push_back(X(w));
    } else {
      return false;
    }
    if (line.empty()) break;
    if (line[0] != ',') return false;
    line.remove_prefix(1);
  }
  return !out.items.empty() && out.items.size() <= 64;
}

// Collects written records.
struct StringSink : RecordSink {
  std::vector<std::pair<std::string, bool>> records;
  void put_record(std::string_view chars, bool ended) override { records.emplace_back(chars, ended); }
};

// The storage of every target of one read.
struct Targets {
  std::vector<Whole> wholes;
  std::vector<Real> reals;
  std::vector<std::string> names;
  std::vector<Target> list;
};

void make_targets(const ParsedLayout& layout, Targets& t) {
  std::size_t wholes = 0, reals = 0, names = 0;
  for (const Item& item : layout.items) {
    if (item.kind == Item::Kind::integer) ++wholes;
    if (item.kind == Item::Kind::real) ++reals;
    if (item.kind == Item::Kind::chars) ++names;
  }
  // Sized first so that the addresses handed out stay put. Targets start
  // with a value the reader must overwrite.
  t.wholes.assign(wholes, 12345);
  t.reals.assign(reals, 12345.0f);
  t.names.clear();
  for (std::size_t k = 0; k < names; ++k) t.names.emplace_back(layout.name_lengths[k], '\x7f');
  std::size_t wi = 0, ri = 0, ni = 0;
  for (const Item& item : layout.items) {
    if (item.kind == Item::Kind::integer) t.list.push_back(into(t.wholes[wi++]));
    if (item.kind == Item::Kind::real) t.list.push_back(into(t.reals[ri++]));
    if (item.kind == Item::Kind::chars) {
      std::string& n = t.names[ni++];
      t.list.push_back({Target::Kind::chars, n.data(), n.size()});
    }
  }
}

// The message of a run-ending read error: one message, three lines.
void check_error_message(const RunError& e) {
  std::string_view m = e.what();
  if (m.rfind("\nrun-time error F6", 0) != 0 || m.find(": READ(fuzzed file)\n- ") == std::string_view::npos ||
      m.back() != '\n')
    fail("read error message of the wrong shape", m);
  std::size_t lines = 0;
  for (char c : m) lines += c == '\n';
  if (lines != 3) fail("read error message not of exactly two lines", m);
}

void check_read(const ParsedLayout& layout, const Record& record, const InputUnit& unit) {
  Targets t;
  make_targets(layout, t);
  std::vector<RefValue> expected;
  bool expected_fault = reference_read(layout.items, layout.name_lengths, record.text(), expected);
  try {
    read_fields(unit, record, layout.items, t.list, "fuzzed record");
  } catch (const RunError& e) {
    check_error_message(e);
    if (!expected_fault) fail("read error where the rules read every field", e.what());
    return;
  }
  if (expected_fault) fail("record read although a field cannot be read", record.text());

  // Every value as the rules give it, then written back.
  std::vector<Value> values;
  std::size_t wi = 0, ri = 0, ni = 0;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const RefValue& e = expected[k];
    if (e.kind == Item::Kind::integer) {
      Whole got = t.wholes[wi++];
      if (got != e.whole) fail("integer field read wrongly", record.text());
      values.push_back(value_of(got));
    } else if (e.kind == Item::Kind::real) {
      Real got = t.reals[ri++];
      if (std::memcmp(&got, &e.real, sizeof got) != 0) fail("real field read wrongly", record.text());
      values.push_back(value_of(got));
    } else {
      const std::string& got = t.names[ni++];
      if (got != e.chars) fail("character field read wrongly", record.text());
      values.push_back(value_of(std::string_view(got)));
    }
  }
  StringSink sink;
  write_record(sink, layout.items, std::span<const Value>(values));
  std::vector<std::pair<std::string, bool>> want = reference_write(layout.items, values);
  if (sink.records != want) fail("record written wrongly", record.text());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t lf = input.find('\n');
  if (lf == std::string_view::npos) return -1;
  ParsedLayout layout;
  if (!parse_layout(input.substr(0, lf), layout)) return -1;
  std::string_view file = input.substr(lf + 1);

  // Field output on its own, for every value read below and for the raw
  // bytes of the file taken as reals.
  for (std::size_t k = 0; k + sizeof(float) <= file.size() && k < 64; k += sizeof(float)) {
    float v;
    std::memcpy(&v, file.data() + k, sizeof v);
    for (const Item& item : layout.items)
      if (item.kind == Item::Kind::real) check_format_real(v, item.width, item.decimals);
  }

  InputUnit unit;
  unit.open_memory("fuzzed file", file);
  std::vector<RefRecord> lines = reference_records(file);
  Record record;
  for (std::size_t k = 0;; ++k) {
    bool got = unit.next(record);
    if (!got) {
      if (k != lines.size()) fail("end of file before the last record", file);
      if (unit.next(record)) fail("a record after the end of file", file);
      break;
    }
    if (k >= lines.size()) fail("a record past the end of the file", file);
    if (record.text() != lines[k].text || record.line != lines[k].line) fail("record split wrongly", file);
    // Read it once more through backspace, as the readers do with markers.
    if (k % 2 == 1) {
      // A record is the unit's until its next read: its text is copied first.
      const std::string text(record.text());
      const long line = record.line;
      unit.backspace();
      if (!unit.next(record) || record.text() != text || record.line != line)
        fail("backspace did not give the same record", file);
    }
    check_read(layout, record, unit);
  }
  return 0;
}
