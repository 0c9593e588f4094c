#include "e2e/e2e_support.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "support/test_support.h"

namespace toval::e2e {

namespace fs = std::filesystem;
using toval::testing::read_file;

namespace {

std::string visible(const std::string& text) {
  std::string v;
  for (unsigned char c : text) {
    switch (c) {
      case '\r':
        v += "\\r";
        break;
      case '\n':
        v += "\\n";
        break;
      case '\f':
        v += "\\f";
        break;
      case '\t':
        v += "\\t";
        break;
      default:
        if (c < 0x20 || c >= 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", c);
          v += buf;
        } else {
          v += static_cast<char>(c);
        }
    }
  }
  return v;
}

std::vector<std::string> records(const std::string& text) {
  std::vector<std::string> list;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t lf = text.find('\n', start);
    if (lf == std::string::npos) {
      list.push_back(text.substr(start));  // a last record without LF
      break;
    }
    list.push_back(text.substr(start, lf + 1 - start));
    start = lf + 1;
  }
  return list;
}

// The regular files of a directory, by name, with their bytes.
std::map<std::string, std::string> files_in(const fs::path& dir) {
  std::map<std::string, std::string> files;
  if (!fs::exists(dir)) return files;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.is_regular_file()) files[entry.path().filename().string()] = read_file(entry.path().string());
  return files;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Compares one text; appends a description of the difference to `report`.
void compare(const std::string& what, const std::string& expected, const std::string& actual,
             std::string& report) {
  std::string d = first_difference(expected, actual);
  if (!d.empty()) report += what + ": " + d + "\n";
}

void compare_files(const fs::path& case_dir, const std::string& run_dir, std::string& report) {
  auto before = files_in(case_dir / "in");
  auto changed = files_in(case_dir / "expected");
  auto after = files_in(run_dir);
  auto wanted = before;
  for (const auto& [name, bytes] : changed) wanted[name] = bytes;
  for (const auto& [name, bytes] : wanted) {
    auto found = after.find(name);
    if (found == after.end())
      report += "file " + name + " is missing after the run\n";
    else
      compare("file " + name, bytes, found->second, report);
  }
  for (const auto& [name, bytes] : after)
    if (!wanted.count(name))
      report += "file " + name + " appeared (" + std::to_string(bytes.size()) + " bytes)\n";
}

}  // namespace

std::string first_difference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return {};
  auto e = records(expected);
  auto a = records(actual);
  std::size_t k = 0;
  while (k < e.size() && k < a.size() && e[k] == a[k]) ++k;
  std::ostringstream d;
  d << "first difference at record " << k + 1 << " (expected " << e.size() << " records, " << expected.size()
    << " bytes; got " << a.size() << " records, " << actual.size() << " bytes)";
  d << "\n  expected: " << (k < e.size() ? "\"" + visible(e[k]) + "\"" : "(none)");
  d << "\n  actual:   " << (k < a.size() ? "\"" + visible(a[k]) + "\"" : "(none)");
  return d.str();
}

::testing::AssertionResult runs_as_expected(const std::string& case_name) {
  const fs::path case_dir = fs::path(TOVAL_TEST_DATA) / "e2e" / "data" / case_name;
  if (!fs::is_directory(case_dir / "in"))
    return ::testing::AssertionFailure() << "no case directory " << case_dir.string();

  toval::testing::TempDir run_dir;
  for (const auto& [name, bytes] : files_in(case_dir / "in")) run_dir.write(name, bytes);
  std::vector<std::string> arguments;
  if (fs::exists(case_dir / "args")) arguments = lines_of(read_file((case_dir / "args").string()));

  auto result =
      toval::testing::run_program(run_dir.path(), read_file((case_dir / "stdin").string()), arguments);

  std::string report;
  compare_files(case_dir, run_dir.path(), report);
  compare("stdout", read_file((case_dir / "stdout").string()), result.out, report);
  compare("stderr", read_file((case_dir / "stderr").string()), result.err, report);
  int status = std::stoi(read_file((case_dir / "status").string()));
  if (result.status != status)
    report += "exit status " + std::to_string(result.status) + ", expected " + std::to_string(status) + "\n";

  if (report.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "case " << case_name << ":\n" << report;
}

}  // namespace toval::e2e
