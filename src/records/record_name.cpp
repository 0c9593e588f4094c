#include "records/record_name.h"

namespace toval {

std::string RecordName::text() const {
  std::string t;
  for (std::size_t k = 0; k < count_; ++k)
    t += pieces_[k].is_number ? std::to_string(pieces_[k].number) : std::string(pieces_[k].text);
  return t;
}

}  // namespace toval
