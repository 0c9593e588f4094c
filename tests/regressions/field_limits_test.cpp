// Field reading and writing at widths and decimals far beyond the program's
// own layouts (the widest field it reads is 40 columns, the most decimals it
// writes 4): found by the field fuzz target over arbitrary layouts. Each test
// reads the record of its input through the record layer and writes the
// value back with the same item.
// The overrun of the many-decimals test shows only under the address
// sanitizer; elsewhere the wrong text would.
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string>

#include "records/input_unit.h"
#include "records/record_io.h"
#include "records/run_error.h"
#include "regressions/regression_inputs.h"

namespace toval::testing {
namespace {

struct Sink : RecordSink {
  std::string text;
  void put_record(std::string_view chars, bool ended) override {
    text.append(chars);
    if (ended) text.append("\r\n");
  }
};

// The value of the input's one field, read as a program's reader would.
template <class T>
T read_one(const FieldInput& in) {
  InputUnit unit;
  unit.open_memory("input", in.record);
  T value{};
  const std::array<Item, 1> layout{in.item};
  read_record(unit, layout, "record", value);
  return value;
}

template <class T>
std::string written(const FieldInput& in, T value) {
  Sink sink;
  const std::array<Item, 1> layout{in.item};
  write_record(sink, layout, value);
  return sink.text;
}

// format_real built the text of 1.0 with 255 decimals (257 characters) in a
// buffer of 256: a stack overrun before the overflow asterisks were chosen.
TEST(FieldRegressions, RealWithMoreDecimalsThanItsTextBufferHoldsGivesAsterisksWithoutOverrun) {
  const FieldInput in = field_input("fields/many_decimals");
  const Real value = read_one<Real>(in);
  EXPECT_EQ(value, 1.0f);
  EXPECT_EQ(written(in, value), "**\r\n");

  // The same value in a field wide enough for its text: "1." and 255 zeros.
  const std::array<Item, 1> wide{F(257, 255)};
  Sink sink;
  write_record(sink, wide, value);
  EXPECT_EQ(sink.text, "1." + std::string(255, '0') + "\r\n");
}

// A numeric field holding more than 128 characters other than blanks was
// taken for "not a number" although its leading zeros make a valid value.
TEST(FieldRegressions, IntegerFieldOfMoreThan128DigitsIsRead) {
  const FieldInput in = field_input("fields/wide_integer_field");
  Whole value = 0;
  EXPECT_NO_THROW(value = read_one<Whole>(in));
  EXPECT_EQ(value, 5);
  EXPECT_EQ(written(in, value), std::string(128, ' ') + "5\r\n");
}

TEST(FieldRegressions, RealFieldOfMoreThan128CharactersIsRead) {
  const FieldInput in = field_input("fields/wide_real_field");
  Real value = 0.0f;
  EXPECT_NO_THROW(value = read_one<Real>(in));
  EXPECT_EQ(value, 2.5f);
}

}  // namespace
}  // namespace toval::testing
