#include "records/console.h"

namespace toval {

void write_console_text(std::FILE* to, std::string_view bytes, std::string_view line_end) {
  if (to == nullptr) return;
  for (std::size_t lf; (lf = bytes.find('\n')) != std::string_view::npos; bytes.remove_prefix(lf + 1)) {
    std::fwrite(bytes.data(), 1, lf, to);
    std::fwrite(line_end.data(), 1, line_end.size(), to);
  }
  std::fwrite(bytes.data(), 1, bytes.size(), to);
}

void Console::put_record(std::string_view chars, bool ended) {
  if (line_open_) {
    emit(chars);  // continues the prompt's line, first character shown
  } else {
    emit("\n");
    if (!chars.empty()) emit(chars.substr(1));
  }
  line_open_ = !ended;
  last_was_write_ = true;
}

void Console::write_raw(std::string_view bytes) {
  emit(bytes);
  line_open_ = true;
  last_was_write_ = true;
}

bool Console::read_line(std::string& line, std::size_t limit) {
  if (last_was_write_ && !line_open_) emit("\n");
  flush();
  line_open_ = false;
  last_was_write_ = false;
  line.clear();
  bool data_done = false;
  bool any = false;
  for (int c; (c = std::fgetc(in_)) != EOF;) {
    any = true;
    if (c == '\n') return true;
    if (c == '\r') data_done = true;
    if (!data_done && line.size() < limit) line.push_back(static_cast<char>(c));
  }
  return any;  // a last line without LF still counts
}

void Console::stop_message() {
  if (last_was_write_) emit("\n");
  emit("Stop - Program terminated.\n");
  flush();
}

void Console::write_error(std::string_view text) {
  write_console_text(err_, text, line_end_);
  if (err_ != nullptr) std::fflush(err_);
}

void Console::flush() {
  if (out_ != nullptr) std::fflush(out_);
}

}  // namespace toval
