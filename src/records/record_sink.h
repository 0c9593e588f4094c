// Where written records go: the report file or the console.
#pragma once

#include <string_view>

namespace toval {

class RecordSink {
 public:
  // One record's characters; `ended` is false only for a prompt that leaves
  // its line open.
  virtual void put_record(std::string_view chars, bool ended) = 0;

 protected:
  ~RecordSink() = default;
};

}  // namespace toval
