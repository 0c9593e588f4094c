#include "tools/report/packed_bytes.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <stdexcept>

namespace toval::tools::report {

namespace {

static_assert(PACKED_ALPHABET.size() == 85);

std::string deflated(std::span<const std::string> parts) {
  z_stream z{};
  // Window bits negative: raw deflate, without zlib's header and check.
  if (deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) throw std::bad_alloc();
  std::size_t size = 0;
  for (const std::string& part : parts) size += part.size();
  // Room for the whole stream and the few bytes each flush adds.
  std::string out(deflateBound(&z, static_cast<uLong>(size)) + 16 * parts.size() + 16, '\0');
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  int status = Z_OK;
  for (std::size_t i = 0; i < parts.size() && (status == Z_OK || status == Z_BUF_ERROR); ++i) {
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(parts[i].data()));
    z.avail_in = static_cast<uInt>(parts[i].size());
    // An empty part flushed right after another gives Z_BUF_ERROR (nothing
    // to do), which is no fault: the bound leaves room for every flush.
    status = deflate(&z, i + 1 < parts.size() ? Z_SYNC_FLUSH : Z_FINISH);
  }
  if (parts.empty()) status = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (status != Z_STREAM_END || z.avail_in != 0)
    throw std::logic_error("the page's rows did not fit their compressed bound");
  return out;
}

}  // namespace

std::string packed_text(std::span<const std::string> parts) {
  const std::string raw = deflated(parts);
  std::string text;
  text.reserve(raw.size() / 4 * 5 + 5);
  for (std::size_t i = 0; i < raw.size(); i += 4) {
    const std::size_t k = std::min<std::size_t>(4, raw.size() - i);
    std::uint32_t group = 0;
    for (std::size_t b = 0; b < 4; ++b)
      group = group << 8 | (b < k ? static_cast<unsigned char>(raw[i + b]) : 0u);
    char digits[5];
    for (int d = 4; d >= 0; --d) {
      digits[d] = PACKED_ALPHABET[group % 85];
      group /= 85;
    }
    text.append(digits, k + 1);
  }
  return text;
}

}  // namespace toval::tools::report
