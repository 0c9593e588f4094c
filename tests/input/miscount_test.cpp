// What a counted record of a case block holds when it cannot be read: only a
// heading, a title or a record of another layout points above it.
#include "input/miscount.h"

#include <gtest/gtest.h>

namespace toval {
namespace {

ErrorFields field_fault(ReadFault fault, std::size_t first_column, std::string found) {
  ErrorFields f = file_fault(fault, "A.ESF");
  f.shape = ErrorShape::field;
  f.line = 98;
  f.first_column = first_column;
  f.found = std::move(found);
  return f;
}

TEST(Miscount, HeadingsTitlesAndRuleLines) {
  using Holds = Miscount::Holds;
  const ErrorFields integer = field_fault(ReadFault::bad_integer, 1, "     RESU");
  EXPECT_EQ(holds_instead("     RESULTANTES NODAIS (SISTEMA GLOBAL)", integer), Holds::heading);
  EXPECT_EQ(holds_instead("     CARREGAMENTO: Q    - SOBRECARGA", integer), Holds::heading);
  EXPECT_EQ(holds_instead("    BARRA           NO            NORMAL", integer), Holds::title);
  EXPECT_EQ(holds_instead(" ---------------------------------------", integer), Holds::title);
  EXPECT_EQ(holds_instead(" =======================================", integer), Holds::title);
}

TEST(Miscount, ARecordOfAnotherLayoutAndMistypedNumbers) {
  using Holds = Miscount::Holds;
  // A displacement record read as an end force: a real in the node number.
  EXPECT_EQ(holds_instead("       2    -0.0007580       -0.0000644",
                          field_fault(ReadFault::bad_integer, 10, "    -0.000758")),
            Holds::other_record);
  // A number mistyped in a sound record is its own fault.
  EXPECT_EQ(holds_instead("        1            1            -19.2O",
                          field_fault(ReadFault::bad_real, 23, "           -19.2O")),
            Holds::nothing);
  EXPECT_EQ(holds_instead("      1.5", field_fault(ReadFault::bad_integer, 1, "      1.5")), Holds::nothing);
  // A fault that is not a field's (the file ended) says nothing of the count.
  ErrorFields eof = file_fault(ReadFault::end_of_file, "A.ESF");
  eof.shape = ErrorShape::end_of_file;
  EXPECT_EQ(holds_instead("     RESULTANTES NODAIS", eof), Holds::nothing);
}

}  // namespace
}  // namespace toval
