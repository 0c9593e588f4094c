// HtmlTable's body in the packed form of packed_rows.h.
#include <cstdint>
#include <cstring>

#include "tools/cli/exported_values.h"
#include "tools/report/html_table.h"
#include "tools/report/packed_bytes.h"

namespace toval::tools::report {

namespace {

// Decimals the script rounds exactly: a 32-bit real times 10^6 is still
// exact in a double.
constexpr int PACKED_MAX_DECIMALS = 6;
constexpr unsigned PACKED_WHOLE = 0, PACKED_REAL = 1, PACKED_REPEAT = 2, PACKED_MARK = 4;

void put_u32(std::string& out, std::uint32_t v) {
  for (int b = 0; b < 4; ++b) out += static_cast<char>(v >> (8 * b) & 0xff);
}

// The four byte planes of the values, lowest bytes first, each a part of
// its own.
void put_planes(std::vector<std::string>& parts, const std::vector<std::uint32_t>& values) {
  for (int b = 0; b < 4; ++b) {
    std::string plane;
    plane.reserve(values.size());
    for (std::uint32_t v : values) plane += static_cast<char>(v >> (8 * b) & 0xff);
    parts.push_back(std::move(plane));
  }
}

}  // namespace

std::optional<std::string> HtmlTable::packed_html() const {
  const std::size_t C = columns_.size();
  if (rows_.empty() || C > 32) return std::nullopt;
  const std::vector<std::vector<bool>> marked = marks();

  std::string kinds;
  std::vector<std::uint32_t> wholes, digits;
  std::string signs;
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const std::vector<Cell>& row = rows_[r];
    for (std::size_t c = 0; c < C; ++c) {
      const Cell& cell = row[c];
      // The packed form carries no text and no title.
      if (!cell.number() || !cell.title.empty()) return std::nullopt;
      unsigned kind = marked[c][r] ? PACKED_MARK : 0;
      if (cell.kind == Cell::Kind::whole) {
        if (cell.whole < INT32_MIN || cell.whole > INT32_MAX) return std::nullopt;
        wholes.push_back(static_cast<std::uint32_t>(static_cast<std::int32_t>(cell.whole)));
        kinds += static_cast<char>(kind | PACKED_WHOLE);
        continue;
      }
      if (cell.decimals < 0 || cell.decimals > PACKED_MAX_DECIMALS) return std::nullopt;
      std::size_t same = 0;
      for (std::size_t left = 1; left <= c && same == 0; ++left) {
        const Cell& other = row[c - left];
        // The same bits shown with the same decimals: the same text.
        if (other.kind == Cell::Kind::real && std::memcmp(&other.real, &cell.real, sizeof(Real)) == 0 &&
            other.decimals == cell.decimals)
          same = left;
      }
      if (same != 0) {
        kinds += static_cast<char>(kind | PACKED_REPEAT | same << 3);
        continue;
      }
      const cli::RealDigits d = cli::real_digits(cell.real);
      digits.push_back(d.number);
      signs += static_cast<char>((d.negative ? 0x80 : 0) | ((d.n + 64) & 0x7f));
      kinds += static_cast<char>(kind | PACKED_REAL | static_cast<unsigned>(cell.decimals) << 3);
    }
  }
  std::string head;
  put_u32(head, static_cast<std::uint32_t>(rows_.size()));
  put_u32(head, static_cast<std::uint32_t>(C));
  put_u32(head, static_cast<std::uint32_t>(group_starts_.size()));
  for (std::size_t start : group_starts_) put_u32(head, static_cast<std::uint32_t>(start));
  std::vector<std::string> parts{head + kinds};
  put_planes(parts, wholes);
  put_planes(parts, digits);
  parts.push_back(std::move(signs));
  const PrintColumns columns = print_columns();
  return opening(columns) + "<script type=\"application/octet-stream\" class=\"packed-rows\">" +
         packed_text(parts) + "</script>\n" + closing(columns);
}

}  // namespace toval::tools::report
