// The report file: created at open when missing, an existing file cut only
// when the first record is written, every record ended by CR LF.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "records/platform.h"
#include "records/record_sink.h"

namespace toval {

class ReportUnit : public RecordSink {
 public:
  ReportUnit() = default;
  ReportUnit(const ReportUnit&) = delete;
  ReportUnit& operator=(const ReportUnit&) = delete;
  ~ReportUnit();

  // Throws the OPEN run error when the file cannot be opened or created.
  void open(const std::string& path);
  // Collect the records in a string instead (tests, fuzzing).
  void open_memory(std::string* out);
  // Throws the WRITE run error when anything written did not reach the file.
  void close();

  void put_record(std::string_view chars, bool ended) override;

 private:
  [[noreturn]] void fail(const char* what);

  std::FILE* file_ = nullptr;
  std::string* memory_ = nullptr;
  std::string path_;
  bool cut_ = false;  // the old content has been cut off
  void append(std::string_view bytes);
  void flush();

  // Records are put together here and written in large pieces; the stream
  // under it has no buffer of its own.
  static constexpr std::size_t BUFFER = std::size_t{1} << 16;
  std::unique_ptr<platform::MemoryBlock> buffer_;  // from the first record to the close
  std::size_t used_ = 0;
};

// An output must never overwrite one of the inputs: the open fault, with
// its description, when `output` names the same file as `input`.
void refuse_input_as_output(const std::string& output, const std::string& input,
                            std::string_view description);

}  // namespace toval
