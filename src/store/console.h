// The console: records written to standard output, typed lines read from
// standard input. A record is shown on a line of its own without its first
// character; a prompt leaves its line open for what follows.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "store/record_sink.h"

namespace toval {

class Console : public RecordSink {
 public:
  // Standard input and output unless a test hands other streams; a null
  // output discards what the console would show.
  void attach(std::FILE* in, std::FILE* out) {
    in_ = in;
    out_ = out;
  }

  void put_record(std::string_view chars, bool ended) override;
  // Bytes written as they are (the fallback question); they leave the line open.
  void write_raw(std::string_view bytes);
  // One typed line, its data up to the first CR, at most `limit` characters
  // of it kept; false when standard input has ended.
  bool read_line(std::string& line, std::size_t limit);
  // Ends the run's console output with the end message.
  void stop_message();
  void flush();

 private:
  void emit(std::string_view bytes);

  std::FILE* in_ = stdin;
  std::FILE* out_ = stdout;
  bool line_open_ = false;  // the last write was a prompt
  bool last_was_write_ = false;
};

}  // namespace toval
