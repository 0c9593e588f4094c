// What the check of inputs learns while the run reads: shifted values in any
// numeric field (as the field rules cut it), and where the records stand
// that other hazards point at (node and bar records, the records of the
// combination file and how its term records were cut). The readers say what
// each record is; nothing here looks at layouts to tell records apart.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "records/read_watch.h"
#include "tools/check/field_shift.h"
#include "tools/check/hazard_list.h"

namespace toval::tools::check {

// How a term record's fields were cut (columns from 0).
struct TermCut {
  std::size_t multiplier_from = 0, multiplier_end = 0;
  std::size_t name_from = 0;  // where the case name's columns begin: after a comma that ended the multiplier
  std::string text;           // the record, as far as it was captured
};

// A record of the node or bar section: its line and the number written in
// its first field (0 for the end record).
struct SectionRecord {
  long line = 0;
  long number = 0;
};

class RunWatch final : public ReadWatch {
 public:
  // Watches both input units until destroyed.
  RunWatch(InputUnit& combination_file, InputUnit& forces_file, HazardList& hazards);
  RunWatch(const RunWatch&) = delete;
  RunWatch& operator=(const RunWatch&) = delete;

  void numeric_field(const InputUnit& unit, const Record& record, const RecordName& what,
                     const FieldCut& cut) override;
  void record_read(const InputUnit& unit, const Record& record, const RecordName& what,
                   std::size_t columns_read) override;

  // Line of node record K and of bar record K (from 1) of the forces file;
  // 0 when the run did not read it.
  long node_line(long K) const;
  long bar_line(long K) const;
  // Every record of the node and of the bar section read, the end record
  // included, in file order.
  const std::vector<SectionRecord>& node_records() const { return node_records_; }
  const std::vector<SectionRecord>& bar_records() const { return bar_records_; }
  // Columns 1-4 of a line of the combination file read as a marker, a case
  // name or a passed-over record ("" when never read that way).
  std::string marker_columns(long line) const;
  // The cut of the term record at a line of the combination file, if read.
  const TermCut* term(long line) const;
  // Case entries whose name record the reader has read.
  long case_entries_begun() const { return case_entries_; }
  // The records the entry of each case passed over after its name record,
  // its "FIMC" included, in file order: line and case.
  struct EntryLine {
    long line = 0;
    long entry = 0;
  };
  const std::vector<EntryLine>& case_entry_lines() const { return entry_lines_; }
  // Tells what no later record can settle any more, once the run is over.
  void finish();

 private:
  InputUnit::Watching combination_, forces_;
  const InputUnit& combination_file_;
  HazardList& hazards_;
  // The numeric fields of the record being read, until its record_read.
  const InputUnit* cut_unit_ = nullptr;
  long cut_line_ = 0;
  std::vector<FieldCut> cuts_;
  std::vector<long> node_lines_, bar_lines_;
  std::vector<SectionRecord> node_records_, bar_records_;
  std::map<long, std::string> markers_;
  std::map<long, TermCut> terms_;
  long case_entries_ = 0;
  std::vector<EntryLine> entry_lines_;

  void beyond_last_field(const Record& record, std::size_t columns_read);
  void cut_short(const Record& record);
  void miscased_marker(const Record& record, const RecordTag& tag);
  // A marker in the wrong case met while passing records up to a marker:
  // harmless when the marker itself follows at once.
  struct Pending {
    long line = 0;
    std::string_view awaited;
    std::vector<Phrase> text;
  };
  Pending pending_;
};

}  // namespace toval::tools::check
