// The case name of a term, as written after its multiplier.
#pragma once

#include <string>

#include "store/types.h"

namespace toval {

// A leading comma is dropped (the rest moves one column left), then the name
// is cut before its first comma: ",G1 " gives "G1  ", "G1,x" gives "G1  ",
// ",,G1" gives four blanks. A name without a comma is unchanged.
void comma_treatment(Name<4>& CASO);

// A case name as messages show it: without its trailing blanks, or quoted
// when that would leave it empty or unreadable.
std::string case_label(const Name<4>& name);

// A name as the user wrote it, without its trailing blanks, quoted: "Q1".
std::string quoted_name(const Name<4>& name);

}  // namespace toval
