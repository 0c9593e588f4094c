// The console: records written to standard output, typed lines read from
// standard input. A record is shown on a line of its own without its first
// character; a prompt leaves its line open for what follows. Lines end as
// this system's console users expect (platform::console_line_end()).
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "records/platform.h"
#include "records/record_sink.h"

namespace toval {

// Writes `text` to `to` with each LF written as `line_end`: how console text
// (the dialogue, messages on the error stream) reaches its stream.
void write_console_text(std::FILE* to, std::string_view text,
                        std::string_view line_end = platform::console_line_end());

class Console : public RecordSink {
 public:
  // Standard input and output unless a test hands other streams; a null
  // output discards what the console would show.
  void attach(std::FILE* in, std::FILE* out) {
    in_ = in;
    out_ = out;
  }
  // The error stream, standard error unless a test hands another.
  void attach_error(std::FILE* err) { err_ = err; }
  // Every line end the console writes, on output and on the error stream.
  void use_line_end(std::string_view line_end) { line_end_ = line_end; }

  void put_record(std::string_view chars, bool ended) override;
  // Bytes written as they are (the fallback question); they leave the line open.
  void write_raw(std::string_view bytes);
  // One typed line, its data up to the first CR, at most `limit` characters
  // of it kept; false when standard input has ended.
  bool read_line(std::string& line, std::size_t limit);
  // Ends the run's console output with the end message.
  void stop_message();
  // A message for the error stream (a run-ending error): its LFs are written
  // as the console's line ends, and it is flushed at once.
  void write_error(std::string_view text);
  void flush();

 private:
  void emit(std::string_view bytes) { write_console_text(out_, bytes, line_end_); }

  std::FILE* in_ = stdin;
  std::FILE* out_ = stdout;
  std::FILE* err_ = stderr;
  std::string_view line_end_ = platform::console_line_end();
  bool line_open_ = false;  // the last write was a prompt
  bool last_was_write_ = false;
};

}  // namespace toval
