#include "tools/draw/frame_drawing.h"

#include <algorithm>
#include <cmath>

#include "records/text.h"
#include "tools/cli/markup_text.h"
#include "tools/draw/frame_layer.h"
#include "tools/draw/frame_view.h"
#include "tools/draw/svg_text.h"

namespace toval::tools::draw {

namespace {

constexpr double MARGIN = 20.0;
constexpr double FRAME_WIDTH = 900.0, FRAME_HEIGHT = 560.0;  // at most
constexpr double PAD = 60.0;  // around the frame: supports, labels, the axis ends
constexpr double NARROWEST_PAGE = 760.0;

}  // namespace

std::string frame_svg(const Store& s, const RunCounts& counts, const DrawingSources& sources,
                      const cli::PictureRequest& request) {
  FrameContent content = frame_content(s, counts, request.combination);
  content.id_prefix = request.id_prefix;
  content.pairs_elsewhere = request.pairs_elsewhere;
  content.force_unit = cli::unit_text(request.units, cli::Quantity::force);
  FrameView view(frame_extent(content), FRAME_WIDTH, FRAME_HEIGHT);

  const Block title = title_block(content, sources, MARGIN, MARGIN);
  const double width =
      std::ceil(std::max({NARROWEST_PAGE, view.width() + 2.0 * (PAD + MARGIN), title.width + 2.0 * MARGIN}));
  const double frame_top = MARGIN + title.height + PAD;
  view.place((width - view.width()) / 2.0, frame_top);
  const FrameScale scale = frame_scale(content, view);
  const std::string frame =
      frame_layer(content, view, scale, frame_top - PAD * 0.6, frame_top + view.height() + PAD * 0.6);

  const double legend_top = frame_top + view.height() + PAD + 10.0;
  const Block legend = legend_block(content, scale, MARGIN, legend_top, width - 2.0 * MARGIN);
  const double height = std::ceil(legend_top + legend.height + MARGIN);

  const std::string w = svg_number(width), h = svg_number(height);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w +
                    "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n";
  svg += "<title>" + cli::markup_text(name_field_text(s.BL1.PRJT.view())) + "</title>\n";
  svg += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
  svg += title.svg + frame + legend.svg + "</svg>\n";
  return svg;
}

std::string frame_drawing(const Store& s, const RunCounts& counts, const DrawingSources& sources,
                          Whole combination, const std::optional<cli::Units>& units) {
  cli::PictureRequest request;
  request.combination = combination;
  request.units = units;
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + frame_svg(s, counts, sources, request);
}

}  // namespace toval::tools::draw
