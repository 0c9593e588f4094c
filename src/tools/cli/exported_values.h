// How the run's values are written in an export: reals as the shortest
// decimal that reads back to the same 32-bit value, names as UTF-8 text
// without their trailing blanks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/types.h"

namespace toval::tools::cli {

// The shortest digits that read back as the finite `value`: value =
// ±0.digits x 10^n, the digits without trailing zeros ("0" for zero).
struct RealDigits {
  bool negative = false;
  std::string digits;
  std::uint32_t number = 0;  // the digits as a whole number (at most 9 of them)
  int n = 0;
};
RealDigits real_digits(Real value);

// The shortest decimal that reads back as `value` ("0.1", "-2.5e-05",
// "6"), with the layout of the JSON document's numbers less its ".0".
std::string real_text(Real value);

// The double nearest that decimal: a JSON library that writes the shortest
// text of a double then writes the same digits.
double real_number(Real value);

// Bytes of an input file as UTF-8: valid UTF-8 sequences as they are, every
// other byte taken as Latin-1; trailing blanks dropped.
std::string name_text(std::string_view bytes);

}  // namespace toval::tools::cli
