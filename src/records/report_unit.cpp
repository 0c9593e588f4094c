#include "records/report_unit.h"

#include <cerrno>
#include <cstring>

#include "records/platform.h"
#include "records/run_error.h"

namespace toval {

ReportUnit::~ReportUnit() {
  if (file_ == nullptr) return;
  // Left open by a fault: what was written still goes out, as far as it can.
  if (cut_ && used_ > 0) (void)std::fwrite(buffer_->data(), 1, used_, file_);
  std::fclose(file_);
}

void ReportUnit::open(const std::string& path) {
  path_ = path;
  cut_ = false;
  // Append mode creates a missing file and leaves an existing one as it is.
  if (path.find('\0') == std::string::npos && !path.empty()) file_ = std::fopen(path.c_str(), "ab");
  if (file_ == nullptr)
    throw file_error(ReadFault::open, path,
                     std::string("the report file cannot be opened or created: ") + std::strerror(errno));
}

void ReportUnit::open_memory(std::string* out) {
  memory_ = out;
  memory_->clear();
  path_ = "(memory)";
}

void ReportUnit::fail(const char* what) {
  std::string description = std::string(what) + ": " + std::strerror(errno);
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  throw file_error(ReadFault::write, path_, description);
}

void ReportUnit::put_record(std::string_view chars, bool ended) {
  if (memory_ != nullptr) {
    memory_->append(chars);
    if (ended) memory_->append("\r\n");
    return;
  }
  if (!cut_) {
    // First record of the run: now the old content goes.
    file_ = std::freopen(path_.c_str(), "wb", file_);
    if (file_ == nullptr) fail("the report file cannot be rewritten");
    std::setvbuf(file_, nullptr, _IONBF, 0);
    if (!buffer_) buffer_ = std::make_unique<platform::MemoryBlock>(BUFFER);
    used_ = 0;
    cut_ = true;
  }
  append(chars);
  if (ended) append("\r\n");
}

void ReportUnit::append(std::string_view bytes) {
  if (bytes.size() > BUFFER - used_) {
    flush();
    if (bytes.size() >= BUFFER) {
      // Larger than the buffer: straight to the file.
      if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        fail("the report file cannot be written");
      return;
    }
  }
  std::memcpy(buffer_->data() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void ReportUnit::flush() {
  if (used_ == 0) return;
  const std::size_t n = used_;
  used_ = 0;
  if (std::fwrite(buffer_->data(), 1, n, file_) != n) fail("the report file cannot be written");
}

void ReportUnit::close() {
  if (memory_ != nullptr) {
    memory_ = nullptr;
    return;
  }
  if (file_ == nullptr) return;
  if (cut_) flush();
  std::FILE* f = file_;
  file_ = nullptr;
  errno = 0;
  bool flushed = std::fflush(f) == 0 && !std::ferror(f);
  bool closed = std::fclose(f) == 0;
  if (!flushed || !closed) {
    std::string description = std::string("the report file cannot be written: ") + std::strerror(errno);
    throw file_error(ReadFault::write, path_, description);
  }
}

void refuse_input_as_output(const std::string& output, const std::string& input,
                            std::string_view description) {
  if (output == input || platform::same_file(output, input))
    throw file_error(ReadFault::same_file, output, description);
}

}  // namespace toval
