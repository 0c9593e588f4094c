// The one expected difference of the Windows build's console, CR LF line
// ends, as the runner of the end-to-end cases takes it off: a bare LF or CR
// is a fault, never made equal to the native output.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace toval::testing {
namespace {

TEST(WindowsConsole, CrLfPairsBecomeLf) {
  std::string fault;
  EXPECT_EQ(from_windows_console("\r\n\r\nARQUIVO : X\r\nStop\r\n", fault), "\n\nARQUIVO : X\nStop\n");
  EXPECT_EQ(fault, "");
  EXPECT_EQ(from_windows_console("no line end", fault), "no line end");
  EXPECT_EQ(fault, "");
}

TEST(WindowsConsole, ABareLineEndIsAFault) {
  std::string fault;
  from_windows_console("a\r\nb\nc\r\n", fault);
  EXPECT_EQ(fault, "a bare LF at byte 4");
  from_windows_console("a\rb", fault);
  EXPECT_EQ(fault, "a bare CR at byte 1");
  from_windows_console("a\r\n\r", fault);  // a CR at the very end has no LF
  EXPECT_EQ(fault, "a bare CR at byte 3");
  from_windows_console("\r\r\n", fault);
  EXPECT_EQ(fault, "a bare CR at byte 0");
}

}  // namespace
}  // namespace toval::testing
