#include "records/run_error.h"

#include <cstdio>

namespace toval {

namespace {

std::string numbered(char letter, int number) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%c%04d", letter, number);
  return buf;
}

}  // namespace

std::string_view operation_of(ReadFault fault) {
  switch (fault) {
    case ReadFault::open:
    case ReadFault::same_file: return "OPEN";
    case ReadFault::write: return "WRITE";
    default: return "READ";
  }
}

RunError file_error(ReadFault fault, std::string_view file, std::string_view description) {
  std::string m = "\nrun-time error ";
  m += numbered('F', static_cast<int>(fault));
  m += ": ";
  m += operation_of(fault);
  m += '(';
  m += file;
  m += ")\n- ";
  m += description;
  m += '\n';
  return RunError(std::move(m));
}

RunError read_error(ReadFault fault, std::string_view file, std::string_view description) {
  return file_error(fault, file, description);
}

RunError math_error(MathFault fault) {
  std::string kind = fault == MathFault::invalid          ? "invalid"
                     : fault == MathFault::divide_by_zero ? "divide by zero"
                                                          : "overflow";
  return RunError("\nrun-time error " + numbered('M', static_cast<int>(fault)) +
                  ": MATH\n- floating-point error: " + kind + "\n");
}

std::string quoted(std::string_view text, std::size_t limit) {
  std::string q = "\"";
  std::size_t n = 0;
  for (unsigned char c : text) {
    if (n++ == limit) {
      q += "...";
      break;
    }
    if (c == '"' || c == '\\') {
      q += '\\';
      q += static_cast<char>(c);
    } else if (c == '\t') {
      q += "\\t";
    } else if (c < 0x20 || c >= 0x7f) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      q += buf;
    } else {
      q += static_cast<char>(c);
    }
  }
  q += '"';
  return q;
}

}  // namespace toval
