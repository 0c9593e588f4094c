// What ties a printed page to its inputs: each file's size and digest.
#pragma once

#include <cstdint>
#include <string>

namespace toval::tools::report {

struct InputFileFacts {
  std::string name;  // as the user gave it
  std::uintmax_t size = 0;
  std::string sha256;  // 64 hexadecimal digits
};

// Reads the whole file; one that cannot be read leaves as a RunError.
InputFileFacts input_file_facts(const std::string& name);

}  // namespace toval::tools::report
