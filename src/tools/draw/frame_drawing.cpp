#include "tools/draw/frame_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// A printed picture is this many units wide, whatever its frame.
constexpr double PRINT_WIDTH = 1000.0;
// The legend beside a tall frame is at least this wide; a frame is never
// drawn smaller than this, whatever its legend.
constexpr double NARROWEST_LEGEND = 380.0, SMALLEST_FRAME = 150.0;
// A printed legend counts a list longer than this many lines.
constexpr std::size_t PRINTED_LIST = 4;

struct Picture {
  double width = 0.0, height = 0.0;
  std::string body;  // title, frame and legend
};

std::string svg_element(const Store& s, const Picture& p) {
  const std::string w = svg_number(p.width), h = svg_number(p.height);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w +
                    "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n";
  svg += "<title>" + cli::markup_text(name_field_text(s.BL1.PRJT.view())) + "</title>\n";
  svg += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
  return svg + p.body + "</svg>\n";
}

// The frame placed at (left, top) of the page with its axis and labels.
std::string placed_frame(const FrameContent& content, FrameView& view, const FrameScale& scale, double left,
                         double top) {
  view.place(left, top);
  return frame_layer(content, view, scale, top - PAD * 0.6, top + view.height() + PAD * 0.6);
}

// For a screen: the frame in a box of its own, as wide as the titles need,
// the legend below it.
Picture screen_picture(const FrameContent& content, const DrawingSources& sources) {
  FrameView view(frame_extent(content), FRAME_WIDTH, FRAME_HEIGHT);
  const Block title = title_block(content, sources, MARGIN, MARGIN);
  Picture p;
  p.width =
      std::ceil(std::max({NARROWEST_PAGE, view.width() + 2.0 * (PAD + MARGIN), title.width + 2.0 * MARGIN}));
  const double frame_top = MARGIN + title.height + PAD;
  const FrameScale scale = frame_scale(content, view);
  const std::string frame = placed_frame(content, view, scale, (p.width - view.width()) / 2.0, frame_top);
  const double legend_top = frame_top + view.height() + PAD + 10.0;
  const Block legend = legend_block(content, scale, MARGIN, legend_top, p.width - 2.0 * MARGIN);
  p.height = std::ceil(legend_top + legend.height + MARGIN);
  p.body = title.svg + frame + legend.svg;
  return p;
}

// For print: PRINT_WIDTH units across the printed width, so that the
// smallest text has its printed size, and at most the printed height when
// the frame allows: the legend goes below the frame, or beside a tall frame
// when that draws the frame larger. The page gives the titles and files.
Picture print_picture(const FrameContent& content, const cli::PictureRequest& request) {
  const double unit_mm = request.print_width_mm / PRINT_WIDTH;
  const double smallest = std::ceil(cli::PRINTED_TEXT_MM / unit_mm * 2.0) / 2.0;
  // A unit spare: the picture's height is rounded up to whole units.
  const double most_high = request.print_height_mm > 0.0 ? std::floor(request.print_height_mm / unit_mm) - 1.0
                                                         : std::numeric_limits<double>::max() / 4.0;
  const Extent extent = frame_extent(content);
  const Block title = title_block(content, {}, MARGIN, MARGIN, true);
  const double frame_top = MARGIN + title.height + PAD;
  const double frame_width = PRINT_WIDTH - 2.0 * (PAD + MARGIN);

  const double below_rows =
      legend_block(content, FrameScale{}, 0.0, 0.0, PRINT_WIDTH - 2.0 * MARGIN, PRINTED_LIST).height;
  FrameView below(extent, frame_width,
                  std::max(SMALLEST_FRAME, most_high - frame_top - PAD - 10.0 - below_rows - MARGIN));
  FrameView beside(extent, frame_width - PAD - NARROWEST_LEGEND,
                   std::max(SMALLEST_FRAME, most_high - frame_top - PAD - MARGIN));
  const double beside_left = MARGIN + PAD + beside.width() + PAD;
  const double beside_rows =
      legend_block(content, FrameScale{}, 0.0, 0.0, PRINT_WIDTH - MARGIN - beside_left, PRINTED_LIST).height;
  const bool side =
      beside.scale() > below.scale() && MARGIN + title.height + beside_rows + MARGIN <= most_high;

  FrameView& view = side ? beside : below;
  const FrameScale scale = frame_scale(content, view, smallest);
  const double left = side ? MARGIN + PAD : (PRINT_WIDTH - view.width()) / 2.0;
  const std::string frame = placed_frame(content, view, scale, left, frame_top);
  const double frame_bottom = frame_top + view.height() + PAD;
  const Block legend = side ? legend_block(content, scale, beside_left, MARGIN + title.height,
                                           PRINT_WIDTH - MARGIN - beside_left, PRINTED_LIST)
                            : legend_block(content, scale, MARGIN, frame_bottom + 10.0,
                                           PRINT_WIDTH - 2.0 * MARGIN, PRINTED_LIST);
  const double legend_bottom =
      side ? MARGIN + title.height + legend.height : frame_bottom + 10.0 + legend.height;
  return {PRINT_WIDTH, std::ceil(std::max(frame_bottom, legend_bottom) + MARGIN),
          title.svg + frame + legend.svg};
}

}  // namespace

std::string frame_svg(const Store& s, const RunCounts& counts, const DrawingSources& sources,
                      const cli::PictureRequest& request, const cli::RunEnvelopes* envelopes) {
  const cli::SetEnvelope* set = envelopes && request.set ? envelopes->of(*request.set) : nullptr;
  FrameContent content = frame_content(s, counts, request.combination, request.language, set);
  content.run_has_sets = envelopes && !envelopes->sets.empty();
  content.id_prefix = request.id_prefix;
  content.pairs_elsewhere = request.pairs_elsewhere;
  content.force_unit = cli::unit_text(request.units, cli::Quantity::force);
  const Picture p =
      request.print_width_mm > 0.0 ? print_picture(content, request) : screen_picture(content, sources);
  return svg_element(s, p);
}

std::string frame_drawing(const Store& s, const RunCounts& counts, const DrawingSources& sources,
                          Whole combination, Language language, const std::optional<cli::Units>& units) {
  cli::PictureRequest request;
  request.combination = combination;
  request.language = language;
  request.units = units;
  return std::string(XML_DECLARATION) + frame_svg(s, counts, sources, request);
}

}  // namespace toval::tools::draw
