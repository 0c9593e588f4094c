// The one reader of a whole input file: its bytes, and a fault of its own
// for each way it can fail.
#include "tools/cli/file_text.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "records/run_error.h"
#include "support/test_support.h"

namespace toval::tools::cli {
namespace {

std::string fault_of(const std::string& path) {
  try {
    file_text(path, "the thing cannot be opened", "the thing cannot be read");
  } catch (const RunError& e) {
    return e.what();
  }
  return "(read)";
}

TEST(FileText, GivesEveryByteOfTheFile) {
  testing::TempDir dir;
  std::string bytes(200000, 'x');
  bytes[7] = '\0';
  bytes[150000] = '\x1a';
  bytes.back() = '\r';
  dir.write("a.bin", bytes);
  dir.write("empty", "");
  EXPECT_EQ(file_text(dir.file("a.bin"), "", ""), bytes);
  EXPECT_EQ(file_text(dir.file("empty"), "", ""), "");
}

TEST(FileText, AMissingFileOrADirectoryCannotBeOpened) {
  testing::TempDir dir;
  EXPECT_EQ(fault_of(dir.file("none")),
            "\nrun-time error F6520: OPEN(" + dir.file("none") + ")\n- the thing cannot be opened\n");
  EXPECT_EQ(fault_of(dir.path()),
            "\nrun-time error F6520: OPEN(" + dir.path() + ")\n- the thing cannot be opened\n");
}

// A file that opens but whose reading the system refuses: its fault is a
// failed read, not an end of file, and it says why.
TEST(FileText, AFailedReadIsAnInputOutputErrorNotAnEndOfFile) {
  const std::string path = "/proc/self/mem";  // reading at offset 0 fails on Linux
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no " << path << " on this system";
  try {
    file_text(path, "the thing cannot be opened", "the thing cannot be read");
    ADD_FAILURE() << "read";
  } catch (const RunError& e) {
    EXPECT_EQ(e.fields().code, static_cast<int>(ReadFault::input_output));
    EXPECT_EQ(e.fields().operation, "READ");
    const std::string head = "\nrun-time error F6507: READ(" + path + ")\n- the thing cannot be read (";
    EXPECT_EQ(std::string(e.what()).rfind(head, 0), 0u) << e.what();
  }
}

}  // namespace
}  // namespace toval::tools::cli
