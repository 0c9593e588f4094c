#include "tools/check/section_numbering.h"

#include <string>
#include <vector>

namespace toval::tools::check {

namespace {

// The records before the end record (number 0), as the run counts them.
std::vector<SectionRecord> listed(const std::vector<SectionRecord>& records) {
  std::vector<SectionRecord> out;
  for (const SectionRecord& r : records) {
    if (r.number == 0) break;
    out.push_back(r);
  }
  return out;
}

enum class Slip { repeat, out_of_order, gap };

// What taking record `position` by its place does to the numbers.
std::string node_change(Slip slip, long position, long number) {
  if (slip == Slip::repeat)
    return "this record is node " + std::to_string(position) +
           " to the bars, the displacement table and the reactions (if it is a second record of node " +
           std::to_string(number) + ", every later node is one place off)";
  return "bars that name node " + std::to_string(position) + " get the coordinates written for node " +
         std::to_string(number) + ", and the displacement table and the reactions call it node " +
         std::to_string(position);
}

std::string bar_change(long position) {
  return "the report shows the bar of this record as bar " + std::to_string(position) +
         ", with the end forces of bar group " + std::to_string(position) + " of every case block";
}

void numbering(const std::vector<SectionRecord>& records, const std::string& item, bool nodes,
               HazardList& hazards) {
  const std::vector<SectionRecord> list = listed(records);
  for (std::size_t k = 0; k < list.size(); ++k) {
    const long position = static_cast<long>(k) + 1;
    const long number = list[k].number;
    if (number == position) continue;
    Slip slip = Slip::repeat;
    std::string why;
    // Every earlier record carries its own position, so a smaller number is
    // one given already.
    if (number >= 1 && number < position) {
      why = ", which " + item + " record " + std::to_string(number) + " (line " +
            std::to_string(list[static_cast<std::size_t>(number - 1)].line) + ") carries already";
    } else if (number < 1) {
      why = ", below 1";
    } else {
      long later = 0;
      for (std::size_t j = k + 1; j < list.size() && later == 0; ++j)
        if (list[j].number == position) later = list[j].line;
      slip = later != 0 ? Slip::out_of_order : Slip::gap;
      why = later != 0 ? ", and " + item + " number " + std::to_string(position) + " follows at line " +
                             std::to_string(later)
                       : ", and no record carries " + item + " number " + std::to_string(position);
    }
    const std::string change = nodes ? node_change(slip, position, number) : bar_change(position);
    hazards.warn(Source::forces_file, list[k].line, 1, Kind::section_numbering,
                 item + " record " + std::to_string(position) + " carries " + item + " number " +
                     std::to_string(number) + why + ": " + item + "s are taken by position, so " + change +
                     "; number the " + item + "s 1, 2, 3 ... in the order of their records");
    return;  // one slip renumbers everything after it
  }
}

}  // namespace

void find_section_numbering(const RunWatch& watch, const ShiftsTold& shifts, HazardList& hazards) {
  if (!shifts.nodes) numbering(watch.node_records(), "node", true, hazards);
  if (!shifts.bars) numbering(watch.bar_records(), "bar", false, hazards);
}

}  // namespace toval::tools::check
