// A whole input file of toval-tools' own (an export, a rules file) as text.
#pragma once

#include <string>
#include <string_view>

namespace toval::tools::cli {

// The file's bytes. A file that cannot be opened, or a directory, leaves as
// a RunError of OPEN with the description `cannot_open`; a failure of the
// system while reading leaves as one of its own (F6507 READ) with
// `cannot_read` and the system's reason: never as an end of file.
std::string file_text(const std::string& path, std::string_view cannot_open, std::string_view cannot_read);

}  // namespace toval::tools::cli
