// The forces file as the run reads it. This is the one place that knows the
// listing's dialect: its section headings, its record layouts, how many
// records stand between a case heading and each group, where a case name
// stands, and how blocks and their resultants are found. The steps ask it
// questions (the displacement records of case C, the end forces of bar K in
// case C, the resultant records of case C) and it answers as if it read the
// file from the top for each pass, record by record, with the same values
// and the same first error at the same question. What it has read it keeps:
// the file is scanned once for headings, and each record it is asked for is
// parsed at most once per layout.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "records/input_unit.h"
#include "records/layout.h"
#include "records/record_name.h"
#include "records/run_error.h"
#include "store/store.h"

namespace toval {

// A displacement record or a nodal resultant record.
struct NodeValuesRecord {
  Whole N = 0;                           // node number as written
  Real V1 = 0.0f, V2 = 0.0f, V3 = 0.0f;  // DX, DY, DZ; or resultants 1, 2, 3
  long line = 0;
};

// One end-force record of a bar group.
struct EndForceRecord {
  Whole B = 0, N = 0;  // bar and node numbers as written (not used by the run)
  Real ESFN = 0.0f, ESFV = 0.0f, ESFM = 0.0f;
  long line = 0;
};

// The two end-force records of one bar group (the third is never examined).
struct BarGroup {
  EndForceRecord end1, end2;
};

// A case heading as the scan saw it.
struct CaseHeading {
  Name<4> name;
  long line = 0;
};

class Listing {
 public:
  // Where a walk over the records of a block stands: the next record it
  // would read (numbered from 1 after its heading) and where it starts.
  struct Walk {
    InputUnit::Position start;  // record 1
    long next = 1;
    InputUnit::Position at;
  };

  // One case block, from its heading; what has been read of it so far is
  // the listing's own, and shown only as copies.
  class Block {
   public:
    Name<4> name;
    std::string label;  // the name as messages show it
    long heading_line = 0;

    // The node number of every displacement record read, in record order:
    // record k (from 1), the number and the line.
    struct NumberRead {
      Whole k = 0;
      Whole N = 0;
      long line = 0;
    };
    std::vector<NumberRead> displacement_numbers_read() const;
    // The bar groups read, from group 1 on.
    std::vector<BarGroup> bar_groups_read() const { return bar_groups; }
    // The resultant records read, with their record number, in record order.
    std::vector<std::pair<Whole, NodeValuesRecord>> resultants_read() const;

   private:
    friend class Listing;
    Walk from_heading;
    bool resultants_found = false;
    bool tracked = true;  // its resultants are noted by the scan for headings
    Walk from_resultants;
    struct NodeNumber {
      bool read = false;
      Whole N = 0;
      InputUnit::Position start;
    };
    std::vector<NodeNumber> displacement_nodes;                     // by record, as far as any was read
    std::vector<std::pair<Whole, NodeValuesRecord>> displacements;  // read in full, by record
    std::vector<std::uint32_t> displacement_at;  // record k at k - 1: its place in displacements + 1, or 0
    std::vector<BarGroup> bar_groups;            // groups 1.. read so far
    std::vector<std::pair<Whole, NodeValuesRecord>> resultants;  // by record
  };

  // What the unit may keep in memory of the blocks that passes come back to:
  // toval's largest frames need about 3 MB; larger ones read the rest again.
  static constexpr std::size_t KEEP_BUDGET = std::size_t{4} << 20;

  explicit Listing(InputUnit& unit, std::size_t keep_budget = KEEP_BUDGET) : unit_(unit) {
    unit_.set_keep_budget(keep_budget);
  }
  Listing(const Listing&) = delete;
  Listing& operator=(const Listing&) = delete;

  InputUnit& unit() { return unit_; }
  const InputUnit& unit() const { return unit_; }

  // The node section, then the bar section after it: the first half of
  // LTRCG. Sets NNOS and NBAR and the node and bar tables.
  void read_structure_sections(Store& s, Whole& NNOS, Whole& NBAR);

  // The blocks of these names will be asked for, again and again: the
  // records that walks read of them (from the heading, and from their
  // resultants heading) are kept as the file is first read, so that later
  // passes read them from memory. Changes no answer, only what is read.
  void keep_blocks(std::span<const Name<4>> names, Whole NNOS, Whole NBAR);

  // The first case block named `name`. When no block has it, the run ends
  // with the read error, whose description ends with `asker` (who asked).
  Block& block(const Name<4>& name, const Asker& asker);

