// The text around the frame: the title block above it and the legend
// below it, each laid out in rows from a given top.
#pragma once

#include <string>
#include <vector>

#include "tools/draw/frame_content.h"
#include "tools/draw/frame_layer.h"

namespace toval::tools::draw {

struct DrawingSources {
  std::string combination_file, forces_file;  // as the user gave them
};

struct Block {
  std::string svg;
  double height = 0.0;
  double width = 0.0;  // the widest row, estimated
};

// The titles, the input files and what the picture shows; `brief`, for a
// page that gives the titles and files itself, only the last.
Block title_block(const FrameContent& c, const DrawingSources& sources, double left, double top,
                  bool brief = false);

// A list of bars or pairs longer than this many lines would crowd out the
// frame: the legend then counts them and points to the table that lists them.
inline constexpr std::size_t LONGEST_LIST = 8;

// The legend rows, wrapped to `width`, lists of more than `longest` lines
// told by their count.
Block legend_block(const FrameContent& c, const FrameScale& scale, double left, double top, double width,
                   std::size_t longest = LONGEST_LIST);

// Items joined by ", " into lines no wider than `width` at font size `size`
// (text_width); a line that the list goes on after keeps its comma, and an
// item wider than a line breaks at its blanks.
std::vector<std::string> wrap_items(const std::vector<std::string>& items, double width, double size);

}  // namespace toval::tools::draw
