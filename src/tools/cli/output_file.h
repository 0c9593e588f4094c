// Where a subcommand's result goes: standard output, or a file that is
// replaced only once its new content is complete.
#pragma once

#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace toval::tools::cli {

// True for "" (no -o) and "-": the result goes to standard output.
bool is_stdout(std::string_view target);

// Refuses, with a RunError, a target that names one of the inputs (the same
// path, or the same file by another name).
void refuse_input_as_output(const std::string& target, std::span<const std::string> inputs);

// Writes the whole text to standard output or to the file `target`: into a
// temporary file in the target's directory, renamed over the target when
// complete. A failure leaves an existing target as it was and no temporary
// behind, and leaves as a RunError naming the file.
void write_output(const std::string& target, std::string_view text);

// The same for a text that `write` forms as it puts it into the stream, so
// that no more than a buffer of it is held. A failure to write shows in the
// stream, which `write` may go on writing to; it leaves as the same RunError.
void write_output(const std::string& target, const std::function<void(std::ostream&)>& write);

// The same for a file that a library writes by its name: `write` is given
// the name of the new temporary file (empty, to be written over) and
// throws a RunError when it cannot write it. Standard output is refused.
void write_output_file(const std::string& target, const std::function<void(const std::string&)>& write);

}  // namespace toval::tools::cli