  // The block of `name` for one pass of a step: as far as its displacement
  // records (the ten records after the heading passed), its bar groups (the
  // displacement records and the nine before the groups passed too), or its
  // nodal resultants (the resultants heading found after the block's
  // heading and the four records after it passed). A pass over a block
  // passes these records even when it then reads none.
  Block& displacements_of(const Name<4>& name, const Asker& asker, Whole NNOS);
  Block& bar_groups_of(const Name<4>& name, const Asker& asker, Whole NNOS);
  Block& resultants_of(const Name<4>& name, const Asker& asker);

  // Displacement record k (1..NNOS) of a block: its node number (I8), and
  // the whole record read again.
  Whole displacement_node(Block& b, Whole NNOS, Whole k);
  const NodeValuesRecord& displacement(Block& b, Whole NNOS, Whole k);

  // The end-force records of bar K's group (1..NBAR); groups are taken in
  // order, the bar numbers they carry are not compared with K.
  const BarGroup& bar_group(Block& b, Whole NNOS, Whole K) {
    // Every term after the first on a case finds its groups read.
    if (static_cast<std::size_t>(K) <= b.bar_groups.size())
      return b.bar_groups[static_cast<std::size_t>(K - 1)];
    return read_bar_groups(b, NNOS, K);
  }

  // Nodal resultant record J (1..NNOS), found after the block's resultants
  // heading: the line where it stands, the record, or passing over it.
  long resultant_line(Block& b, Whole J);
  const NodeValuesRecord& resultant(Block& b, Whole J);
  void pass_resultant(Block& b, Whole J);

  // The structure reader's way through the top of the file: a section scan
  // for a heading and the next record, each noting the case and resultants
  // headings it passes, so that the scan for headings need not pass that
  // part of the file again.
  void scan_for_heading(std::string_view heading);
  void next_record(Record& record, const RecordName& what);

  // A node or bar section that ended at a record holding more than its
  // number: said in the description of any fault of the forces file that
  // follows, since that fault is most likely its doing.
  void note_section_end(std::string note) { section_end_ = std::move(note); }
  const std::string& section_end() const { return section_end_; }

  // Every case heading in the file, in order, reading on to its end (the
  // check of inputs looks for names given twice); the file's own errors do
  // not arise here.
  std::vector<CaseHeading> all_case_headings();
  // The blocks asked for so far, in the order first asked.
  std::vector<const Block*> blocks_asked() const;

 private:
  using Key = std::uint32_t;
  static Key key_of(const Name<4>& name);

  bool scan_until(Key wanted, bool for_resultants);
  void note_record(const Record& record, const InputUnit::Position& at);
  template <class... T>
  void read_walked(const Block& b, const Walk& w, Layout layout, const RecordName& what, T&... targets);
  void note_heading(const Record& record, const InputUnit::Position& at, const InputUnit::Position& after);
  void note_resultants(const InputUnit::Position& after);
  Block& new_block(const Name<4>& name, long heading_line, const InputUnit::Position& after);
  Block& rescanned_block(const Name<4>& name, const Asker& asker);
  void find_resultants(Block& b);
  bool kept(const Block& b) const;
  void keep_from_heading(const Block& b);
  void keep_from_resultants(const Block& b);

  const BarGroup& read_bar_groups(Block& b, Whole NNOS, Whole K);
  void reach(Block& b, Walk& w, long r, Whole NNOS, bool heading_walk);
  void pass_before(Block& b, Walk& w, long r, Whole NNOS, bool heading_walk);
  RecordName heading_walk_label(const Block& b, long r, Whole NNOS) const;
  RecordName resultants_walk_label(const Block& b, long r) const;

  InputUnit& unit_;
  // What the scan for headings has seen, from the top of the file to the
  // frontier; blocks by name, the first of each name, up to a number of
  // names that no run can need.
  std::vector<std::unique_ptr<Block>> blocks_;
  std::unordered_map<Key, std::size_t> by_name_;
  std::vector<std::size_t> awaiting_resultants_;
  std::vector<std::size_t> asked_;
  InputUnit::Position frontier_;
  bool at_end_ = false;
  bool names_dropped_ = false;  // a name was seen after the table was full
  std::string section_end_;
  // The names whose blocks are kept, and the counts that size them.
  std::vector<Key> keep_names_;
  long keep_heading_records_ = 0, keep_resultants_records_ = 0;
};

}  // namespace toval
