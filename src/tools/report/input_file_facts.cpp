#include "tools/report/input_file_facts.h"

#include <fstream>
#include <vector>

#include "records/run_error.h"
#include "tools/report/sha256.h"

namespace toval::tools::report {

InputFileFacts input_file_facts(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) throw file_error(ReadFault::open, name, "the file cannot be opened for reading");
  Sha256 digest;
  InputFileFacts facts{name, 0, {}};
  std::vector<char> buffer(1 << 16);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto n = static_cast<std::size_t>(in.gcount());
    digest.add(std::string_view(buffer.data(), n));
    facts.size += n;
  }
  if (in.bad()) throw file_error(ReadFault::open, name, "the file cannot be read to its end");
  facts.sha256 = digest.hex_digest();
  return facts;
}

}  // namespace toval::tools::report
