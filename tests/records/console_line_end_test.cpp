// The console with the line end of a Windows console (CR LF): every line end
// it writes, in the dialogue, the fallback question, the end message and the
// error stream, is the pair, and nothing else changes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "records/console.h"
#include "records/record_io.h"

namespace toval {
namespace {

// A stream the test can read back.
struct Capture {
  std::FILE* file = std::tmpfile();
  ~Capture() { std::fclose(file); }
  std::string bytes() {
    std::fflush(file);
    std::rewind(file);
    std::string b;
    for (int c; (c = std::fgetc(file)) != EOF;) b.push_back(static_cast<char>(c));
    return b;
  }
};

TEST(ConsoleLineEnd, AWholeDialogueWithCrLf) {
  Capture in, out;
  std::fputs("COMB.DAT\r\n\r\nESF.DAT\r\n", in.file);
  std::rewind(in.file);
  Console console;
  console.attach(in.file, out.file);
  console.use_line_end("\r\n");

  constexpr Item PROMPT[] = {SLASH, SLASH, Text(" ARQUIVO : "), NO_END};
  std::string line;
  write_record(console, PROMPT);
  ASSERT_TRUE(console.read_line(line, 20));
  EXPECT_EQ(line, "COMB.DAT");  // the CR of the typed line ends its data
  write_record(console, PROMPT);
  ASSERT_TRUE(console.read_line(line, 20));
  EXPECT_EQ(line, "");
  console.write_raw("File name missing or blank - please enter file name\nUNIT 4? ");
  ASSERT_TRUE(console.read_line(line, 20));
  EXPECT_EQ(line, "ESF.DAT");
  constexpr Item AXIS[] = {SLASH, Text(" EIXO : "), F(8, 4), SLASH, SLASH};
  write_record(console, AXIS, 6.0f);
  console.stop_message();

  EXPECT_EQ(out.bytes(),
            "\r\n\r\n\r\nARQUIVO : "
            "\r\n\r\n\r\nARQUIVO : "
            "File name missing or blank - please enter file name\r\nUNIT 4? "
            "\r\n\r\nEIXO :   6.0000\r\n\r\n\r\nStop - Program terminated.\r\n");
}

TEST(ConsoleLineEnd, TheErrorStreamUsesTheSameLineEnd) {
  Capture out, err;
  Console console;
  console.attach(stdin, out.file);
  console.attach_error(err.file);
  console.use_line_end("\r\n");
  console.write_error("\nrun-time error F6501: READ(X.DAT)\n- end of file\n");
  EXPECT_EQ(err.bytes(), "\r\nrun-time error F6501: READ(X.DAT)\r\n- end of file\r\n");
  EXPECT_EQ(out.bytes(), "");

  console.use_line_end("\n");
  console.write_error("a\nb\n");
  EXPECT_EQ(err.bytes(), "\r\nrun-time error F6501: READ(X.DAT)\r\n- end of file\r\na\nb\n");
}

}  // namespace
}  // namespace toval
