// Everything the picture shows of one analysed run, gathered from the
// store once so that the frame and the legend draw from the same facts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "driver/analysis.h"
#include "store/store.h"
#include "tools/draw/bar_forces.h"
#include "tools/draw/characteristic_nodes.h"
#include "tools/draw/frame_view.h"
#include "tools/draw/mirror_pairs.h"
#include "tools/draw/picture_text.h"
#include "tools/draw/support_symbols.h"

namespace toval::tools::draw {

struct FrameContent {
  const Store& s;
  RunCounts counts;
  Whole combination = 0;                  // 0: the envelope
  const cli::SetEnvelope* set = nullptr;  // the set whose envelope is drawn; none: every combination
  bool run_has_sets = false;              // the combination file names sets
  std::vector<Point> nodes;               // frame coordinates of nodes 1..NNOS
  std::vector<bool> drawable;             // by bar: both end nodes among 1..NNOS
  std::vector<BarForce> forces;           // by bar
  MirrorPairs mirrors;
  CharacteristicNodes characteristic;
  std::vector<SupportKind> supports;  // by node
  double largest = 0.0;               // largest |N| shown
  std::string id_prefix;              // before every id of the picture
  std::string pairs_elsewhere;        // when set, the legend's line in place of the pair list
  PictureText text;                   // the picture's words
  std::string force_unit;             // after the forces the legend gives; none when empty

  Point node(Whole k) const { return nodes[static_cast<std::size_t>(k - 1)]; }
  std::string id(std::string_view name) const { return id_prefix + std::string(name); }
};

// With `combination` 0, the envelope of `set`, or over every combination
// when none.
FrameContent frame_content(const Store& s, const RunCounts& counts, Whole combination,
                           Language language = Language::en, const cli::SetEnvelope* set = nullptr);

// The title's line for the envelope of a run whose combinations have sets:
// the set drawn, or every combination.
std::string set_envelope_line(const FrameContent& c);

// Where the bars marked in bending are in bending: "in combination I" or
// "in some combination" (of the set drawn), in the picture's words.
std::string bending_place(const FrameContent& c);

// The frame's extent: every node, and the axis.
Extent frame_extent(const FrameContent& c);

}  // namespace toval::tools::draw
