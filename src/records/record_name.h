// Names a record for read-error messages ("displacement record of node 7 in
// case G1"). Readers name every record they pass, but a name is needed only
// when a read fails, so its parts are kept as they are and put together then.
#pragma once

#include <array>
#include <concepts>
#include <string>
#include <string_view>

namespace toval {

class RecordName {
 public:
  // A plain text (a literal, or a string that outlives the read).
  RecordName(std::string_view text) { add(text); }  // NOLINT: implicit by design
  RecordName(const char* text) { add(std::string_view(text)); }
  RecordName(const std::string& text) { add(std::string_view(text)); }
  // Texts and whole numbers, in order; texts must outlive the read.
  template <class... Part>
    requires(sizeof...(Part) > 1)
  explicit RecordName(const Part&... parts) {
    (add(parts), ...);
  }

  std::string text() const;

 private:
  // Left uninitialised beyond count_: names are made for every record
  // passed, and only the pieces added are ever looked at.
  struct Piece {
    std::string_view text;
    long long number;
    bool is_number;
  };
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
};

}  // namespace toval
