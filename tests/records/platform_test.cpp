// The calls that differ between systems, on this system: the same-file test
// by file identity, the directory test and a seek beyond 4 GiB.
#include "records/platform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace toval {
namespace {

namespace fs = std::filesystem;

TEST(Platform, SameFileIsTheFileNotTheName) {
  testing::TempDir dir;
  dir.write("A.TOV", "a\n");
  dir.write("B.TOV", "a\n");  // equal bytes, another file
  fs::create_directory(dir.file("sub"));
  fs::create_hard_link(dir.file("A.TOV"), dir.file("sub/LINK.TOV"));

  EXPECT_TRUE(platform::same_file(dir.file("A.TOV"), dir.file("A.TOV")));
  EXPECT_TRUE(platform::same_file(dir.file("A.TOV"), dir.path() + "/sub/../A.TOV"));
  EXPECT_TRUE(platform::same_file(dir.file("A.TOV"), dir.file("sub/LINK.TOV")));
  EXPECT_FALSE(platform::same_file(dir.file("A.TOV"), dir.file("B.TOV")));
  // A file that does not exist yet is no other file.
  EXPECT_FALSE(platform::same_file(dir.file("NEW.TOV"), dir.file("A.TOV")));
  EXPECT_FALSE(platform::same_file(dir.file("NEW.TOV"), dir.file("NEW.TOV")));
}

TEST(Platform, DirectoriesAreToldFromFiles) {
  testing::TempDir dir;
  dir.write("F.DAT", "x\n");
  fs::create_directory(dir.file("sub"));
  EXPECT_TRUE(platform::is_directory(dir.file("sub")));
  EXPECT_TRUE(platform::is_directory(dir.path()));
  EXPECT_FALSE(platform::is_directory(dir.file("F.DAT")));
  EXPECT_FALSE(platform::is_directory(dir.file("MISSING")));
}

TEST(Platform, SeekReachesOffsetsBeyondFourGibibytes) {
  testing::TempDir dir;
  const std::uint64_t far = (std::uint64_t{1} << 32) + 7;
  std::FILE* f = std::fopen(dir.file("BIG").c_str(), "w+b");
  ASSERT_NE(f, nullptr);
  // A sparse file: one byte far out, nothing stored before it.
  if (!platform::seek(f, far) || std::fputc('Z', f) == EOF || std::fflush(f) != 0) {
    std::fclose(f);
    GTEST_SKIP() << "this file system takes no file of 4 GiB";
  }
  ASSERT_TRUE(platform::seek(f, 0));
  ASSERT_TRUE(platform::seek(f, far));
  EXPECT_EQ(std::fgetc(f), 'Z');
  EXPECT_EQ(std::fgetc(f), EOF);
  std::fclose(f);
}

}  // namespace
}  // namespace toval
