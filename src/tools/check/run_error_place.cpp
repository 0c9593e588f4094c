#include "tools/check/run_error_place.h"

#include <cstdio>

namespace toval::tools::check {

ErrorPlace error_place(const RunError& error, const std::string& combination_file) {
  const ErrorFields& f = error.fields();
  char code[16];
  std::snprintf(code, sizeof code, "%c%04d", f.letter, f.code);
  ErrorPlace place;
  place.text = {{Text::run_error, {error.description(), code}}};
  place.source =
      !f.file.empty() && f.file == combination_file ? Source::combination_file : Source::forces_file;
  if (f.asker.kind != Asker::Kind::none && f.asker.line > 0) {
    place.source = Source::combination_file;
    place.line = f.asker.line;
  } else if (f.line > 0) {
    place.line = f.line;
    if (f.first_column > 0) place.column = static_cast<long>(f.first_column);
  }
  return place;
}

}  // namespace toval::tools::check
