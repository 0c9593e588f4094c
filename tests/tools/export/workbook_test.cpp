// The workbook's file: written by the library under a temporary name and
// put in place only when complete, by the program as a user runs it (under
// wine too); and the texts that XML cannot carry as they are. Its cells are
// compared with the CSV tables by check_workbook.py.
#include "tools/export/workbook.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/posix_process.h"
#include "tools/cli/output_file.h"
#include "tools/export/csv_tables.h"
#include "tools/tools_process.h"

namespace toval::tools::export_ {
namespace {

using testing::TempDir;

TEST(WorkbookOutput, AFileWrittenByNameReplacesTheTargetOnlyWhenComplete) {
  TempDir dir;
  dir.write("book.xlsx", "old\n");
  const std::string target = dir.file("book.xlsx");
  std::string given;
  const auto fails = [&](const std::string& file) {
    given = file;
    std::ofstream(file, std::ios::binary) << "half a workbook";
    throw std::runtime_error("fault while writing");
  };
  EXPECT_THROW(cli::write_output_file(target, fails), std::runtime_error);
  EXPECT_EQ(dir.read("book.xlsx"), "old\n");
  EXPECT_EQ(testing::directory_names(dir.path()), std::vector<std::string>{"book.xlsx"});
  EXPECT_NE(given, target);

  cli::write_output_file(target, [&](const std::string& file) {
    EXPECT_EQ(testing::read_file(file), "");  // made new, beside the target
    EXPECT_EQ(std::filesystem::path(file).parent_path(), std::filesystem::path(target).parent_path());
    std::ofstream(file, std::ios::binary) << "whole";
  });
  EXPECT_EQ(dir.read("book.xlsx"), "whole");
  EXPECT_EQ(testing::directory_names(dir.path()), std::vector<std::string>{"book.xlsx"});
}

// With SOURCE_DATE_EPOCH a workbook is the same bytes at every run and on
// every system: the program under test (the Windows build, under wine) and
// the native build write the same file.
TEST(WorkbookOutput, TheProgramWritesTheSameZipAsTheNativeBuildOverAnOlderFile) {
  TempDir dir;
  testing::copy_example(dir);
  dir.write("book.xlsx", "old\n");
  ::setenv("SOURCE_DATE_EPOCH", "1765000000", 1);
  const std::vector<std::string> args{"export",    "--format",   "xlsx",      "-o",
                                      "book.xlsx", "GALPAO.CMB", "GALPAO.ESF"};
  testing::RunResult r = testing::run_tools(dir.path(), args);
  std::vector<std::string> native{TOVAL_TOOLS_BINARY};
  native.insert(native.end(), args.begin(), args.end() - 3);
  native.insert(native.end(), {"native.xlsx", "GALPAO.CMB", "GALPAO.ESF"});
  TempDir io;
  io.write("in", "");
  const int native_status =
      testing::posix::run_process(dir.path(), native, io.file("in"), io.file("out"), io.file("err"));
  ::unsetenv("SOURCE_DATE_EPOCH");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(native_status, 0) << io.read("err");
  const std::string book = dir.read("book.xlsx");
  EXPECT_EQ(book.substr(0, 4), "PK\x03\x04");
  // The zip's names stand uncompressed: one sheet per table, the four
  // of every node's displacements, the per-set node envelopes and each
  // case's bar forces included.
  EXPECT_NE(book.find("xl/worksheets/sheet18.xml"), std::string::npos);
  EXPECT_EQ(book.find("xl/worksheets/sheet19.xml"), std::string::npos);
  EXPECT_TRUE(book == dir.read("native.xlsx"));
  EXPECT_EQ(testing::directory_names(dir.path()),
            (std::vector<std::string>{"GALPAO.CMB", "GALPAO.ESF", "book.xlsx", "native.xlsx"}));
}

// A sheet's name holds at most 31 characters; a table longer than a sheet
// continues in "NAME (2)" and on, its name cut where the number needs room.
TEST(WorkbookOutput, EveryTablesSheetNamesFitASpreadsheetsLimit) {
  for (std::string_view name : csv_table_names()) {
    EXPECT_EQ(sheet_name(name, 1), name);
    EXPECT_EQ(sheet_name(name, 2).rfind(name.substr(0, 4), 0), 0u) << name;
    for (int part : {2, 9, 10, 999}) EXPECT_LE(sheet_name(name, part).size(), 31u) << name << " " << part;
  }
  EXPECT_EQ(sheet_name("combined_node_displacements", 20), "combined_node_displacement (20)");
  EXPECT_EQ(sheet_name("nodes", 2), "nodes (2)");
}

TEST(WorkbookCells, TextsThatXmlCannotCarryAreEscapedAsSpreadsheetsReadThem) {
  EXPECT_EQ(cell_text("G1"), "G1");
  EXPECT_EQ(cell_text("tab\tand\nline"), "tab\tand\nline");
  EXPECT_EQ(cell_text(std::string("X\x01", 2)), "X_x0001_");
  EXPECT_EQ(cell_text(std::string("a\0b\r", 4)), "a_x0000_b_x000D_");
  // A text that reads as an escape keeps its underscore; others are plain.
  EXPECT_EQ(cell_text("_x0041_"), "_x005F_x0041_");
  EXPECT_EQ(cell_text("a_xBEEF_b"), "a_x005F_xBEEF_b");
  EXPECT_EQ(cell_text("_x41_ _x004G_ _x0041"), "_x41_ _x004G_ _x0041");
}

}  // namespace
}  // namespace toval::tools::export_
