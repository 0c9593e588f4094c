// SHA-256 (FIPS 180-4), for the digests that tie a printed page to its
// input files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace toval::tools::report {

class Sha256 {
 public:
  Sha256();
  void add(std::string_view bytes);
  // The digest as 64 lower-case hexadecimal digits; the object is spent.
  std::string hex_digest();

 private:
  void compress(const unsigned char* block);

  std::array<std::uint32_t, 8> state_;
  std::array<unsigned char, 64> buffer_{};
  std::size_t buffered_ = 0;
  std::uint64_t length_ = 0;  // bytes added
};

std::string sha256_hex(std::string_view bytes);

}  // namespace toval::tools::report
