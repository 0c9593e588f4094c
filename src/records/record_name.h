// Names a record for read-error messages ("displacement record of node 7 in
// case G1") and tells a watch what the record is. Readers name every record
// they pass, but a name's text is needed only when a read fails, so its
// parts are kept as they are and put together then.
#pragma once

#include <array>
#include <concepts>
#include <string>
#include <string_view>

namespace toval {

// What a reader reads, as the reader knows it: a watch learns it from here
// and never from the record's layout.
enum class RecordKind : unsigned char {
  other,
  // The forces file.
  node,                 // a node record of the node section, or its end record
  bar,                  // a bar record of the bar section, or its end record
  displacement_number,  // the node number of displacement record `number`
  displacement,         // displacement record `number` read in full
  end_force,            // end `end` of the group of bar `number`
  resultant,            // nodal resultant record `number`
  // The combination file.
  title,
  head,               // a record before "FIMG", read for its columns 1-4
  case_name,          // the name record of case `number`
  case_entry,         // a record of case `number`'s entry after its name, up to its "FIMC"
  after_entry,        // the record after the "FIMC" of case `number`
  after_case_list,    // the record after the "FIME" that ends the case list
  term,               // a term record, or the closing "FIMC", of combination `number`
  after_combination,  // the record after the closing "FIMC" of combination `number`
};

struct RecordTag {
  RecordKind kind = RecordKind::other;
  long number = 0;           // node, bar, case or combination, from 1
  int end = 0;               // 1 or 2 for an end-force record
  std::string_view block{};  // the case block's name as messages show it
};

class RecordName {
 public:
  // A plain text (a literal, or a string that outlives the read).
  RecordName(std::string_view text) { add(text); }  // NOLINT: implicit by design
  RecordName(const char* text) { add(std::string_view(text)); }
  RecordName(const std::string& text) { add(std::string_view(text)); }
  // Texts and whole numbers, in order; texts must outlive the read.
  template <class... Part>
  requires(sizeof...(Part) > 1) explicit RecordName(const Part&... parts) { (add(parts), ...); }

  std::string text() const;
  const RecordTag& tag() const { return tag_; }

 private:
  // Left uninitialised beyond count_: names are made for every record
  // passed, and only the pieces added are ever looked at.
  struct Piece {
    std::string_view text;
    long long number;
    bool is_number;
  };
  void add(const RecordTag& tag) { tag_ = tag; }
  void add(std::string_view text) { push({text, 0, false}); }
  void add(const char* text) { add(std::string_view(text)); }
  void add(const std::string& text) { add(std::string_view(text)); }
  template <std::integral T>
  void add(T number) {
    push({{}, static_cast<long long>(number), true});
  }
  void push(const Piece& piece) {
    if (count_ < pieces_.size()) pieces_[count_++] = piece;
  }

  std::array<Piece, 8> pieces_;
  std::size_t count_ = 0;
  RecordTag tag_;
};

}  // namespace toval
