// A listener on what the readers read: every record read with a layout and
// every numeric field of it, as the field rules cut it. The check of inputs
// listens here for mistakes that the field rules pass silently.
#pragma once

#include <cstddef>

#include "records/input_unit.h"
#include "records/layout.h"
#include "records/record_name.h"

namespace toval {

class ReadWatch {
 public:
  // A record read with `layout`, after its fields were read without fault.
  virtual void record_read(const InputUnit& unit, const Record& record, Layout layout, const RecordName& what) {
    (void)unit, (void)record, (void)layout, (void)what;
  }
  // A numeric field of `item`: its text is columns [from, end) of the
  // record (0-based; `end` is short of the field's width when a comma or the
  // record's end cut it), and the next item starts at `next`.
  virtual void numeric_field(const InputUnit& unit, const Record& record, const Item& item, std::size_t from,
                             std::size_t end, std::size_t next) {
    (void)unit, (void)record, (void)item, (void)from, (void)end, (void)next;
  }

 protected:
  ~ReadWatch() = default;
};

}  // namespace toval
