// Well-formed frames of several shapes written as the two input files, so
// that tests can plant one mistake at a time in an otherwise sound pair.
#pragma once

#include <string>
#include <vector>

namespace toval::testing {

struct FrameNode {
  double x = 0, y = 0;
  int r1 = 0, r2 = 0, r3 = 0;
};

struct FrameBar {
  int ni = 0, nf = 0, prop = 1;
};

struct Frame {
  std::vector<FrameNode> nodes;
  std::vector<FrameBar> bars;
  std::vector<std::string> cases{"G", "Q"};
};

// A single bay, fixed feet: nodes 1 (0,0), 2 (0,4), 3 (10,4), 4 (10,0).
Frame portal();
// Grid of `bays` bays and `storeys` storeys, 6 wide and 3 high, fixed feet;
// columns first, then beams, level by level.
Frame multi_storey(int bays, int storeys);
// Pratt truss of `panels` panels (an even number) 3 wide and 2 high on a
// pin and a roller, without end posts.
Frame truss(int panels);
// Two columns and two rafters rising to a ridge on the axis, and a tie.
Frame gable();
// A beam on `spans` + 1 supports (a pin, then rollers), the spans `width`
// long, one bar per span; an even number of spans has a support on the axis.
Frame continuous_beam(int spans, double width = 5.0);
// Bays of the given widths (asymmetric when the widths are), one storey 3
// high, fixed feet; columns first, then beams.
Frame bays(const std::vector<double>& widths);
// A pitched roof truss on two pinned columns 5 high: `panels` panels of 2
// on each side of the ridge (on the axis, 1 above the eaves per panel), a
// tie at the eaves and a post under every rafter node; 6 * panels + 1 bars,
// every one paired or on the axis.
Frame roof_truss(int panels);

// The forces file as lines: sections, then one case block per case, laid out
// as the analysis listings lay them out.
std::vector<std::string> forces_lines(const Frame& f);
// Titles, the case list (each with a description line), two combinations
// that use every case, one in fixed columns and one with commas.
std::vector<std::string> combination_lines(const Frame& f);

// The lines joined, each ended by a line feed.
std::string joined(const std::vector<std::string>& lines);

// The index (from 0) of the first line that starts with `prefix`.
std::size_t line_index(const std::vector<std::string>& lines, const std::string& prefix);

}  // namespace toval::testing
