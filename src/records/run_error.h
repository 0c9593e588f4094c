// The one exception that ends a run. It carries the whole text for the error
// stream; main prints it and ends with exit status 1.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace toval {

class RunError : public std::runtime_error {
 public:
  explicit RunError(std::string message) : std::runtime_error(std::move(message)) {}
};

// Error numbers of the file errors "F6nnn" and the arithmetic error "M6nnn".
// The number tells the operation the message names: open, write, or read
// for all the others.
enum class ReadFault : int {
  end_of_file = 6501,
  bad_integer = 6502,
  integer_range = 6503,
  bad_real = 6504,
  real_range = 6505,
  end_of_file_character = 6506,
  capacity = 6510,
  bad_reference = 6511,
  open = 6520,
  write = 6521,
  same_file = 6522,
};

enum class MathFault : int { invalid = 6101, divide_by_zero = 6103, overflow = 6104 };

// "\nrun-time error F6nnn: READ(<file>)\n- <description>\n", with OPEN or
// WRITE in place of READ for the faults of those operations.
[[nodiscard]] RunError file_error(ReadFault fault, std::string_view file, std::string_view description);
// The same, for the faults met while reading.
[[nodiscard]] RunError read_error(ReadFault fault, std::string_view file, std::string_view description);

// The operation a fault belongs to: "OPEN", "WRITE" or "READ".
std::string_view operation_of(ReadFault fault);

// "\nrun-time error M6nnn: MATH\n- floating-point error: <kind>\n"
[[nodiscard]] RunError math_error(MathFault fault);

// Text from a file shown in a message: quoted, control bytes escaped, cut
// when long, so that a user can find it in the file.
std::string quoted(std::string_view text, std::size_t limit = 60);

}  // namespace toval
