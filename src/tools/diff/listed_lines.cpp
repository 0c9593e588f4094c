#include "tools/diff/listed_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace toval::tools::diff {

namespace {

// Two bars' changes told alike: the same quantity and bound, the same
// values and the same governing combinations.
bool alike(const ResultChange& a, const ResultChange& b) {
  return a.quantity == b.quantity && a.bound == b.bound && a.old_value == b.old_value &&
         a.new_value == b.new_value && a.old_combination == b.old_combination &&
         a.new_combination == b.new_combination && a.governing_changed == b.governing_changed;
}

// The envelope's changes with each pair's alike changes on one line, told
// at the lower bar.
std::vector<ListedLine> paired(const std::vector<ResultChange>& changes,
                               const std::vector<std::array<long long, 2>>& pairs) {
  std::map<long long, long long> partner;
  for (const auto& p : pairs) partner[p[0]] = p[1];
  std::vector<bool> told(changes.size(), false);
  std::vector<ListedLine> lines;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (told[i]) continue;
    ListedLine line{changes[i], 0};
    const auto p = partner.find(changes[i].bar);
    for (std::size_t j = i + 1; p != partner.end() && j < changes.size(); ++j)
      if (!told[j] && changes[j].bar == p->second && alike(changes[i], changes[j])) {
        told[j] = true;
        line.partner = p->second;
        break;
      }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

double weight(const ResultChange& c) {
  const double change = std::fabs(c.new_value - c.old_value);
  return change == 0 || c.scale == 0 ? 0 : change / c.scale;
}

std::vector<ListedLine> listed_lines(const std::vector<ResultChange>& changes,
                                     const std::vector<std::array<long long, 2>>& pairs) {
  std::vector<ListedLine> lines;
  if (!changes.empty() && changes.front().table == ResultTable::envelope) {
    lines = paired(changes, pairs);
  } else {
    for (const ResultChange& c : changes) lines.push_back({c, 0});
  }
  if (!changes.empty() && changes.front().table == ResultTable::bending) return lines;
  std::stable_sort(lines.begin(), lines.end(), [](const ListedLine& a, const ListedLine& b) {
    return weight(a.change) > weight(b.change);
  });
  return lines;
}

std::string fixed_text(double value, int decimals, bool sign) {
  char buf[64];
  std::snprintf(buf, sizeof buf, sign ? "%+.*f" : "%.*f", decimals, value);
  std::string text = buf;
  if (text.find_first_not_of("+-0.") == std::string::npos && (text[0] == '-' || text[0] == '+'))
    text.erase(0, 1);
  return text;
}

int decimals_of(ResultTable table) {
  const bool displacement = table == ResultTable::combined_displacements ||
                            table == ResultTable::displacement_envelope ||
                            table == ResultTable::node_displacement_envelope;
  return displacement ? 7 : 3;
}

}  // namespace toval::tools::diff
