// A listener on what the readers read: every record read with a layout,
// with what the reader knows it to be, and every numeric field of it as the
// field rules cut it. The check of inputs listens here for mistakes that the
// field rules pass silently.
#pragma once

#include <cstddef>

#include "records/input_unit.h"
#include "records/layout.h"
#include "records/record_name.h"

namespace toval {

// A numeric field as the reader cut it: its text is columns [from, end) of
// the record (from 0; `end` is short of the field's width when a comma or
// the record's end cut it), and the next item starts at `next`.
struct FieldCut {
  std::size_t value = 0;  // which value of the read (from 0)
  std::size_t from = 0, end = 0, next = 0;
  Item item{Item::Kind::skip};
  bool next_is_numeric = false;  // the layout's next item is a numeric field, right after this one
};

class ReadWatch {
 public:
  // A numeric field of the record being read, before record_read.
  virtual void numeric_field(const InputUnit& unit, const Record& record, const RecordName& what,
                             const FieldCut& cut) {
    (void)unit, (void)record, (void)what, (void)cut;
  }
  // A record whose fields were all read without fault; `what.tag()` tells
  // what it is, `columns_read` how far the layout reached (from 0, past its
  // last field).
  virtual void record_read(const InputUnit& unit, const Record& record, const RecordName& what,
                           std::size_t columns_read) {
    (void)unit, (void)record, (void)what, (void)columns_read;
  }

 protected:
  ~ReadWatch() = default;
};

}  // namespace toval
