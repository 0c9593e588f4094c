#include "tools/cli/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <random>
#include <streambuf>

#include "records/platform.h"
#include "records/report_unit.h"
#include "records/run_error.h"

namespace toval::tools::cli {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void write_failure(const std::string& file, const std::string& description) {
  throw file_error(ReadFault::write, file, description);
}

std::string reason(int error) {
  return error != 0 ? std::string(": ") + std::strerror(error) : std::string();
}

// A new file beside `target`, created exclusively so that nothing existing
// is ever reused; its path is returned in `path`.
std::FILE* create_temporary(const std::string& target, std::string& path) {
  const fs::path t(target);
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(entropy()));
    fs::path candidate = t.parent_path() / ("." + t.filename().string() + "." + suffix + ".tmp");
    path = candidate.string();
    errno = 0;
    if (std::FILE* f = platform::create_new_file(path)) return f;
    if (errno != EEXIST) break;
  }
  write_failure(target, "no temporary file can be created beside it" + reason(errno));
}

// A stream's buffer that passes what fills it to an open file; the first
// failure is kept and nothing more is passed after it.
class FileBuffer : public std::streambuf {
 public:
  explicit FileBuffer(std::FILE* file) : file_(file) { setp(buffer_, buffer_ + sizeof buffer_); }
  // The errno of the first failure, or -1 when none.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override {
    if (!drain()) return -1;
    errno = 0;
    if (std::fflush(file_) == 0) return 0;
    error_ = errno;
    return -1;
  }

 private:
  bool drain() {
    const auto size = static_cast<std::size_t>(pptr() - pbase());
    errno = 0;
    if (error_ < 0 && size > 0 && std::fwrite(pbase(), 1, size, file_) != size) error_ = errno;
    setp(buffer_, buffer_ + sizeof buffer_);
    return error_ < 0;
  }

  std::FILE* file_;
  int error_ = -1;
  char buffer_[1 << 16];
};

// What `write` writes, into the open file; the errno of a failure, -1 when
// none.
int write_into(std::FILE* file, const std::function<void(std::ostream&)>& write) {
  FileBuffer buffer(file);
  std::ostream out(&buffer);
  write(out);
  out.flush();
  if (buffer.error() >= 0) return buffer.error();
  return out ? -1 : 0;
}

void write_to_stdout(const std::function<void(std::ostream&)>& write) {
  if (write_into(stdout, write) >= 0 || std::ferror(stdout))
    write_failure("CONSOLE", "the standard output cannot be written");
}

void check_target(const std::string& target) {
  if (target.find('\0') != std::string::npos) write_failure(target, "the name holds a NUL byte");
  if (platform::is_directory(target)) write_failure(target, "it is a directory");
}

void remove_file(const std::string& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

// The complete temporary file in the target's place, or, after `error` (the
// errno of a failure to write it, 0 when unknown, -1 for none), removed and
// the failure thrown.
void put_in_place(const std::string& target, const std::string& temporary, int error) {
  // The new content keeps the access rights of the file it replaces.
  std::error_code ignored;
  if (const fs::file_status old = fs::status(target, ignored); fs::exists(old))
    fs::permissions(temporary, old.permissions(), ignored);
  std::string failure;
  if (error >= 0)
    failure = "it cannot be written" + reason(error);
  else if (std::string why = platform::replace_file(temporary, target); !why.empty())
    failure = "the new content cannot take its place: " + why;
  if (failure.empty()) return;
  remove_file(temporary);
  write_failure(target, failure);
}

}  // namespace

bool is_stdout(std::string_view target) {
  return target.empty() || target == "-";
}

void refuse_input_as_output(const std::string& target, std::span<const std::string> inputs) {
  if (is_stdout(target)) return;
  for (const std::string& input : inputs)
    toval::refuse_input_as_output(
        target, input, "the output file would be the input " + input + " itself; choose another output name");
}

void write_output(const std::string& target, std::string_view text) {
  write_output(target,
               [&](std::ostream& out) { out.write(text.data(), static_cast<std::streamsize>(text.size())); });
}

void write_output(const std::string& target, const std::function<void(std::ostream&)>& write) {
  if (is_stdout(target)) return write_to_stdout(write);
  check_target(target);
  std::string temporary;
  std::FILE* f = create_temporary(target, temporary);
  int error = -1;
  try {
    error = write_into(f, write);
  } catch (...) {
    std::fclose(f);
    remove_file(temporary);
    throw;
  }
  if (std::fclose(f) != 0) error = errno;
  put_in_place(target, temporary, error);
}

void write_output_file(const std::string& target, const std::function<void(const std::string&)>& write) {
  if (is_stdout(target)) write_failure("CONSOLE", "this output cannot go to the standard output");
  check_target(target);
  std::string temporary;
  if (std::fclose(create_temporary(target, temporary)) != 0) {
    const int error = errno;
    remove_file(temporary);
    write_failure(target, "it cannot be written" + reason(error));
  }
  try {
    write(temporary);
  } catch (...) {
    remove_file(temporary);
    throw;
  }
  put_in_place(target, temporary, -1);
}

}  // namespace toval::tools::cli
