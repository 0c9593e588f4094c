#include "driver/dialogue.h"

#include "records/record_io.h"
#include "records/run_error.h"
#include "records/text.h"

namespace toval {

namespace {

constexpr std::string_view CONSOLE_NAME = "CONSOLE";
// A longer typed name cannot name a file on any system we run on.
constexpr std::size_t LONGEST_NAME = 4096;

constexpr Item NOT_FOUND[] = {SLASH, SLASH, Text(" *** ARQUIVO NAO ENCONTRADO *** "), SLASH, SLASH};

bool is_blank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string read_console_line(Console& console, std::size_t limit, std::string_view expected) {
  std::string line;
  if (!console.read_line(line, limit))
    throw read_error(ReadFault::end_of_file, CONSOLE_NAME,
                     "standard input ended while " + std::string(expected) + " was asked for");
  return line;
}

// A name for a blank answer: the next command-line argument, else asked for
// at the "UNIT n? " question until a line is not blank.
std::string fallback_name(Console& console, int unit_number, Arguments& args) {
  if (args.next < args.list.size()) return std::string(without_blanks(args.list[args.next++]));
  std::string question =
      "\nFile name missing or blank - please enter file name\nUNIT " + std::to_string(unit_number) + "? ";
  for (;;) {
    console.write_raw(question);
    std::string line =
        read_console_line(console, LONGEST_NAME + 1, "the file name of unit " + std::to_string(unit_number));
    if (is_blank(line)) continue;
    if (line.size() > LONGEST_NAME) return std::string(1, '\0');  // too long to name a file
    return std::string(without_blanks(line));
  }
}

}  // namespace

void ask_for_file(Console& console, int unit_number, std::string_view prompt, Name<20>& typed,
                  InputUnit& unit, Arguments& args) {
  const Item question[] = {SLASH, SLASH, Text(prompt), NO_END};
  for (;;) {
    write_record(console, question);
    std::string line = read_console_line(console, 20, "a file name");
    typed = Name<20>::of(line);
    std::string name = is_blank(typed.view()) ? fallback_name(console, unit_number, args)
                                              : std::string(without_blanks(typed.view()));
    if (is_blank(typed.view())) typed = Name<20>::blank();
    if (unit.open(name)) return;
    write_record(console, NOT_FOUND);
  }
}

}  // namespace toval
