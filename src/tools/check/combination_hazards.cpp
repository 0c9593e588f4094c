#include "tools/check/combination_hazards.h"

#include <algorithm>
#include <string>

#include "input/combination_dialect.h"
#include "records/run_error.h"
#include "tools/cli/combined_results.h"

namespace toval::tools::check {

namespace {

bool is_blank(const Name<4>& name) {
  return name == Name<4>::blank();
}

// Column (from 1) where a term's case name begins.
long name_column(const RunWatch& watch, long line) {
  const TermCut* cut = watch.term(line);
  return static_cast<long>((cut != nullptr ? cut->name_from : combination_dialect::TERM_NAME_FROM) + 1);
}

void case_list_hazards(const Store& s, Whole entries, HazardList& out) {
  for (Whole K = 1; K <= entries; ++K) {
    const Name<4>& name = s.BL4.CCAR(K);
    const long line = s.lines.case_line(K);
    if (is_blank(name)) {
      out.warn(Source::combination_file, line, 1, Kind::case_name,
               "case " + std::to_string(K) +
                   " has a blank name (columns 1-4): the run looks for a case block headed with four blanks "
                   "for its displacements and reactions; write the case name in columns 1-4");
      continue;
    }
    if (const Whole E = cli::case_position(s, static_cast<Whole>(K - 1), name); E != 0) {
      out.warn(Source::combination_file, line, 1, Kind::case_name,
               "case " + std::to_string(K) + " repeats the name " + quoted_name(name) + " of case " +
                   std::to_string(E) + " (line " + std::to_string(s.lines.case_line(E)) +
                   "): both read the first case block of that name, so its displacements and reactions are "
                   "reported twice; give each case its own name");
    }
  }
}

void decimal_comma(const Store& s, const RunWatch& watch, Whole I, Whole J, HazardList& out) {
  const long line = s.lines.term_line(I, J);
  const TermCut* cut = watch.term(line);
  if (cut == nullptr || cut->multiplier_end >= cut->text.size()) return;
  std::string_view text = cut->text;
  std::string_view before = text.substr(cut->multiplier_from, cut->multiplier_end - cut->multiplier_from);
  before.remove_prefix(std::min(before.find_first_not_of(" \t"), before.size()));
  std::size_t after = cut->multiplier_end + 1;
  while (after < text.size() && text[after] >= '0' && text[after] <= '9') ++after;
  const std::string written =
      std::string(before) + std::string(text.substr(cut->multiplier_end, after - cut->multiplier_end));
  char value[32];
  std::snprintf(value, sizeof value, "%g", static_cast<double>(s.BL5.MULT(I, J)));
  out.warn(Source::combination_file, line, static_cast<long>(cut->multiplier_end + 1), Kind::decimal_comma,
           "a comma ends the multiplier of term " + std::to_string(J) + " of combination " +
               std::to_string(I) + ": " + quoted(written) + " reads as multiplier " + value + " and case " +
               quoted_name(s.BL5.CASO(I, J)) + "; write the multiplier with a decimal point");
}

void term_hazards(const Store& s, Whole NCCAR, const RunWatch& watch, HazardList& out) {
  for (Whole I = 1; I <= s.BL5.NCOB; ++I) {
    for (Whole J = 1; J <= s.BL5.NCASO(I); ++J) {
      const long line = s.lines.term_line(I, J);
      const Name<4>& name = s.BL5.CASO(I, J);
      const std::string term = "term " + std::to_string(J) + " of combination " + std::to_string(I);
      if (s.lines.decimal_comma(I, J)) {
        decimal_comma(s, watch, I, J, out);
      } else if (is_blank(name)) {
        out.warn(Source::combination_file, line, name_column(watch, line), Kind::term_case,
                 term +
                     " has no case name (a blank line in the term list?): the run looks for a case block "
                     "with a blank name and adds it into the combination; remove the line or write the "
                     "case name");
      } else if (cli::case_position(s, NCCAR, name) == 0) {
        out.warn(Source::combination_file, line, name_column(watch, line), Kind::term_case,
                 term + " names case " + quoted_name(name) +
                     ", which is not in the case list: it is combined, but its displacements and reactions "
                     "are not reported; add the case to the list, or correct the name");
      }
    }
  }
}

void unused_cases(const Store& s, Whole NCCAR, HazardList& out) {
  for (Whole K = 1; K <= NCCAR; ++K) {
    const Name<4>& name = s.BL4.CCAR(K);
    if (is_blank(name)) continue;
    bool used = false;
    for (Whole I = 1; I <= s.BL5.NCOB && !used; ++I)
      for (Whole J = 1; J <= s.BL5.NCASO(I) && !used; ++J) used = s.BL5.CASO(I, J) == name;
    if (used) continue;
    out.warn(Source::combination_file, s.lines.case_line(K), 1, Kind::unused_case,
             "case " + quoted_name(name) +
                 " is in no combination: its displacements and reactions are reported, but no combined force "
                 "includes it; add it to the combinations that need it, or remove it from the list");
  }
}

}  // namespace

Whole case_entries_read(const Store& s, const RunWatch& watch) {
  // An entry beyond the capacity ended the run before the store held it.
  return static_cast<Whole>(std::min<long>(watch.case_entries_begun(), s.capacities.cases));
}

void find_combination_hazards(const Store& s, const RunWatch& watch, HazardList& hazards) {
  const Whole entries = case_entries_read(s, watch);
  case_list_hazards(s, entries, hazards);
  if (s.BL5.NCOB == 0) return;  // the file was not read to its end
  term_hazards(s, entries, watch, hazards);
  // Without combinations of its own every case is one.
  if (s.lines.header_line(1) != 0) unused_cases(s, entries, hazards);
}

}  // namespace toval::tools::check
