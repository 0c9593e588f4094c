// Building expected report text by column, and running the report writer
// over a store filled by hand.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/store.h"

namespace toval::testing {

// A value and the column (from 1) at which its last character stands.
struct Placed {
  int last_column;
  std::string_view text;
};

// One record's characters: each value right-justified to end in its column,
// blanks before it. Values must be given left to right without overlap.
std::string row(std::initializer_list<Placed> values);

// The records, each followed by CR LF.
std::string records(std::initializer_list<std::string> lines);

// Literals of the report, copied from the record descriptions.
inline const std::string EMPTY = " ";
inline const std::string LONG_EQUALS = " " + std::string(77, '=');
inline const std::string LONG_DASHES = " " + std::string(77, '-');

// A store with titles and case names set, no combinations, no bars.
std::unique_ptr<Store> plain_store();

// Runs IMPRESS over the store and returns the whole report.
std::string report_of(Store& s, Whole NBAR, Whole NCCAR, Whole NRES);

// The report cut at its page-break records (form feed alone, CR LF); the
// breaks themselves are not part of any page.
std::vector<std::string> pages_of(const std::string& report);

// Sets the normal force of bar K in combinations 1, 2, ... in turn.
void set_normals(Store& s, Whole NBAR, Whole K, std::initializer_list<Real> forces);
// Sets the envelope of bar K: largest force and its combination, smallest and its.
void set_envelope(Store& s, Whole K, Real largest, Whole at_largest, Real smallest, Whole at_smallest);

}  // namespace toval::testing
