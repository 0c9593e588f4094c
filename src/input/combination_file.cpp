#include "input/combination_file.h"

#include <string>

#include "input/case_name.h"
#include "input/combination_dialect.h"
#include "records/record_io.h"
#include "records/run_error.h"
#include "store/capacity.h"

namespace toval {

namespace {

using namespace combination_dialect;

std::string numbered(std::string_view word, long k) {
  return std::string(word) + " " + std::to_string(k);
}

// "case 2 \"Q1\"": the case as a user finds it in the file.
std::string case_entry_label(long k, const Name<4>& name) {
  return numbered("case", k) + " " + quoted_name(name);
}

// The first record where a marker was expected whose columns 1-4 hold one
// in the wrong letter case: a fault met later is most likely its doing.
struct MiscasedMarker {
  long line = 0;
  std::string found;
  std::string_view marker;

  void note(const Name<4>& ROT, long at) {
    if (line != 0) return;
    for (std::string_view m : MARKERS) {
      if (ROT == m || !same_letters(ROT.view(), m)) continue;
      line = at;
      found = ROT.view();
      marker = m;
      return;
    }
  }
};

std::string marker_record(std::string_view marker, std::string_view ending) {
  return "record with the marker " + quoted(marker) + " in columns 1-4 (ending " + std::string(ending) + ")";
}

// Passes over records up to and including the first whose columns 1-4 hold
// the marker; the end of the file on the way ends the run naming the marker.
void pass_to_marker(InputUnit& unit, std::string_view marker, std::string_view ending, RecordTag tag,
                    MiscasedMarker& miscased) {
  const std::string what = marker_record(marker, ending);
  Name<4> ROT;
  do {
    read_record(unit, MARKER_RECORD, RecordName(tag, std::string_view(what)), ROT);
    miscased.note(ROT, unit.next_line() - 1);
  } while (!(ROT == marker));
}

void read_head(Store& s, InputUnit& unit, MiscasedMarker& miscased) {
  skip_record(unit, "first record of the combination file (passed over)");
  const RecordTag title{RecordKind::title};
  read_record(unit, TITLE_RECORD, RecordName(title, "project title record (line 2, columns 1-40)"),
              s.BL1.PRJT);
  read_record(unit, TITLE_RECORD, RecordName(title, "client title record (line 3, columns 1-40)"),
              s.BL1.CLIT);
  read_record(unit, TITLE_RECORD, RecordName(title, "frame title record (line 4, columns 1-40)"), s.BL1.PORT);
  pass_to_marker(unit, FIMG, "the head of the file", {RecordKind::head}, miscased);
}

// Case entries after "FIMG": a name record, then records up to "FIMC"; the
// list ends at a "FIME" where the next name record would stand.
Whole read_case_list(Store& s, InputUnit& unit, MiscasedMarker& miscased) {
  skip_record(unit, "name record of case 1 (columns 1-4), after the \"FIMG\" record");
  long I = 0;  // wide: the entry past a capacity of 32767 is counted
  Name<4> ROT;
  do {
    unit.backspace();  // the record just read is the next case's name record
    ++I;
    Name<4> name;
    const std::string name_what = "name record of " + numbered("case", I) + " (columns 1-4)";
    read_record(unit, MARKER_RECORD,
                RecordName(RecordTag{RecordKind::case_name, I}, std::string_view(name_what)), name);
    check_capacity(unit, I, s.capacities.cases, "load cases in the case list");
    s.BL4.CCAR(I) = name;
    s.lines.case_line(I) = unit.next_line() - 1;
    pass_to_marker(unit, FIMC, case_entry_label(I, name), {RecordKind::case_entry, I}, miscased);
    s.lines.case_end_line(I) = unit.next_line() - 1;
    const std::string after_what =
        "record after the \"FIMC\" of " + case_entry_label(I, name) +
        " (the name record of the next case, or the marker \"FIME\" ending the case list)";
    read_record(unit, MARKER_RECORD,
                RecordName(RecordTag{RecordKind::after_entry, I}, std::string_view(after_what)), ROT);
    miscased.note(ROT, unit.next_line() - 1);
  } while (!(ROT == FIME));
  return static_cast<Whole>(I);
}

// The multiplier field (columns 5-14) ended by a comma right before a digit.
bool ends_in_decimal_comma(std::string_view record) {
  for (std::size_t k = MULTIPLIER_FROM; k < record.size() && k < MULTIPLIER_END; ++k) {
    if (record[k] != ',') continue;
    return k + 1 < record.size() && record[k + 1] >= '0' && record[k + 1] <= '9';
  }
  return false;
}

// Term records of combination I up to its closing "FIMC" record, which is
// read with the term layout too but is not a term. Returns the term count.
Whole read_terms(Store& s, InputUnit& unit, long I, MiscasedMarker& miscased) {
  const std::string combination = numbered("combination", I);
  const std::string term_what = "term record of " + combination +
                                " (columns 1-4 not \"FIMC\", multiplier in columns 5-14, case name in 15-18)";
  const std::string closing_what =
      "closing \"FIMC\" record of " + combination +
      ", whose columns 5-14 are read as a multiplier and must be blank or a number";
  long J = 0;
  for (;;) {
    ++J;
    Record record;
    if (!unit.next(record))
      end_of_file(unit,
                  "a term record of " + combination +
                      ", or the record with the marker \"FIMC\" in columns 1-4 closing it, was expected");
    Name<4> ROT, CASO;
    Real MULT = 0.0f;
    const Target marker[] = {into(ROT)};
    const RecordTag tag{RecordKind::term, I};
    read_fields(unit, record, MARKER_RECORD, marker, RecordName(tag, std::string_view(term_what)));
    miscased.note(ROT, record.line);
    const bool closing = ROT == FIMC;
    const Target term[] = {into(ROT), into(MULT), into(CASO)};
    read_fields(unit, record, TERM_RECORD, term,
                RecordName(tag, std::string_view(closing ? closing_what : term_what)));
    if (closing) return static_cast<Whole>(J - 1);  // its values are not kept
    check_capacity(unit, J, s.capacities.terms, "terms in " + combination);
    comma_treatment(CASO);
    s.lines.term_line(I, J) = record.line;
    s.lines.decimal_comma(I, J) = ends_in_decimal_comma(record.text());
    s.BL5.MULT(I, J) = MULT;
    s.BL5.CASO(I, J) = CASO;
  }
}

// Combination blocks: a header record (not "FIME"), terms, "FIMC"; the
// first header has already been read. Ends at "FIME" after a block.
void read_combinations(Store& s, InputUnit& unit, MiscasedMarker& miscased) {
  long I = 0;
  Name<4> ROT;
  do {
    ++I;
    check_capacity(unit, I, s.capacities.combinations, "combinations");
    s.lines.header_line(I) = unit.next_line() - 1;
    s.BL5.NCASO(I) = read_terms(s, unit, I, miscased);
    const std::string after_what =
        "record after the closing \"FIMC\" of " + numbered("combination", I) +
        " (the header of the next combination, or the marker \"FIME\" ending the combinations)";
    read_record(unit, MARKER_RECORD,
                RecordName(RecordTag{RecordKind::after_combination, I}, std::string_view(after_what)), ROT);
    miscased.note(ROT, unit.next_line() - 1);
  } while (!(ROT == FIME));
  s.BL5.NCOB = static_cast<Whole>(I);
}

// Every case a combination of its own, in case order, multiplier 1.0.
void default_combinations(Store& s, Whole NCCAR) {
  for (Whole K = 1; K <= NCCAR; ++K) {
    s.BL5.NCASO(K) = 1;
    s.BL5.MULT(K, 1) = 1.0f;
    s.BL5.CASO(K, 1) = s.BL4.CCAR(K);
  }
  s.BL5.NCOB = NCCAR;
}

}  // namespace

void read_combination_file(Store& s, InputUnit& unit, Whole& NCCAR) {
  MiscasedMarker miscased;
  s.lines.file = unit.name();
  try {
    unit.rewind();
    read_head(s, unit, miscased);
    NCCAR = read_case_list(s, unit, miscased);
    Name<4> ROT;
    read_record(
        unit, MARKER_RECORD,
        RecordName(RecordTag{RecordKind::after_case_list},
                   "record after the \"FIME\" ending the case list (the marker \"FIME\" when the file "
                   "gives no combinations, else the header of combination 1)"),
        ROT);
    miscased.note(ROT, unit.next_line() - 1);
    if (ROT == FIME)
      default_combinations(s, NCCAR);
    else
      read_combinations(s, unit, miscased);
  } catch (const RunError& e) {
    if (miscased.line == 0 || e.fields().file != unit.name()) throw;
    throw e.with_hint("line " + std::to_string(miscased.line) + " holds " + quoted(miscased.found) +
                      " in columns 1-4, which is not the marker " + quoted(miscased.marker) +
                      ": markers are written in capitals");
  }
}

namespace {

bool is_blank(const Name<4>& name) {
  return name == Name<4>::blank();
}

Asker asker_at(const Store& s, Asker::Kind kind, long entry, long term, long line) {
  Asker a;
  a.kind = kind;
  a.entry = entry;
  a.term = term;
  a.line = line;
  a.file = s.lines.file;
  return a;
}

}  // namespace

Asker case_list_asker(const Store& s, Whole I) {
  Asker a = asker_at(s, Asker::Kind::case_entry, I, 0, s.lines.case_line(I));
  if (is_blank(s.BL4.CCAR(I)))
    a.note = "that case entry has no case name (columns 1-4 of its name record are blank)";
  return a;
}

Asker term_asker(const Store& s, Whole I, Whole J) {
  Asker a = asker_at(s, Asker::Kind::term, I, J, s.lines.term_line(I, J));
  if (s.lines.decimal_comma(I, J))
    a.note =
        "a decimal comma ended that term's multiplier, so the digits after the comma were read as the "
        "case name (write the multiplier with a point, as 1.4)";
  else if (is_blank(s.BL5.CASO(I, J)))
    a.note = "that term has no case name (is there a blank line in the term list of combination " +
             std::to_string(I) + "?)";
  return a;
}

}  // namespace toval
