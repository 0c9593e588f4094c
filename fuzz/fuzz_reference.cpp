#include "fuzz_reference.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "records/fields.h"
#include "records/input_unit.h"
#include "records/run_error.h"

namespace toval::fuzz {

void fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "\nFUZZ FAULT: %s\n  input: %s\n", what, quoted(detail, 400).c_str());
  std::abort();
}

std::vector<RefRecord> reference_records(std::string_view file) {
  std::vector<RefRecord> records;
  long line = 1;
  while (!file.empty()) {
    std::size_t lf = file.find('\n');
    std::string_view text = file.substr(0, lf);
    file = lf == std::string_view::npos ? std::string_view{} : file.substr(lf + 1);
    text = text.substr(0, text.find('\r'));
    text = text.substr(0, Record::CAPTURE);  // the columns a reader holds
    records.push_back({std::string(text), line++});
  }
  return records;
}

namespace {

constexpr char END_OF_FILE_CHAR = 26;

std::string without_blanks(std::string_view field) {
  std::string s;
  for (char c : field)
    if (c != ' ' && c != '\t') s += c;
  return s;
}

bool digits_only(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Iw input; false when the field cannot be read.
bool reference_integer(std::string_view field, Whole& value) {
  std::string s = without_blanks(field);
  if (s.find(END_OF_FILE_CHAR) != std::string::npos) return false;
  if (s.empty()) {
    value = 0;
    return true;
  }
  bool negative = s[0] == '-';
  std::string_view digits(s);
  if (s[0] == '-' || s[0] == '+') digits.remove_prefix(1);
  if (!digits_only(digits)) return false;
  std::size_t first = digits.find_first_not_of('0');
  digits = first == std::string_view::npos ? std::string_view("0") : digits.substr(first);
  if (digits.size() > 5) return false;
  long magnitude = std::strtol(std::string(digits).c_str(), nullptr, 10);
  if (magnitude > 32767) return false;
  value = static_cast<Whole>(negative ? -magnitude : magnitude);
  return true;
}

// Fw.d input; false when the field cannot be read.
bool reference_real(std::string_view field, int decimals, Real& value) {
  std::string s = without_blanks(field);
  if (s.find(END_OF_FILE_CHAR) != std::string::npos) return false;
  if (s.empty()) {
    value = 0.0f;
    return true;
  }
  std::size_t i = 0;
  std::string mantissa;
  if (s[i] == '+' || s[i] == '-') mantissa += s[i++];
  bool point = false, digit = false;
  for (; i < s.size(); ++i) {
    if (s[i] >= '0' && s[i] <= '9') {
      digit = true;
    } else if (s[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
    mantissa += s[i];
  }
  if (!digit) return false;
  long long exponent = 0;
  if (i < s.size()) {
    if (std::string_view("EeDd").find(s[i]) == std::string_view::npos) return false;
    ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::string_view e = std::string_view(s).substr(i);
    if (!digits_only(e)) return false;
    for (char c : e) exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
    if (negative) exponent = -exponent;
  }
  if (!point) exponent -= decimals;
  std::string text = mantissa + "e" + std::to_string(exponent);
  errno = 0;
  float v = std::strtof(text.c_str(), nullptr);
  if (std::isinf(v)) return false;
  value = v;
  return true;
}

}  // namespace

bool reference_read(const std::vector<Item>& layout, const std::vector<std::size_t>& name_lengths,
                    std::string_view record, std::vector<RefValue>& values) {
  std::size_t column = 0;
  std::size_t names = 0;
  // Column c of the record, blank beyond its end.
  auto at = [&](std::size_t c) { return c < record.size() ? record[c] : ' '; };
  for (const Item& item : layout) {
    auto w = static_cast<std::size_t>(item.width);
    switch (item.kind) {
      case Item::Kind::skip:
        // Moves on, but not past the end of the record.
        column = std::max(column, std::min(column + w, record.size()));
        break;
      case Item::Kind::chars: {
        std::string field;
        for (std::size_t k = 0; k < w; ++k) field += at(column + k);
        column += w;
        std::size_t len = name_lengths[names++];
        RefValue v{Item::Kind::chars, 0, 0.0f, {}};
        if (w >= len) {
          v.chars = field.substr(w - len);
        } else {
          v.chars = field + std::string(len - w, ' ');
        }
        values.push_back(v);
        break;
      }
      case Item::Kind::integer:
      case Item::Kind::real: {
        std::string field;
        std::size_t next = column + w;
        for (std::size_t k = 0; k < w && column + k < record.size(); ++k) {
          if (record[column + k] == ',') {
            next = column + k + 1;
            break;
          }
          field += record[column + k];
        }
        column = next;
        RefValue v{item.kind, 0, 0.0f, {}};
        bool ok = item.kind == Item::Kind::integer ? reference_integer(field, v.whole)
                                                   : reference_real(field, item.decimals, v.real);
        if (!ok) return true;
        values.push_back(v);
        break;
      }
      default:
        break;  // literals, '/' and no end of record: nothing on input
    }
  }
  return false;
}

std::string reference_real_text(Real value, int decimals) {
  // The exact decimal expansion of the value (a float has at most 149
  // decimals), as one row of digits with `units` digits before the point.
  static char buf[512];
  std::snprintf(buf, sizeof buf, "%.160f", std::fabs(static_cast<double>(value)));
  std::string exact(buf);
  std::size_t point = exact.find('.');
  std::string digits = exact.substr(0, point) + exact.substr(point + 1);
  auto units = static_cast<long>(point);
  auto d = static_cast<long>(decimals);
  if (static_cast<long>(digits.size()) < units + d + 1)
    digits.resize(static_cast<std::size_t>(units + d + 1), '0');

  // Cut at 7 significant digits or d decimals, whichever keeps fewer.
  std::size_t first = digits.find_first_not_of('0');
  long keep = units + d;
  if (first != std::string::npos) keep = std::min(static_cast<long>(first) + 7, keep);
  bool up = digits[static_cast<std::size_t>(keep)] >= '5';
  std::string kept = digits.substr(0, static_cast<std::size_t>(keep));
  if (up) {
    long k = keep - 1;
    while (k >= 0 && kept[static_cast<std::size_t>(k)] == '9') kept[static_cast<std::size_t>(k--)] = '0';
    if (k >= 0) {
      ++kept[static_cast<std::size_t>(k)];
    } else {
      kept.insert(kept.begin(), '1');
      ++units;
    }
  }
  kept.resize(static_cast<std::size_t>(units + d), '0');
  bool zero = kept.find_first_not_of('0') == std::string::npos;
  std::string integer = kept.substr(0, static_cast<std::size_t>(units));
  integer.erase(0, integer.find_first_not_of('0'));
  if (integer.find_first_not_of('0') == std::string::npos) integer.clear();
  std::string text = value < 0 && !zero ? "-" : "";
  return text + integer + "." + kept.substr(static_cast<std::size_t>(units));
}

namespace {

std::string right_aligned(const std::string& text, int width) {
  auto w = static_cast<std::size_t>(width);
  if (text.size() > w) return std::string(w, '*');
  return std::string(w - text.size(), ' ') + text;
}

std::string reference_field(const Item& item, const Value& v) {
  if (item.kind == Item::Kind::integer) return right_aligned(std::to_string(v.whole), item.width);
  if (item.kind == Item::Kind::real) {
    if (!std::isfinite(v.real)) return std::string(static_cast<std::size_t>(item.width), '*');
    return right_aligned(reference_real_text(v.real, item.decimals), item.width);
  }
  auto w = static_cast<std::size_t>(item.width);
  if (w >= v.chars.size()) return std::string(w - v.chars.size(), ' ') + std::string(v.chars);
  return std::string(v.chars.substr(0, w));
}

}  // namespace

std::vector<std::pair<std::string, bool>> reference_write(const std::vector<Item>& layout,
                                                          const std::vector<Value>& values) {
  std::vector<std::pair<std::string, bool>> records;
  std::string record;
  std::size_t blanks = 0;
  std::size_t next = 0;
  bool open = false;
  for (const Item& item : layout) {
    if (item.takes_value() && next == values.size()) break;
    switch (item.kind) {
      case Item::Kind::skip:
        blanks += static_cast<std::size_t>(item.width);
        break;
      case Item::Kind::slash:
        records.emplace_back(record, true);
        record.clear();
        blanks = 0;  // X items at the very end of a record produce nothing
        break;
      case Item::Kind::no_end:
        open = true;
        break;
      case Item::Kind::text:
        record += std::string(blanks, ' ') + std::string(item.literal);
        blanks = 0;
        break;
      default:
        record += std::string(blanks, ' ') + reference_field(item, values[next++]);
        blanks = 0;
        break;
    }
  }
  records.emplace_back(record, !open);
  return records;
}

void check_format_real(Real value, int width, int decimals) {
  std::string got;
  format_real(value, width, decimals, got);
  if (got.size() != static_cast<std::size_t>(width)) fail("real output not of its field's width", got);
  if (!std::isfinite(value)) {
    if (got != std::string(static_cast<std::size_t>(width), '*')) fail("non-finite real not asterisks", got);
    return;
  }
  std::string text = reference_real_text(value, decimals);
  if (got != right_aligned(text, width)) {
    char detail[128];
    std::snprintf(detail, sizeof detail, "%.9g in F%d.%d gives \"%s\", expected \"%s\"", value, width,
                  decimals, got.c_str(), right_aligned(text, width).c_str());
    fail("real written wrongly", detail);
  }
  // The reference itself: within half a unit of the last digit kept.
  if (value != 0.0f) {
    char e[64];
    std::snprintf(e, sizeof e, "%.20e", std::fabs(static_cast<double>(value)));
    long exponent = std::strtol(std::strchr(e, 'e') + 1, nullptr, 10);
    double unit = std::pow(10.0, static_cast<double>(std::max(-static_cast<long>(decimals), exponent - 6)));
    double back = std::strtod(text.c_str(), nullptr);
    // A tie (a first dropped digit of 5 and nothing after) lies exactly half
    // a unit away; allow for the rounding of the double arithmetic here.
    const double slack = 8 * DBL_EPSILON * std::fabs(static_cast<double>(value));
    if (std::fabs(back - static_cast<double>(value)) > 0.5 * unit + slack)
      fail("reference real text too far from the value", text);
  }
}

}  // namespace toval::fuzz

namespace toval::fuzz {

namespace {

constexpr std::size_t MAX_LIST = 10;  // cases, combinations, terms

std::string columns_1_to(const std::string& record, std::size_t n) {
  std::string s = record.substr(0, n);
  s.resize(n, ' ');
  return s;
}

std::string comma_treated(std::string name) {
  if (name[0] == ',') name = name.substr(1) + " ";
  std::size_t comma = name.find(',');
  if (comma != std::string::npos) name = name.substr(0, comma) + std::string(4 - comma, ' ');
  return name;
}

}  // namespace

RefCombinationFile reference_combination_file(std::string_view file) {
  RefCombinationFile r;
  const std::vector<RefRecord> records = reference_records(file);
  std::size_t next = 0;
  // The next record's text; nullptr at the end of the file.
  auto read = [&]() -> const std::string* { return next < records.size() ? &records[next++].text : nullptr; };
  auto ends = [&r] {
    r.ends_run = true;
    return r;
  };

  if (!read()) return ends();
  for (std::string& title : r.titles) {
    const std::string* t = read();
    if (!t) return ends();
    title = columns_1_to(*t, 40);
  }
  const std::string* rec;
  do {
    if (!(rec = read())) return ends();
  } while (columns_1_to(*rec, 4) != "FIMG");

  if (!(rec = read())) return ends();  // the name record of the first case
  for (;;) {
    if (r.cases.size() == MAX_LIST) return ends();
    r.cases.push_back(columns_1_to(*rec, 4));
    do {
      if (!(rec = read())) return ends();
    } while (columns_1_to(*rec, 4) != "FIMC");
    if (!(rec = read())) return ends();
    if (columns_1_to(*rec, 4) == "FIME") break;
  }

  if (!(rec = read())) return ends();
  if (columns_1_to(*rec, 4) == "FIME") {
    for (const std::string& c : r.cases) r.combinations.push_back({{1.0f, c}});
    return r;
  }
  const std::vector<Item> term = {A(4), F(10, 0), A(4)};
  for (;;) {  // *rec is a combination's header
    if (r.combinations.size() == MAX_LIST) return ends();
    r.combinations.emplace_back();
    for (;;) {
      if (!(rec = read())) return ends();
      std::vector<RefValue> values;
      if (reference_read(term, {4, 4}, *rec, values)) return ends();
      if (values[0].chars == "FIMC") break;
      if (r.combinations.back().size() == MAX_LIST) return ends();
      r.combinations.back().emplace_back(values[1].real, comma_treated(values[2].chars));
    }
    if (!(rec = read())) return ends();
    if (columns_1_to(*rec, 4) == "FIME") break;
  }
  return r;
}

bool is_run_error_message(std::string_view m) {
  if (m.rfind("\nrun-time error ", 0) != 0 || m.size() < 2 || m.back() != '\n') return false;
  std::size_t second = m.find('\n', 1);
  if (m.substr(second + 1, 2) != "- ") return false;
  return m.find('\n', second + 1) == m.size() - 1;
}

}  // namespace toval::fuzz
